#pragma once

#include <QtGlobal>
#include <vector>

namespace db {
class SqliteConnection;
}

namespace cli {

class FixtureRandom;

// People and companies of the demonstration dossier: shared rows (Id_File -1), as the program makes them.
class FixtureParties {
  public:
    FixtureParties(db::SqliteConnection& connection, FixtureRandom& random)
        : m_connection(connection), m_random(random) {}

    void writePeople(int count);
    void writeCompanies(int count);

    const std::vector<qint64>& people() const { return m_people; }
    const std::vector<qint64>& companies() const { return m_companies; }

  private:
    db::SqliteConnection& m_connection;
    FixtureRandom& m_random;
    std::vector<qint64> m_people;
    std::vector<qint64> m_companies;
};

} // namespace cli
