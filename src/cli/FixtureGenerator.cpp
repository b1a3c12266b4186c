#include "cli/FixtureGenerator.h"

#include "app/DateText.h"
#include "cli/FixtureParties.h"
#include "cli/FixtureRandom.h"
#include "cli/FixtureTrees.h"
#include "cli/FixtureWords.h"
#include "db/engine/SqliteConnection.h"

#include <algorithm>

namespace cli {

namespace words = fixturewords;

namespace {

const QString States[] = {QStringLiteral("PROJET"), QStringLiteral("SIGNE"), QStringLiteral("ARCHIVE")};
const int Lengths[] = {12, 12, 12, 24, 36, 36, 48, 60};
const int Alarms[] = {0, 0, 1, 2, 3, 6};

QVariant isoOrNull(const QDate& date) {
    return date.isValid() ? QVariant(app::datetext::toIso(date)) : QVariant();
}

// A few sentences, sometimes in two paragraphs, as typed in the memo of a contract.
QString detailText(FixtureRandom& random) {
    if (!random.percent(70))
        return {};
    QString text;
    const int sentences = random.between(1, 4);
    const int count = int(words::detailSentences().size());
    const int first = random.below(count);
    for (int i = 0; i < sentences; ++i) {
        if (i > 0)
            text += random.percent(25) ? QStringLiteral("\r\n") : QStringLiteral(" ");
        // Consecutive sentences of the list, so that none comes twice.
        text += words::detailSentences().at((first + i * 7) % count);
    }
    return text;
}

QString keywordText(FixtureRandom& random) {
    if (!random.percent(50))
        return {};
    QStringList chosen;
    const int count = random.between(1, 3);
    for (int i = 0; i < count; ++i) {
        const QString& keyword = random.pick(words::keywords());
        if (!chosen.contains(keyword))
            chosen << keyword;
    }
    return chosen.join(QStringLiteral(", "));
}

// How many parties a contract has: mostly one, sometimes none or several.
int partyCount(FixtureRandom& random, const int (&weights)[4]) {
    int draw = random.below(100);
    for (int count = 0; count < 4; ++count) {
        if (draw < weights[count])
            return count;
        draw -= weights[count];
    }
    return 3;
}

// Up to count distinct Ids of the pool.
std::vector<qint64> distinctPicks(FixtureRandom& random, const std::vector<qint64>& pool, int count) {
    std::vector<qint64> picks;
    count = std::min<int>(count, int(pool.size()));
    while (int(picks.size()) < count) {
        const qint64 id = pool.at(std::size_t(random.below(int(pool.size()))));
        if (std::find(picks.begin(), picks.end(), id) == picks.end())
            picks.push_back(id);
    }
    return picks;
}

} // namespace

FixtureGenerator::FixtureGenerator(db::SqliteConnection& connection, FixtureOptions options)
    : m_connection(connection), m_options(std::move(options)) {}

QString FixtureGenerator::uniqueDossierName() const {
    db::SqliteStatement taken =
        m_connection.prepareNative(QStringLiteral("SELECT 1 FROM PROFILES WHERE LoginName=?"));
    QString name = m_options.dossierName;
    for (int number = 2;; ++number) {
        taken.reset();
        taken.bind(1, name);
        if (!taken.step())
            return name;
        name = QStringLiteral("%1 (%2)").arg(m_options.dossierName).arg(number);
    }
}

int FixtureGenerator::insertDossier(const QString& name) {
    db::SqliteStatement insert =
        m_connection.prepareNative(QStringLiteral("INSERT INTO PROFILES (LoginName, LoginPassword, FullName, "
                                                  "Comment, Administrator) VALUES (?, '', ?, ?, 0)"));
    insert.bind(1, name);
    insert.bind(2, QStringLiteral("Service juridique"));
    insert.bind(3, QStringLiteral("Dossier fictif créé pour les essais (graine %1).").arg(m_options.seed));
    insert.run();
    const int dossierId = int(m_connection.lastInsertId());
    db::SqliteStatement labels = m_connection.prepareNative(
        QStringLiteral("INSERT INTO CUSTOMLAB (Id_File, Contract_Misc01, Contract_Misc02) VALUES (?, "
                       "'Service', 'Centre de coût')"));
    labels.bindInt(1, dossierId);
    labels.run();
    return dossierId;
}

FixtureSummary FixtureGenerator::run() {
    FixtureRandom random(m_options.seed);
    FixtureSummary summary;
    db::Transaction transaction(m_connection);

    summary.dossierName = uniqueDossierName();
    summary.dossierId = insertDossier(summary.dossierName);
    const int dossier = summary.dossierId;

    FixtureTrees trees(m_connection);
    summary.categoryNodes = trees.writeCategoryTree(dossier);
    summary.locationNodes = trees.prepareLocationTree();

    const int contracts = std::max(0, m_options.contracts);
    FixtureParties parties(m_connection, random);
    parties.writePeople(contracts == 0 ? 0 : std::max(1, (contracts + 2) / 5));
    parties.writeCompanies(contracts == 0 ? 0 : std::max(1, (contracts + 10) / 20));
    summary.people = int(parties.people().size());
    summary.companies = int(parties.companies().size());

    db::SqliteStatement contract = m_connection.prepareNative(QStringLiteral(
        "INSERT INTO CONTRACT (Id_File, Title, NoContract, Reference, Code, Date_Sign, Date_Start, "
        "Date_Term, "
        "Length, Alarm, AnnualCost, TacitRenewal, Renewal, Support, Detail, Category, Location, Remark1, "
        "Remark2, "
        "Keyword, State, Misc01, Misc02, Misc11, Misc12) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, '', '')"));
    db::SqliteStatement personLink = m_connection.prepareNative(QStringLiteral(
        "INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People, Category, Remark1) VALUES (-1, ?, ?, ?, '')"));
    db::SqliteStatement companyLink = m_connection.prepareNative(
        QStringLiteral("INSERT INTO L_COMPANY (Id_File, Id_Ref, Id_Company, Category, Remark1, Description) "
                       "VALUES (-1, ?, ?, ?, '', ?)"));
    db::SqliteStatement event = m_connection.prepareNative(
        QStringLiteral("INSERT INTO EVENT (Id_File, Id_Ref, DateEvent, Description) VALUES (?, ?, ?, ?)"));

    const int domainCount = int(words::domains().size());
    for (int i = 0; i < contracts; ++i) {
        const int domain = random.below(domainCount);
        const words::Domain& kind = words::domains().at(std::size_t(domain));
        const int stateDraw = random.below(100);
        const QString& state = States[stateDraw < 15 ? 0 : stateDraw < 80 ? 1 : 2];
        const int length = Lengths[random.below(8)];
        const QDate planned = random.dateBetween(QDate(2008, 1, 1), QDate(2025, 6, 30));
        // A project is not signed yet; its dates are the planned ones.
        const QDate signature = state == States[0] ? QDate() : planned;
        const QDate start = random.percent(50) ? QDate(planned.year(), planned.month(), 1).addMonths(1)
                                               : planned.addDays(random.below(30));
        const QDate term = start.addMonths(length).addDays(-1);
        const QString town = words::towns().at(std::size_t(random.below(int(words::towns().size())))).name;

        contract.reset();
        contract.bindInt(1, dossier);
        contract.bind(2, random.pick(kind.designations) + QStringLiteral(" - ") + town);
        contract.bind(3, QStringLiteral("%1-%2-%3")
                             .arg(kind.numberPrefix)
                             .arg(planned.year())
                             .arg(i + 1, 6, 10, QLatin1Char('0')));
        contract.bind(4, random.percent(80) ? QStringLiteral("REF/%1").arg(random.between(10000, 99999))
                                            : QString());
        contract.bind(5, QStringLiteral("C%1").arg(i + 1, 6, 10, QLatin1Char('0')));
        contract.bind(6, isoOrNull(signature));
        contract.bind(7, isoOrNull(start));
        contract.bind(8, random.percent(95) ? isoOrNull(term) : QVariant());
        contract.bindInt(9, length);
        contract.bindInt(10, Alarms[random.below(6)]);
        contract.bind(11, double(random.between(5000, 5000000)) / 100.0);
        contract.bindInt(12, random.percent(60) ? 1 : 0);
        contract.bind(13, random.pick(words::renewals()));
        contract.bind(14, random.pick(words::supports()));
        contract.bind(15, detailText(random));
        contract.bind(16, trees.categoryPath(domain, random));
        contract.bind(17, random.percent(85) ? trees.locationPath(random) : QString());
        contract.bind(18, random.percent(30) ? random.pick(words::remarks()) : QString());
        contract.bind(19, keywordText(random));
        contract.bind(20, state);
        contract.bind(21, random.percent(70) ? QVariant(random.pick(words::services())) : QVariant());
        contract.bind(22, random.percent(50) ? QVariant(QStringLiteral("CC%1").arg(random.between(100, 999)))
                                             : QVariant());
        contract.run();
        const qint64 contractId = m_connection.lastInsertId();
        ++summary.contracts;

        // Reference columns are 16-bit in the schema; the engine stores larger Ids all the same.
        for (const qint64 person :
             distinctPicks(random, parties.people(), partyCount(random, {15, 45, 30, 10}))) {
            personLink.reset();
            personLink.bindInt(1, contractId);
            personLink.bindInt(2, person);
            personLink.bind(3, random.pick(words::personCapacities()));
            personLink.run();
            ++summary.peopleLinks;
        }
        for (const qint64 company :
             distinctPicks(random, parties.companies(), partyCount(random, {25, 60, 15, 0}))) {
            companyLink.reset();
            companyLink.bindInt(1, contractId);
            companyLink.bindInt(2, company);
            companyLink.bind(3, random.pick(words::companyCapacities()));
            companyLink.bind(4, random.pick(words::companyRoles()));
            companyLink.run();
            ++summary.companyLinks;
        }
        const int events = random.below(4) + (random.percent(50) ? 0 : random.below(2));
        const QDate firstEvent = signature.isValid() ? signature : planned;
        for (int e = 0; e < events; ++e) {
            event.reset();
            event.bindInt(1, dossier);
            event.bindInt(2, contractId);
            const bool signing = e == 0 && signature.isValid();
            const QDate date =
                signing ? signature : random.dateBetween(firstEvent, std::max(firstEvent, term));
            event.bind(3, app::datetext::toIso(date));
            event.bind(4, signing ? words::events().first() : random.pick(words::events()));
            event.run();
            ++summary.events;
        }
    }
    transaction.commit();
    return summary;
}

} // namespace cli
