#pragma once

#include <QString>

namespace app {

inline const QString DatabaseIniName = QStringLiteral("db.ini");
inline const QString DefaultDataSourceName = QStringLiteral("MANTIVO_CONTRACT");

// What db.ini says about the database, and what follows from it. Paths use "/" and folders end with it.
struct DatabaseConfig {
    // As read from db.ini (relative file paths with "/").
    QString provider;      // [DataBase] Provider: "OLEDB" or "ODBC"
    QString databasePath;  // [DataBase] Path as written
    QString odbcName;      // [ODBC] Name
    QString odbcDriver;    // [ODBC] Driver
    QString odbcPath;      // [ODBC] Path, relative to databaseDir
    QString oledbProvider; // [OLEDB] Provider
    QString oledbFileName; // [OLEDB] FileName, relative to databaseDir
    QString backupPath;    // [Backup] Path; empty when not set
    // Derived.
    QString dataDir;          // the folder that holds db.ini
    QString databaseDir;      // DataDir + "Data/" for the default path, else the path itself
    QString connectionString; // the text db.ini selects; empty for an unknown provider

    bool odbcMode() const;
    bool oledbMode() const;
    // The database file relative to databaseDir in the configured mode.
    QString relativeDatabaseFile() const;
    // The file the program opens.
    QString databaseFile() const;
    // The file whose presence means that the database exists (the OLE DB file name in both modes).
    QString existenceFile() const;
    // The backup folder a dialog shows by default: Backup/Path, else DataDir + "Backup/Data".
    QString backupFolder() const;
};

DatabaseConfig& databaseConfig();

// Reads db.ini in the data folder (fetching a shipped copy first), writes the seven keys of a new one,
// and derives the database folder, file and connection string. The defaults are the database subfolder
// ("Data\"), the data source name, the file name and its subfolder ("Access\").
void LoadDatabaseSettings(const QString& dataDir, const QString& defaultSubfolder = QStringLiteral("Data\\"),
                          const QString& defaultDataSource = DefaultDataSourceName,
                          const QString& defaultFileName = QStringLiteral("CONTRACT.MDB"),
                          const QString& defaultFileFolder = QStringLiteral("Access\\"));

// The existence test used by start-up, the dossier list and the first-run transfer.
bool DatabaseExists();

// Opens app::mainConnection() on the database file. Does nothing when the database does not exist. On
// failure shows the engine's text in a plain message, clears globals().startupOk and returns false.
bool OpenMainConnection();

// Stores the backup folder as [Backup] Path of db.ini (the properties dialog's folder).
void SaveBackupPath(const QString& folder);

// The connection-string templates, with their place-holders replaced.
QString OdbcConnectionString(const QString& dataSourceName);
QString OledbConnectionString(const QString& provider, const QString& databaseFile);

} // namespace app
