#include "app/Settings.h"

#include "app/Globals.h"
#include "app/IniFile.h"

namespace app {

namespace {

const QString Properties = QStringLiteral("Properties");
const QString AutoCalc = QStringLiteral("AutoCalc");
const QString Windows = QStringLiteral("Windows");
const QString Scan = QStringLiteral("Scan");
const QString Contract = QStringLiteral("Contract");
const QString Smtp = QStringLiteral("SMTP");

// The texts that the settings hold in fixed-size fields.
constexpr int TextLimit = 255;

QString shortText(const IniFile& ini, const QString& section, const QString& key) {
    return ini.value(section, key).left(TextLimit);
}

bool dossierOpen() {
    return globals().currentDossierId >= 0;
}

} // namespace

Settings& settings() {
    static Settings instance;
    return instance;
}

QString SettingsFilePath() {
    return globals().dataDir + SettingsFileName;
}

QString DossierKey(const QString& name, int dossierId) {
    return name + QLatin1Char('#') + QString::number(dossierId);
}

void LoadSettings() {
    const IniFile ini(SettingsFilePath());
    Settings& s = settings();
    const Settings defaults;

    s.showCopyRight = ini.boolValue(Properties, QStringLiteral("ShowCopyRight"), defaults.showCopyRight);
    s.firstLaunch = ini.boolValue(Properties, QStringLiteral("FirstLaunch"), defaults.firstLaunch);
    s.testMdac = ini.boolValue(Properties, QStringLiteral("TestMdac"), defaults.testMdac);
    s.hideBigFontMsg = ini.boolValue(Properties, QStringLiteral("HideBigFontMsg"), defaults.hideBigFontMsg);
    s.splash = ini.boolValue(Properties, QStringLiteral("Splash"), defaults.splash);
    s.sortDocId = ini.intValue(Properties, QStringLiteral("SortDocId"), defaults.sortDocId);
    s.showCalendar = ini.boolValue(Properties, QStringLiteral("ShowCalendar"), defaults.showCalendar);

    const int id = globals().currentDossierId;
    if (dossierOpen()) {
        s.autoCalcCode =
            ini.boolValue(AutoCalc, DossierKey(QStringLiteral("AutoCalcCode"), id), defaults.autoCalcCode);
        s.codePrefix = shortText(ini, AutoCalc, DossierKey(QStringLiteral("CodePrefix"), id));
        s.codeSufix = shortText(ini, AutoCalc, DossierKey(QStringLiteral("CodeSufix"), id));
        s.formatCodeCount = ini.intValue(AutoCalc, DossierKey(QStringLiteral("FormatCodeCount"), id),
                                         defaults.formatCodeCount);
        s.codeCount = ini.intValue(AutoCalc, DossierKey(QStringLiteral("CodeCount"), id), defaults.codeCount);
    }

    s.left = ini.intValue(Windows, QStringLiteral("Left"), defaults.left);
    s.top = ini.intValue(Windows, QStringLiteral("Top"), defaults.top);
    s.width = ini.intValue(Windows, QStringLiteral("Width"), defaults.width);
    s.height = ini.intValue(Windows, QStringLiteral("Height"), defaults.height);
    s.state = shortText(ini, Windows, QStringLiteral("State"));
    s.style = ini.boolValue(Windows, QStringLiteral("Style"), defaults.style);

    s.twainSource = ini.value(Scan, QStringLiteral("TwainSource"));
    s.showTwainUI = ini.boolValue(Scan, QStringLiteral("ShowTwainUI"), defaults.showTwainUI);
    s.maxWidth = ini.intValue(Scan, QStringLiteral("MaxWidth"), defaults.maxWidth);
    s.jpegQuality = ini.intValue(Scan, QStringLiteral("JpegQuality"), defaults.jpegQuality);

    s.alarm = ini.boolValue(Contract, QStringLiteral("Alarm"), defaults.alarm);

    s.smtpName = shortText(ini, Smtp, QStringLiteral("Name"));
    s.smtpEmail = shortText(ini, Smtp, QStringLiteral("Email"));
    s.smtpHost = shortText(ini, Smtp, QStringLiteral("Host"));
    s.smtpPort = ini.intValue(Smtp, QStringLiteral("Port"), defaults.smtpPort);
}

void SaveSettings() {
    // Read again first: the command-line tool and the counter write the same file.
    const QString path = SettingsFilePath();
    IniFile ini(path);
    const Settings& s = settings();

    ini.setBool(Properties, QStringLiteral("ShowCopyRight"), s.showCopyRight);
    ini.setBool(Properties, QStringLiteral("FirstLaunch"), s.firstLaunch);
    ini.setBool(Properties, QStringLiteral("TestMdac"), s.testMdac);
    ini.setBool(Properties, QStringLiteral("HideBigFontMsg"), s.hideBigFontMsg);
    ini.setBool(Properties, QStringLiteral("Splash"), s.splash);
    ini.setInt(Properties, QStringLiteral("SortDocId"), s.sortDocId);
    ini.setBool(Properties, QStringLiteral("ShowCalendar"), s.showCalendar);

    const int id = globals().currentDossierId;
    if (dossierOpen()) {
        ini.setBool(AutoCalc, DossierKey(QStringLiteral("AutoCalcCode"), id), s.autoCalcCode);
        ini.setValue(AutoCalc, DossierKey(QStringLiteral("CodePrefix"), id), s.codePrefix);
        ini.setValue(AutoCalc, DossierKey(QStringLiteral("CodeSufix"), id), s.codeSufix);
        ini.setInt(AutoCalc, DossierKey(QStringLiteral("FormatCodeCount"), id), s.formatCodeCount);
    }

    ini.setInt(Windows, QStringLiteral("Left"), s.left);
    ini.setInt(Windows, QStringLiteral("Top"), s.top);
    ini.setInt(Windows, QStringLiteral("Width"), s.width);
    ini.setInt(Windows, QStringLiteral("Height"), s.height);
    ini.setValue(Windows, QStringLiteral("State"), s.state);
    ini.setBool(Windows, QStringLiteral("Style"), s.style);

    ini.setValue(Scan, QStringLiteral("TwainSource"), s.twainSource);
    ini.setBool(Scan, QStringLiteral("ShowTwainUI"), s.showTwainUI);
    ini.setInt(Scan, QStringLiteral("MaxWidth"), s.maxWidth);
    ini.setInt(Scan, QStringLiteral("JpegQuality"), s.jpegQuality);

    ini.setBool(Contract, QStringLiteral("Alarm"), s.alarm);

    ini.setValue(Smtp, QStringLiteral("Name"), s.smtpName);
    ini.setValue(Smtp, QStringLiteral("Email"), s.smtpEmail);
    ini.setValue(Smtp, QStringLiteral("Host"), s.smtpHost);
    ini.setInt(Smtp, QStringLiteral("Port"), s.smtpPort);

    ini.save(path);
}

void DeleteDossierSettings(int dossierId) {
    const QString path = SettingsFilePath();
    IniFile ini(path);
    bool removed = false;
    for (const char* name : {"AutoCalcCode", "CodePrefix", "CodeSufix", "FormatCodeCount", "CodeCount"})
        removed |= ini.remove(AutoCalc, DossierKey(QLatin1String(name), dossierId));
    if (removed)
        ini.save(path);
}

} // namespace app
