#pragma once

#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <ctime>

// A copy of the shipped empty database in a temporary data folder, opened on a connection; the database
// folder is set so that stored pictures and files land in the temporary folder.
class DbFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::globals().dataDir = folder.path();
        app::databaseConfig().databaseDir = folder.path() + QStringLiteral("Data/");
        databaseFile = folder.path() + QStringLiteral("Data/Access/CONTRACT.MDB");
        testsupport::copyShippedDatabase(databaseFile);
        connection.open(databaseFile);
    }

    int count(const QString& jetSql)
    {
        db::SqliteStatement statement = connection.prepare(jetSql);
        return statement.step() ? static_cast<int>(statement.intValue(0)) : -1;
    }

    testsupport::TempFolder folder;
    QString databaseFile;
    db::SqliteConnection connection;
};

// A local clock with summer time for the life of the object (Paris rules, written out so that no
// time-zone database is needed).
class SummerTimeClock {
public:
    SummerTimeClock() : m_saved(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
    }
    ~SummerTimeClock()
    {
        if (m_had)
            qputenv("TZ", m_saved);
        else
            qunsetenv("TZ");
        tzset();
    }
    SummerTimeClock(const SummerTimeClock&) = delete;
    SummerTimeClock& operator=(const SummerTimeClock&) = delete;

private:
    QByteArray m_saved;
    bool m_had;
};
