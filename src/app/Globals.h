#pragma once

#include <QString>

namespace app {

inline const QString ProductName = QStringLiteral("Mantivo Zadovada");
inline const QString ProductVersion = QStringLiteral("1.34");
inline const QString SupportEmail = QStringLiteral("support@carvello-software.fr");
inline const QString WebAddress = QStringLiteral("http://www.carvello-software.fr");

// "BD_" + the version's digits + ".maj".
QString UpdateScriptName();

// The settings file shared by the program and the command-line tool.
inline const QString SettingsFileName = QStringLiteral("contrats.ini");

// Process-wide values set by start-up. Folder paths always end with "/".
struct Globals {
    QString programDir;  // shipped resources
    QString installDir;  // copy of programDir
    QString dataDir;     // user data
    QString reportsDir, statDir, queryDir;
    QString helpFile;
    int currentDossierId = 0; // -1 once the main window exists and no dossier is open
    bool startupOk = false;
};

Globals& globals();

// Adds a trailing "/" when missing; converts "\" to "/".
QString withSlash(const QString& folder);

} // namespace app
