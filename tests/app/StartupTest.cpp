#include "app/Startup.h"

#include "app/AppError.h"
#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "db/VersionRecord.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace app;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class RecordingObserver : public StartupObserver {
  public:
    void showSplash() override { splashShown = true; }
    void setSplashGauge(int position) override { gauge << position; }
    void setSplashMessage(const QString& text) override { messages << text; }
    bool splashShown = false;
    QList<int> gauge;
    QStringList messages;
};

const QString connectionFailure =
    QString::fromUtf8(
        "EXECUTION IMPOSSIBLE !!\r\rCe logiciel a rencontré un problème lors de la connexion à la base de "
        "données.\rContactez le support par email pour tenter de trouver une solution : ") +
    SupportEmail;

// Each test starts with its own temporary folder (also the folder of the instance lock) and a data
// folder given by the start-up option.
class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toUtf8());
        globals() = Globals{};
        settings() = Settings{};
        setDialogs(&shown);
        options.programDir = testsupport::programDir();
        options.dataDirOverride = dataDir();
    }
    void TearDown() override {
        mainConnection().close();
        setDialogs(nullptr);
        qputenv("TMPDIR", m_oldTmp);
    }

    QString dataDir() const { return temp.file("data/"); }
    QString databaseFile() const { return dataDir() + "Data/Access/CONTRACT.MDB"; }

    bool run(Startup& startup) {
        return startup.run([this](db::SqliteConnection& connection) {
            modulesCreated = true;
            modulesSawOpenConnection = connection.isOpen();
            if (!modulesError.isEmpty())
                throw AppError(modulesError);
        });
    }
    bool run() {
        Startup startup(options, observer);
        return run(startup);
    }

    // A program folder of our own, holding the shipped database and an update script.
    QString programWithScript() {
        const QString prog = temp.file("prog/");
        testsupport::copyShippedDatabase(prog + "Ressources/DB/Data/Access/CONTRACT.MDB");
        writeFile(prog + "Maj/" + UpdateScriptName(), "-- script\r\n");
        return prog;
    }

    // The data folder's database with the given version record ("" removes it).
    void prepareDatabase(const QString& version) {
        testsupport::copyShippedDatabase(databaseFile());
        db::SqliteConnection connection;
        connection.open(databaseFile());
        if (version.isEmpty())
            connection.execute(
                "DELETE FROM OBJECT_VAL_STR WHERE ID_CLASS=-99 AND ID_ATTRIBUTE=-99 AND USERID=-99");
        else
            db::SetDatabaseVersion(connection, version);
    }

    testsupport::TempFolder temp;
    ScriptedDialogs shown;
    RecordingObserver observer;
    StartupOptions options;
    bool modulesCreated = false;
    bool modulesSawOpenConnection = false;
    QString modulesError;

  private:
    QByteArray m_oldTmp;
};

} // namespace

TEST_F(StartupTest, FirstStartCopiesTheShippedDatabaseAndOpensIt) {
    Startup startup(options, observer);
    ASSERT_TRUE(run(startup)) << shown.texts().join("\n").toStdString();
    EXPECT_TRUE(shown.shown().empty());
    EXPECT_TRUE(startup.warnings().isEmpty());
    EXPECT_TRUE(modulesCreated);
    EXPECT_TRUE(modulesSawOpenConnection);
    EXPECT_TRUE(globals().startupOk);
    EXPECT_EQ(globals().dataDir, dataDir());
    EXPECT_EQ(globals().reportsDir, testsupport::programDir() + "Reports/");
    EXPECT_EQ(globals().queryDir, testsupport::programDir() + "Query/");
    EXPECT_EQ(mainConnection().path(), databaseFile());
    EXPECT_TRUE(QFileInfo::exists(dataDir() + "db.ini"));
    EXPECT_FALSE(QFileInfo::exists(dataDir() + "write.tmp"));
    EXPECT_EQ(db::GetDatabaseVersion(mainConnection()), ProductVersion);
    EXPECT_TRUE(observer.splashShown);
    EXPECT_EQ(observer.gauge, QList<int>({1, 4, 4, 5}));
    EXPECT_EQ(observer.messages, QStringList({QString::fromUtf8("Initialisation de la base de données ..."),
                                              "Chargement du logiciel ...", "Chargement du logiciel ..."}));
    EXPECT_TRUE(QFileInfo::exists(temp.file("MANTIVO_CONTRACT.lock")));
}

TEST_F(StartupTest, SplashSettingOffHidesTheSplashButItsStepsRun) {
    writeFile(dataDir() + SettingsFileName, "[Properties]\r\nSplash=0\r\n");
    ASSERT_TRUE(run());
    EXPECT_FALSE(observer.splashShown);
    EXPECT_EQ(observer.gauge, QList<int>({1, 4, 4, 5}));
}

TEST_F(StartupTest, SecondInstanceIsRefusedWhileTheFirstRuns) {
    auto first = std::make_unique<Startup>(options, observer);
    ASSERT_TRUE(run(*first));

    shown.clear();
    modulesCreated = false;
    EXPECT_FALSE(run());
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Information);
    EXPECT_EQ(shown.shown()[0].text, QString::fromUtf8("Mantivo Zadovada est déjà en exécution."));
    EXPECT_FALSE(modulesCreated);

    // Once the first copy has ended, the program starts again.
    first.reset();
    shown.clear();
    EXPECT_TRUE(run());
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(StartupTest, MissingShippedDatabaseEndsAfterTheInstallationMessage) {
    options.programDir = temp.file("empty-program/");
    QDir().mkpath(options.programDir);
    EXPECT_FALSE(run());
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_TRUE(shown.shown()[0].text.startsWith(
        QString::fromUtf8("EXECUTION IMPOSSIBLE !!\r\rCertains composants")));
    EXPECT_FALSE(modulesCreated);
    EXPECT_FALSE(globals().startupOk);
    EXPECT_FALSE(observer.splashShown);
}

TEST_F(StartupTest, UnwritableDataFolderEndsWithTheWriteTestMessage) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: folder permissions do not stop writes";
    prepareDatabase(ProductVersion);
    QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::ExeOwner);
    const bool started = run();
    QFile::setPermissions(dataDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_FALSE(started);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(shown.shown()[0].text,
              QString::fromUtf8(
                  "MANTIVO ZADOVADA 1.34 : EXECUTION IMPOSSIBLE\r\rPour utiliser ce logiciel vous devez :"
                  "\r\r  - Soit avoir un compte administrateur\r  - Soit avoir des droits en écriture sur "
                  "le répertoire : ") +
                  dataDir() + "\r\r");
    EXPECT_FALSE(modulesCreated);
}

TEST_F(StartupTest, OlderVersionRecordFetchesTheUpdateScriptWhichIsLeftInPlace) {
    options.programDir = programWithScript();
    prepareDatabase(QString()); // no record: reads as "0"
    writeFile(dataDir() + "BD_120.MAJ", "-- older script\r\n");

    Startup startup(options, observer);
    ASSERT_TRUE(run(startup));
    EXPECT_EQ(readFile(dataDir() + UpdateScriptName()), "-- script\r\n");
    EXPECT_TRUE(QFileInfo::exists(dataDir() + "BD_120.MAJ"));
    EXPECT_EQ(db::GetDatabaseVersion(mainConnection()), "0");

    ASSERT_EQ(startup.warnings().size(), 1);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(shown.shown()[0].text, startup.warnings()[0]);
    EXPECT_TRUE(startup.warnings()[0].contains("BD_120.MAJ\rBD_134.maj"));
}

TEST_F(StartupTest, NewerDatabaseIsNeitherStampedDownNorGivenOlderScripts) {
    options.programDir = programWithScript();
    prepareDatabase("1.40");

    Startup startup(options, observer);
    ASSERT_TRUE(run(startup));
    EXPECT_EQ(db::GetDatabaseVersion(mainConnection()), "1.40");
    EXPECT_FALSE(QFileInfo::exists(dataDir() + UpdateScriptName()));
    ASSERT_EQ(startup.warnings().size(), 1);
    EXPECT_TRUE(startup.warnings()[0].contains("1.40"));
    EXPECT_EQ(shown.shown().size(), 1u);
}

TEST_F(StartupTest, FormerFormatDatabaseIsLeftUntouched) {
    QByteArray jet(4096, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    writeFile(databaseFile(), jet);

    EXPECT_FALSE(run());
    EXPECT_EQ(readFile(databaseFile()), jet);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Error);
    EXPECT_TRUE(shown.shown()[0].text.contains("ancien format"));
    EXPECT_TRUE(shown.shown()[0].text.contains(QString::fromUtf8("version ultérieure")));
    EXPECT_FALSE(modulesCreated);
}

TEST_F(StartupTest, ConnectionFailuresShowTheirTextThenTheStartupFailure) {
    // The database file is not a database.
    writeFile(databaseFile(), QByteArray(4096, 'x'));
    EXPECT_FALSE(run());
    ASSERT_EQ(shown.shown().size(), 2u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Plain);
    EXPECT_TRUE(shown.shown()[0].text.contains(databaseFile()));
    EXPECT_EQ(shown.shown()[1].text, connectionFailure);
    EXPECT_FALSE(modulesCreated);

    // The data modules fail.
    shown.clear();
    testsupport::copyShippedDatabase(databaseFile());
    modulesError = "Erreur des modules";
    EXPECT_FALSE(run());
    EXPECT_EQ(shown.texts(), QStringList({"Erreur des modules", connectionFailure}));
    EXPECT_FALSE(globals().startupOk);

    // Nothing could be copied where the database belongs.
    shown.clear();
    modulesError.clear();
    modulesCreated = false;
    mainConnection().close();
    QFile::remove(databaseFile());
    QDir().mkpath(databaseFile());
    EXPECT_FALSE(run());
    EXPECT_EQ(shown.texts(), QStringList({connectionFailure}));
    EXPECT_FALSE(modulesCreated);
}

TEST(EngineCheck, OlderEngineLibraryIsRefusedNamingBothVersions) {
    EXPECT_TRUE(EngineVersionProblem(db::SqliteConnection::engineVersionNumber(),
                                     db::SqliteConnection::engineVersion())
                    .isEmpty());
    EXPECT_TRUE(EngineVersionProblem(db::SqliteConnection::MinimumEngineVersion, "3.35.0").isEmpty());
    const QString text = EngineVersionProblem(3031001, "3.31.1");
    EXPECT_TRUE(text.contains("3.31.1"));
    EXPECT_TRUE(text.contains(db::SqliteConnection::minimumEngineVersionText()));
}
