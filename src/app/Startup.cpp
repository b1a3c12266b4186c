#include "app/Startup.h"

#include "app/AppError.h"
#include "app/DataFolders.h"
#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "db/VersionRecord.h"
#include "db/engine/EngineErrors.h"
#include "db/engine/SqliteConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace app {

namespace {

const QString LockName = QStringLiteral("MANTIVO_CONTRACT.lock");
const QString LoadingMessage = QStringLiteral("Chargement du logiciel ...");

QString connectionFailureText() {
    return QStringLiteral(
               "EXECUTION IMPOSSIBLE !!\r\rCe logiciel a rencontré un problème lors de la connexion à la "
               "base de données.\rContactez le support par email pour tenter de trouver une solution : ") +
           SupportEmail;
}

QString writeFailureText(const QString& dataDir) {
    return ProductName.toUpper() + QLatin1Char(' ') + ProductVersion +
           QStringLiteral(" : EXECUTION IMPOSSIBLE\r\rPour utiliser ce logiciel vous devez :\r\r"
                          "  - Soit avoir un compte administrateur\r"
                          "  - Soit avoir des droits en écriture sur le répertoire : ") +
           dataDir + QStringLiteral("\r\r");
}

QString formerFormatText(const QString& path) {
    return QStringLiteral(
               "Le fichier « %1 » est une base de données de l'ancien format.\r"
               "Elle sera importée par une version ultérieure du logiciel ; elle n'a pas été modifiée.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

db::SqliteConnection& mainConnection() {
    static db::SqliteConnection connection;
    return connection;
}

QString locateProgramDir() {
    const QString executableDir = withSlash(QCoreApplication::applicationDirPath());
    if (QFileInfo(executableDir + QStringLiteral("Ressources")).isDir())
        return executableDir;
    return withSlash(QDir::cleanPath(executableDir + QStringLiteral("../share/contrats")));
}

QString EngineVersionProblem(int versionNumber, const QString& versionText) {
    if (versionNumber >= db::SqliteConnection::MinimumEngineVersion)
        return QString();
    return QStringLiteral(
               "EXECUTION IMPOSSIBLE !!\r\rLa bibliothèque SQLite installée (version %1) est trop "
               "ancienne : ce logiciel demande au moins la version %2.\rInstallez une version plus "
               "récente de SQLite.")
        .arg(versionText, db::SqliteConnection::minimumEngineVersionText());
}

Startup::Startup(StartupOptions options, StartupObserver& observer)
    : m_options(std::move(options)), m_observer(observer) {}

Startup::~Startup() = default;

bool Startup::run(const std::function<void(db::SqliteConnection&)>& createDataModules) {
    Globals& g = globals();
    m_warnings.clear();

    // 1. Names and folders: the shipped resources are found from the executable, not the working folder.
    const QString programDir = m_options.programDir.isEmpty()
                                   ? locateProgramDir()
                                   : withSlash(QDir(m_options.programDir).absolutePath());
    g.programDir = programDir;
    g.installDir = programDir;
    g.dataDir = programDir;
    g.reportsDir = programDir + QStringLiteral("Reports/");
    g.statDir = programDir + QStringLiteral("Stat/");
    g.queryDir = programDir + QStringLiteral("Query/");
    g.helpFile = programDir + QStringLiteral("doc.chm");
    g.currentDossierId = 0;
    g.startupOk = false;

    // 2. Single instance.
    if (m_options.singleInstance && !takeInstanceLock())
        return false;

    // 3 to 5. Data folders, db.ini, first-run transfer.
    ResolveDataFolder(m_options.dataDirOverride, m_options.documentsFolder);
    LoadDatabaseSettings(g.dataDir);
    g.startupOk = TransferInitialData(SettingsFileName, &m_observer);
    if (!g.startupOk)
        return false;

    // 6 and 7. Write test, settings.
    if (!writeTest())
        return false;
    LoadSettings();

    // 8. The engine library must be recent enough for the database.
    if (!checkEngine())
        return false;

    // 9. Splash: its steps run whether or not it is shown.
    if (settings().splash)
        m_observer.showSplash();
    m_observer.setSplashGauge(1);
    m_observer.setSplashMessage(QStringLiteral("Initialisation de la base de données ..."));
    m_observer.processEvents();
    m_observer.setSplashMessage(LoadingMessage);
    m_observer.processEvents();
    m_observer.setSplashGauge(4);

    // 10 and 11. Connection and data modules.
    if (!openDatabase(createDataModules))
        return false;

    // 12. Version record.
    checkDatabaseVersion();

    // 13, up to the main window, which the front end creates.
    m_observer.setSplashMessage(LoadingMessage);
    m_observer.processEvents();
    m_observer.setSplashGauge(4);
    m_observer.setSplashGauge(5);
    return true;
}

bool Startup::takeInstanceLock() {
    m_lock = std::make_unique<QLockFile>(QDir::tempPath() + QLatin1Char('/') + LockName);
    // Held for the life of the process; a lock left by a process that ended is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    const bool heldByAnother = m_lock->error() == QLockFile::LockFailedError;
    m_lock.reset();
    if (!heldByAnother)
        return true; // a temporary folder without rights must not keep the program from starting
    dialogs().message(MessageKind::Information, ProductName + QStringLiteral(" est déjà en exécution."));
    return false;
}

bool Startup::writeTest() {
    const QString path = globals().dataDir + QStringLiteral("write.tmp");
    bool written = true;
    try {
        WriteTextFile(path, QStringLiteral("admin"));
    } catch (const AppError&) {
        written = false;
    }
    QFile::remove(path);
    if (!written)
        dialogs().message(MessageKind::Error, writeFailureText(globals().dataDir));
    return written;
}

bool Startup::checkEngine() {
    const QString problem = EngineVersionProblem(db::SqliteConnection::engineVersionNumber(),
                                                 db::SqliteConnection::engineVersion());
    if (problem.isEmpty())
        return true;
    dialogs().message(MessageKind::Error, problem);
    return false;
}

bool Startup::openDatabase(const std::function<void(db::SqliteConnection&)>& createDataModules) {
    Globals& g = globals();
    const DatabaseConfig& config = databaseConfig();

    // A database of the former format is left exactly as it is, for a later version to import.
    for (const QString& path : {config.existenceFile(), config.databaseFile()}) {
        if (db::isFormerFormatDatabase(path)) {
            dialogs().message(MessageKind::Error, formerFormatText(path));
            g.startupOk = false;
            return false;
        }
    }

    // The first-run transfer may have failed to copy the database without saying so.
    if (!DatabaseExists()) {
        g.startupOk = false;
    } else if (OpenMainConnection() && createDataModules) {
        try {
            createDataModules(mainConnection());
        } catch (const AppError& error) {
            dialogs().message(MessageKind::Plain, error.text());
            g.startupOk = false;
        }
    }

    if (!g.startupOk) {
        dialogs().message(MessageKind::Error, connectionFailureText());
        return false;
    }
    return true;
}

void Startup::checkDatabaseVersion() {
    db::SqliteConnection& connection = mainConnection();
    const QString version = db::GetDatabaseVersion(connection);
    if (version != ProductVersion) {
        if (db::VersionNumber(version) > db::VersionNumber(ProductVersion)) {
            // Never stamped down, nor given the scripts of an older version.
            const QString text =
                QStringLiteral("La base de données est en version %1, plus récente que ce logiciel "
                               "(version %2).\rInstallez la dernière version du logiciel ; la base "
                               "de données n'a pas été modifiée.")
                    .arg(version, ProductVersion);
            m_warnings << text;
            dialogs().message(MessageKind::Warning, text);
        } else {
            FetchIfMissing(UpdateScriptName());
        }
    }

    // Running update scripts comes with a later version: the scripts wait where they are, and the
    // version record stays as it is so that they still apply then.
    const QStringList scripts = ListFiles(globals().dataDir, QStringLiteral("*.maj"));
    if (scripts.isEmpty())
        return;
    const QString text =
        QStringLiteral("Mise à jour de la base de données en attente :\r") + scripts.join(QLatin1Char('\r')) +
        QStringLiteral(
            "\r\rCette version du logiciel n'exécute pas encore les scripts de mise à jour : ils restent "
            "dans le répertoire %1 et la base de données n'a pas été modifiée.")
            .arg(QDir::toNativeSeparators(globals().dataDir));
    m_warnings << text;
    dialogs().message(MessageKind::Warning, text);
}

} // namespace app
