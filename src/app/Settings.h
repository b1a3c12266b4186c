#pragma once

#include <QString>

namespace app {

// The user's preferences, kept for the whole process and stored in the settings file of the data folder.
struct Settings {
    // [Properties]
    bool showCopyRight = true;
    bool firstLaunch = true;
    bool testMdac = false;
    bool hideBigFontMsg = false;
    bool splash = true;
    int sortDocId = 1;
    bool showCalendar = false;
    // [AutoCalc], for the open dossier ("AutoCalcCode#" + its Id, ...)
    bool autoCalcCode = false;
    QString codePrefix;
    QString codeSufix;
    int formatCodeCount = 1;
    int codeCount = 1; // read here; written only through WriteCodeCounter
    // [Windows]
    int left = -1;
    int top = -1;
    int width = -1;
    int height = -1;
    QString state; // "wsNormal", "wsMinimized" or "wsMaximized"
    bool style = false;
    // [Scan]
    QString twainSource;
    bool showTwainUI = false;
    int maxWidth = 5000;
    int jpegQuality = 100;
    // [Contract]
    bool alarm = false;
    // [SMTP]
    QString smtpName;
    QString smtpEmail;
    QString smtpHost;
    int smtpPort = 25;

    bool operator==(const Settings&) const = default;
};

Settings& settings();

// DataDir + the settings file name.
QString SettingsFilePath();

// Reads every key into settings(); a missing file or key, or an unreadable number, gives the default.
// The [AutoCalc] keys are read only while a dossier is open (globals().currentDossierId >= 0).
void LoadSettings();

// Writes settings() back, keeping the file's other lines. The [AutoCalc] keys (except the counter) only
// while a dossier is open. Throws AppError when the file cannot be written.
void SaveSettings();

// Removes the five [AutoCalc] keys of a dossier from the settings file.
void DeleteDossierSettings(int dossierId);

// "AutoCalcCode#" + 5 and its siblings.
QString DossierKey(const QString& name, int dossierId);

} // namespace app
