#include "app/DatabaseConfig.h"

#include "app/Globals.h"
#include "app/Startup.h"
#include "app/UserDialogs.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace app;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class DatabaseConfigTest : public ::testing::Test {
  protected:
    void SetUp() override {
        globals() = Globals{};
        globals().programDir = globals().installDir = temp.file("prog/");
        globals().dataDir = dataDir();
        QDir().mkpath(dataDir());
        setDialogs(&shown);
    }
    void TearDown() override {
        mainConnection().close();
        setDialogs(nullptr);
    }
    QString dataDir() const { return temp.file("data/"); }

    testsupport::TempFolder temp;
    ScriptedDialogs shown;
};

} // namespace

TEST_F(DatabaseConfigTest, MissingDbIniIsCreatedWithTheSevenDefaults) {
    LoadDatabaseSettings(dataDir());
    EXPECT_EQ(readFile(dataDir() + "db.ini"), "[DataBase]\r\n"
                                              "Provider=OLEDB\r\n"
                                              "Path=Data\\\r\n"
                                              "\r\n"
                                              "[ODBC]\r\n"
                                              "Name=MANTIVO_CONTRACT\r\n"
                                              "Driver=Microsoft Access Driver (*.mdb)\r\n"
                                              "Path=Access\\CONTRACT.MDB\r\n"
                                              "\r\n"
                                              "[OLEDB]\r\n"
                                              "Provider=Microsoft.Jet.OLEDB.4.0\r\n"
                                              "FileName=Access\\CONTRACT.MDB\r\n");
    const DatabaseConfig& config = databaseConfig();
    EXPECT_EQ(config.databaseDir, dataDir() + "Data/");
    EXPECT_EQ(config.databaseFile(), dataDir() + "Data/Access/CONTRACT.MDB");
    EXPECT_EQ(config.backupFolder(), dataDir() + "Backup/Data/");
    EXPECT_EQ(
        config.connectionString,
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + dataDir() +
            "Data/Access/CONTRACT.MDB;Mode=ReadWrite;Jet OLEDB:Engine Type=5;Jet OLEDB:Database Locking "
            "Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;Jet "
            "OLEDB:Create "
            "System Database=False;Jet OLEDB:Encrypt Database=False;Jet OLEDB:Don't Copy Locale on "
            "Compact=False;Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False");
    EXPECT_TRUE(shown.shown().empty());

    // A shipped db.ini is fetched first, and an existing one is never rewritten.
    QFile::remove(dataDir() + "db.ini");
    writeFile(globals().programDir + "Ressources/DB/db.ini", "[ODBC]\r\nName=AUTRE\r\n");
    LoadDatabaseSettings(dataDir());
    EXPECT_EQ(readFile(dataDir() + "db.ini"), "[ODBC]\r\nName=AUTRE\r\n");
    EXPECT_EQ(databaseConfig().odbcName, "AUTRE");
}

TEST_F(DatabaseConfigTest, DbIniDecidesTheDatabaseFolderFileAndMode) {
    struct Case {
        QByteArray ini;
        QString databaseDir; // "~/" stands for the data folder
        QString databaseFile;
        QString existenceFile;
        bool odbc;
        bool warned;
    };
    const QString base = temp.file("base/");
    const Case cases[] = {
        {"[DataBase]\r\nPath=Data/\r\n", "~/Data/", "~/Data/Access/CONTRACT.MDB",
         "~/Data/Access/CONTRACT.MDB", false, false},
        {"[DataBase]\r\nPath=" + base.toUtf8() + "\r\n", base, base + "Access/CONTRACT.MDB",
         base + "Access/CONTRACT.MDB", false, false},
        {"[DataBase]\r\nPath=" + temp.file("base").replace(QLatin1Char('/'), QLatin1Char('\\')).toUtf8() +
             "\r\n",
         base, base + "Access/CONTRACT.MDB", base + "Access/CONTRACT.MDB", false, false},
        {"[DataBase]\r\nPath=Autre\\\r\n", "~/Autre/", "~/Autre/Access/CONTRACT.MDB",
         "~/Autre/Access/CONTRACT.MDB", false, false},
        {"[DataBase]\r\nPath=C:\\Base\\\r\n", "~/Data/", "~/Data/Access/CONTRACT.MDB",
         "~/Data/Access/CONTRACT.MDB", false, true},
        {"[DataBase]\r\nProvider=ODBC\r\n", "~/Data/", "~/Data/Access/CONTRACT.MDB",
         "~/Data/Access/CONTRACT.MDB", true, false},
        {"[DataBase]\r\nProvider=ODBC\r\n[ODBC]\r\nPath=Odbc\\BASE.MDB\r\n[OLEDB]\r\nFileName=Ole\\B.MDB\r\n",
         "~/Data/", "~/Data/Odbc/BASE.MDB", "~/Data/Ole/B.MDB", true, false},
    };
    for (const Case& c : cases) {
        shown.clear();
        writeFile(dataDir() + "db.ini", c.ini);
        LoadDatabaseSettings(dataDir());
        const DatabaseConfig& config = databaseConfig();
        auto expand = [&](QString path) { return path.replace(QStringLiteral("~/"), dataDir()); };
        SCOPED_TRACE(c.ini.constData());
        EXPECT_EQ(config.databaseDir, expand(c.databaseDir));
        EXPECT_EQ(config.databaseFile(), expand(c.databaseFile));
        EXPECT_EQ(config.existenceFile(), expand(c.existenceFile));
        EXPECT_EQ(config.odbcMode(), c.odbc);
        EXPECT_EQ(shown.shown().size(), c.warned ? 1u : 0u);
        if (c.odbc) {
            EXPECT_EQ(config.connectionString,
                      "Provider=MSDASQL.1;Data Source=MANTIVO_CONTRACT;Persist Security "
                      "Info=True;Mode=ReadWrite");
        }
        EXPECT_EQ(readFile(dataDir() + "db.ini"), c.ini); // an existing db.ini is only read
    }
}

TEST_F(DatabaseConfigTest, OpenMainConnectionOpensTheFileOrReportsTheEngineText) {
    LoadDatabaseSettings(dataDir());
    globals().startupOk = true;

    // No database: nothing opened, nothing said.
    EXPECT_FALSE(OpenMainConnection());
    EXPECT_FALSE(mainConnection().isOpen());
    EXPECT_TRUE(shown.shown().empty());
    EXPECT_TRUE(globals().startupOk);

    testsupport::copyShippedDatabase(databaseConfig().databaseFile());
    EXPECT_TRUE(OpenMainConnection());
    EXPECT_TRUE(mainConnection().isOpen());
    EXPECT_EQ(mainConnection().path(), databaseConfig().databaseFile());

    mainConnection().close();
    writeFile(databaseConfig().databaseFile(), QByteArray(4096, 'x'));
    EXPECT_FALSE(OpenMainConnection());
    EXPECT_FALSE(mainConnection().isOpen());
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Plain);
    EXPECT_TRUE(shown.shown()[0].text.contains(databaseConfig().databaseFile()));
    EXPECT_FALSE(globals().startupOk);

    // A provider that db.ini does not know leaves the connection unset.
    shown.clear();
    globals().startupOk = true;
    testsupport::copyShippedDatabase(databaseConfig().databaseFile());
    writeFile(dataDir() + "db.ini", "[DataBase]\r\nProvider=SQLSERVER\r\n");
    LoadDatabaseSettings(dataDir());
    EXPECT_TRUE(databaseConfig().connectionString.isEmpty());
    EXPECT_FALSE(OpenMainConnection());
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_TRUE(shown.shown()[0].text.contains("SQLSERVER"));
    EXPECT_FALSE(globals().startupOk);
}

TEST_F(DatabaseConfigTest, BackupFolderIsStoredInDbIni) {
    writeFile(dataDir() + "db.ini", "[DataBase]\r\nProvider=OLEDB\r\n");
    LoadDatabaseSettings(dataDir());
    SaveBackupPath(temp.file("sauvegardes"));
    EXPECT_EQ(readFile(dataDir() + "db.ini"), "[DataBase]\r\nProvider=OLEDB\r\n\r\n[Backup]\r\nPath=" +
                                                  temp.file("sauvegardes").toUtf8() + "\r\n");
    LoadDatabaseSettings(dataDir());
    EXPECT_EQ(databaseConfig().backupFolder(), temp.file("sauvegardes/"));
}
