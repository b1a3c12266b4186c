#pragma once

#include <QString>
#include <QtGlobal>

namespace db {
class SqliteConnection;
}

namespace cli {

struct FixtureOptions {
    int contracts = 0;
    quint64 seed = 1;
    QString dossierName = QStringLiteral("Dossier de démonstration");
};

struct FixtureSummary {
    int dossierId = -1;
    QString dossierName;
    int contracts = 0;
    int people = 0;
    int companies = 0;
    int peopleLinks = 0;
    int companyLinks = 0;
    int events = 0;
    int categoryNodes = 0;
    int locationNodes = 0;
};

// Fills the database with a realistic dossier for trials and benchmarks: a new dossier, its contracts with
// their parties, links and events, its category tree, and the shared location tree when it is empty.
// The same seed gives the same dossier. Everything is written in one transaction: on an error nothing stays.
class FixtureGenerator {
  public:
    FixtureGenerator(db::SqliteConnection& connection, FixtureOptions options);

    FixtureSummary run();

  private:
    int insertDossier(const QString& name);
    QString uniqueDossierName() const;

    db::SqliteConnection& m_connection;
    FixtureOptions m_options;
};

} // namespace cli
