#include "app/DatabaseConfig.h"

#include "app/AppError.h"
#include "app/DataFolders.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/Startup.h"
#include "app/UserDialogs.h"
#include "db/engine/SqliteConnection.h"

#include <QFileInfo>

namespace app {

namespace {

QString slashes(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

// The folder of the database as db.ini gives it: "Data\" is the data folder's own subfolder, any other
// folder is taken as it is (relative to the data folder, which holds db.ini).
QString deriveDatabaseDir(const QString& written, const QString& dataDir, const QString& defaultSubfolder) {
    const QString standard = dataDir + withSlash(defaultSubfolder);
    QString path = written.trimmed();
    if (path.isEmpty() || slashes(path) == withSlash(defaultSubfolder))
        return standard;
    if (IsWindowsPath(path)) {
        dialogs().message(
            MessageKind::Warning,
            QStringLiteral("Le dossier de la base de données « %1 » indiqué dans db.ini est un chemin "
                           "Windows, inutilisable ici.\rLe dossier par défaut est utilisé : %2")
                .arg(path, standard));
        return standard;
    }
    return FolderFromSetting(path, dataDir);
}

} // namespace

bool DatabaseConfig::odbcMode() const {
    return provider.compare(QLatin1String("ODBC"), Qt::CaseInsensitive) == 0;
}

bool DatabaseConfig::oledbMode() const {
    return provider.compare(QLatin1String("OLEDB"), Qt::CaseInsensitive) == 0;
}

QString DatabaseConfig::relativeDatabaseFile() const {
    return odbcMode() ? odbcPath : oledbFileName;
}

QString DatabaseConfig::databaseFile() const {
    return databaseDir + relativeDatabaseFile();
}

QString DatabaseConfig::existenceFile() const {
    return databaseDir + oledbFileName;
}

QString DatabaseConfig::backupFolder() const {
    if (!backupPath.trimmed().isEmpty())
        return FolderFromSetting(backupPath, dataDir);
    return dataDir + QStringLiteral("Backup/Data/");
}

DatabaseConfig& databaseConfig() {
    static DatabaseConfig instance;
    return instance;
}

QString OdbcConnectionString(const QString& dataSourceName) {
    QString text = QStringLiteral(
        "Provider=MSDASQL.1;Data Source=%DATASOURCE%;Persist Security Info=True;Mode=ReadWrite");
    return text.replace(QStringLiteral("%DATASOURCE%"), dataSourceName);
}

QString OledbConnectionString(const QString& provider, const QString& databaseFile) {
    QString text = QStringLiteral("Provider=%PROVIDER%;Data Source=%DATASOURCE%;Mode=ReadWrite;Jet "
                                  "OLEDB:Engine Type=5;Jet OLEDB:Database "
                                  "Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk "
                                  "Transactions=1;Jet OLEDB:Create "
                                  "System Database=False;Jet OLEDB:Encrypt Database=False;Jet OLEDB:Don't "
                                  "Copy Locale on Compact=False;Jet "
                                  "OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False");
    text.replace(QStringLiteral("%PROVIDER%"), provider);
    return text.replace(QStringLiteral("%DATASOURCE%"), databaseFile);
}

void LoadDatabaseSettings(const QString& dataDir, const QString& defaultSubfolder,
                          const QString& defaultDataSource, const QString& defaultFileName,
                          const QString& defaultFileFolder) {
    DatabaseConfig config;
    config.dataDir = withSlash(dataDir);
    // FetchIfMissing fills the program's data folder; another folder only gets what it already holds.
    if (config.dataDir == globals().dataDir)
        FetchIfMissing(DatabaseIniName);
    const QString iniPath = config.dataDir + DatabaseIniName;
    IniFile ini(iniPath);

    const QString database = QStringLiteral("DataBase"), odbc = QStringLiteral("ODBC"),
                  oledb = QStringLiteral("OLEDB");
    config.provider = ini.value(database, QStringLiteral("Provider"), QStringLiteral("OLEDB"));
    config.databasePath = ini.value(database, QStringLiteral("Path"), defaultSubfolder);
    config.odbcName = ini.value(odbc, QStringLiteral("Name"), defaultDataSource);
    config.odbcDriver =
        ini.value(odbc, QStringLiteral("Driver"), QStringLiteral("Microsoft Access Driver (*.mdb)"));
    const QString odbcPath = ini.value(odbc, QStringLiteral("Path"), defaultFileFolder + defaultFileName);
    config.oledbProvider =
        ini.value(oledb, QStringLiteral("Provider"), QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    const QString oledbFile =
        ini.value(oledb, QStringLiteral("FileName"), defaultFileFolder + defaultFileName);

    if (!QFileInfo::exists(iniPath)) {
        ini.setValue(database, QStringLiteral("Provider"), config.provider);
        ini.setValue(database, QStringLiteral("Path"), config.databasePath);
        ini.setValue(odbc, QStringLiteral("Name"), config.odbcName);
        ini.setValue(odbc, QStringLiteral("Driver"), config.odbcDriver);
        ini.setValue(odbc, QStringLiteral("Path"), odbcPath);
        ini.setValue(oledb, QStringLiteral("Provider"), config.oledbProvider);
        ini.setValue(oledb, QStringLiteral("FileName"), oledbFile);
        try {
            ini.save(iniPath);
        } catch (const AppError&) {
            // A data folder that cannot be written is reported by the write test of start-up.
        }
    }
    config.backupPath = ini.value(QStringLiteral("Backup"), QStringLiteral("Path"));

    config.odbcPath = slashes(odbcPath);
    config.oledbFileName = slashes(oledbFile);
    config.databaseDir = deriveDatabaseDir(config.databasePath, config.dataDir, defaultSubfolder);
    if (config.odbcMode())
        config.connectionString = OdbcConnectionString(config.odbcName);
    else if (config.oledbMode())
        config.connectionString =
            OledbConnectionString(config.oledbProvider, config.databaseDir + config.oledbFileName);
    // Data sources are registered by the Windows ODBC installer only: the file is opened directly here.
    databaseConfig() = config;
}

bool DatabaseExists() {
    return QFileInfo(databaseConfig().existenceFile()).isFile();
}

bool OpenMainConnection() {
    const DatabaseConfig& config = databaseConfig();
    if (!DatabaseExists())
        return false;
    db::SqliteConnection& connection = mainConnection();
    connection.close();
    try {
        if (config.connectionString.isEmpty())
            throw AppError(QStringLiteral("Le mode d'accès « %1 » indiqué dans db.ini est inconnu : "
                                          "utilisez OLEDB ou ODBC.")
                               .arg(config.provider));
        connection.open(config.databaseFile());
    } catch (const AppError& error) {
        dialogs().message(MessageKind::Plain, error.text());
        globals().startupOk = false;
        return false;
    }
    return true;
}

void SaveBackupPath(const QString& folder) {
    DatabaseConfig& config = databaseConfig();
    const QString iniPath = config.dataDir + DatabaseIniName;
    IniFile ini(iniPath);
    ini.setValue(QStringLiteral("Backup"), QStringLiteral("Path"), folder);
    ini.save(iniPath);
    config.backupPath = folder;
}

} // namespace app
