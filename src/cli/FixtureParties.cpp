#include "cli/FixtureParties.h"

#include "app/DateText.h"
#include "cli/FixtureRandom.h"
#include "cli/FixtureWords.h"
#include "db/engine/SqliteConnection.h"

namespace cli {

namespace words = fixturewords;

namespace {

QString phoneNumber(FixtureRandom& random) {
    QString number = QStringLiteral("0%1").arg(random.between(1, 5));
    for (int pair = 0; pair < 4; ++pair)
        number += QStringLiteral(" %1").arg(random.below(100), 2, 10, QLatin1Char('0'));
    return number;
}

QString address(FixtureRandom& random) {
    return QStringLiteral("%1 %2").arg(random.between(1, 180)).arg(random.pick(words::streets()));
}

} // namespace

void FixtureParties::writePeople(int count) {
    db::SqliteStatement insert = m_connection.prepareNative(QStringLiteral(
        "INSERT INTO PEOPLE (Id_File, Name, NickName, Nationality, Category, BirthDay, Address, CP, City, "
        "Country, Phone, Email, Remark1, Misc06, Misc07) VALUES (-1, ?, ?, ?, ?, ?, ?, ?, ?, 'France', ?, ?, "
        "?, '', '')"));
    m_people.reserve(m_people.size() + std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString& first = m_random.pick(words::firstNames());
        const QString& last = m_random.pick(words::lastNames());
        const words::Town& town = words::towns().at(std::size_t(m_random.below(int(words::towns().size()))));
        insert.reset();
        insert.bind(1, first + QLatin1Char(' ') + last);
        insert.bind(2, m_random.percent(10) ? first : QString());
        insert.bind(3, m_random.pick(words::nationalities()));
        insert.bind(4, m_random.pick(words::personCategories()));
        insert.bind(5, m_random.percent(70) ? QVariant(app::datetext::toIso(m_random.dateBetween(
                                                  QDate(1950, 1, 1), QDate(1998, 12, 31))))
                                            : QVariant());
        insert.bind(6, address(m_random));
        insert.bind(7, town.postcode);
        insert.bind(8, town.name);
        insert.bind(9, phoneNumber(m_random));
        insert.bind(10, QStringLiteral("%1.%2%3@exemple.fr")
                            .arg(words::plainAscii(first), words::plainAscii(last))
                            .arg(i % 100 == 0 ? QString() : QString::number(i % 100)));
        insert.bind(11, m_random.percent(20) ? m_random.pick(words::remarks()) : QString());
        insert.run();
        m_people.push_back(m_connection.lastInsertId());
    }
}

void FixtureParties::writeCompanies(int count) {
    db::SqliteStatement insert = m_connection.prepareNative(QStringLiteral(
        "INSERT INTO COMPANY (Id_File, Title, Name, Address, City, CP, Country, Phone, Fax, Email, WebSite, "
        "Category, Remark1, Misc11, Misc12) VALUES (-1, ?, ?, ?, ?, ?, 'France', ?, ?, ?, ?, ?, ?, '', '')"));
    m_companies.reserve(m_companies.size() + std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString& activity = m_random.pick(words::companyActivities());
        const QString& word = m_random.pick(words::companyWords());
        const words::Town& town = words::towns().at(std::size_t(m_random.below(int(words::towns().size()))));
        const QString domain = words::plainAscii(activity + QLatin1Char('-') + word) + QStringLiteral(".fr");
        insert.reset();
        insert.bind(1, QStringLiteral("%1 %2 %3").arg(activity, word, m_random.pick(words::legalForms())));
        insert.bind(2, m_random.pick(words::firstNames()) + QLatin1Char(' ') +
                           m_random.pick(words::lastNames()));
        insert.bind(3, address(m_random));
        insert.bind(4, town.name);
        insert.bind(5, town.postcode);
        insert.bind(6, phoneNumber(m_random));
        insert.bind(7, m_random.percent(40) ? phoneNumber(m_random) : QString());
        insert.bind(8, QStringLiteral("contact@") + domain);
        insert.bind(9, QStringLiteral("www.") + domain);
        insert.bind(10, m_random.pick(words::companyCategories()));
        insert.bind(11, m_random.percent(20) ? m_random.pick(words::remarks()) : QString());
        insert.run();
        m_companies.push_back(m_connection.lastInsertId());
    }
}

} // namespace cli
