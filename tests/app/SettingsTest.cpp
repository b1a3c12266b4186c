#include "app/Settings.h"

#include "app/Globals.h"
#include "app/IniFile.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace app;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        globals() = Globals{};
        globals().dataDir = temp.path();
        globals().currentDossierId = -1;
        settings() = Settings{};
    }
    QString file() const { return temp.file("contrats.ini"); }

    testsupport::TempFolder temp;
};

Settings everythingChanged() {
    Settings s;
    s.showCopyRight = false;
    s.firstLaunch = false;
    s.testMdac = true;
    s.hideBigFontMsg = true;
    s.splash = false;
    s.sortDocId = 3;
    s.showCalendar = true;
    s.autoCalcCode = true;
    s.codePrefix = QString::fromUtf8("Pré-");
    s.codeSufix = "/B";
    s.formatCodeCount = 4;
    s.left = 10;
    s.top = 20;
    s.width = 800;
    s.height = 600;
    s.state = "wsMaximized";
    s.style = true;
    s.twainSource = "SANE test";
    s.showTwainUI = true;
    s.maxWidth = 2000;
    s.jpegQuality = 80;
    s.alarm = true;
    s.smtpName = QString::fromUtf8("Zoé Durand");
    s.smtpEmail = "zoe@example.fr";
    s.smtpHost = "smtp.example.fr";
    s.smtpPort = 587;
    return s;
}

} // namespace

TEST_F(SettingsTest, MissingFileGivesTheDefaultsAndSavingCreatesIt) {
    settings() = everythingChanged();
    LoadSettings();
    Settings expected;
    // Without an open dossier the numbering variables keep their values.
    expected.autoCalcCode = true;
    expected.codePrefix = QString::fromUtf8("Pré-");
    expected.codeSufix = "/B";
    expected.formatCodeCount = 4;
    EXPECT_EQ(settings(), expected);
    EXPECT_FALSE(QFileInfo::exists(file()));

    SaveSettings();
    const QByteArray saved = readFile(file());
    EXPECT_TRUE(saved.startsWith("[Properties]\r\nShowCopyRight=1\r\nFirstLaunch=1\r\nTestMdac=0\r\n"));
    EXPECT_TRUE(
        saved.contains("[Windows]\r\nLeft=-1\r\nTop=-1\r\nWidth=-1\r\nHeight=-1\r\nState=\r\nStyle=0\r\n"));
    EXPECT_TRUE(saved.contains("[SMTP]\r\nName=\r\nEmail=\r\nHost=\r\nPort=25\r\n"));
    EXPECT_FALSE(saved.contains("AutoCalc")); // no dossier open
}

TEST_F(SettingsTest, SavedSettingsLoadBackAndForeignLinesStay) {
    writeFile(file(), "; notes\r\n[Properties]\r\nSplash=1\r\nMine=ok\r\nligne \xE0 "
                      "garder\r\n[AutoCalc]\r\nCodeCount#2=41\r\n");
    globals().currentDossierId = 2;
    settings() = everythingChanged();
    settings().codeCount = 99; // the counter is written by the numbering only
    SaveSettings();

    const QByteArray saved = readFile(file());
    EXPECT_TRUE(saved.startsWith(
        "; notes\r\n[Properties]\r\nSplash=0\r\nMine=ok\r\nligne \xE0 garder\r\nShowCopyRight=0\r\n"));
    EXPECT_TRUE(saved.contains("CodePrefix#2=Pr\xE9-\r\n"));
    EXPECT_TRUE(saved.contains("CodeCount#2=41\r\n"));

    settings() = Settings{};
    LoadSettings();
    Settings expected = everythingChanged();
    expected.codeCount = 41;
    EXPECT_EQ(settings(), expected);
}

TEST_F(SettingsTest, UnreadableValuesGiveTheDefaultsAndLongTextsAreCut) {
    const QByteArray longText(300, 'h');
    writeFile(file(), "[Properties]\r\nSplash=oui\r\nShowCalendar=2\r\nSortDocId=99999999999\r\n"
                      "[Scan]\r\nMaxWidth=12abc\r\nJpegQuality= 75 \r\nTwainSource=" +
                          longText +
                          "\r\n"
                          "[SMTP]\r\nHost=" +
                          longText +
                          "\r\nPort=\r\n"
                          "[Windows]\r\nLeft=-20\r\nState=" +
                          longText + "\r\n");
    LoadSettings();
    const Settings& s = settings();
    EXPECT_TRUE(s.splash);
    EXPECT_TRUE(s.showCalendar); // any non-zero number is true
    EXPECT_EQ(s.sortDocId, 1);
    EXPECT_EQ(s.maxWidth, 5000);
    EXPECT_EQ(s.jpegQuality, 75);
    EXPECT_EQ(s.smtpPort, 25);
    EXPECT_EQ(s.left, -20);
    EXPECT_EQ(s.smtpHost.size(), 255);
    EXPECT_EQ(s.state.size(), 255);
    EXPECT_EQ(s.twainSource.size(), 300);
}

TEST_F(SettingsTest, DossierKeysAreReadForTheOpenDossierAndDeletedWithIt) {
    const QByteArray content =
        "[AutoCalc]\r\n"
        "AutoCalcCode#5=1\r\nCodePrefix#5=C-\r\nCodeSufix#5=-X\r\nFormatCodeCount#5=3\r\nCodeCount#5=12\r\n"
        "AutoCalcCode#15=0\r\nCodePrefix#15=Z\r\n"
        "junk line\r\n";
    writeFile(file(), content);

    globals().currentDossierId = 5;
    LoadSettings();
    EXPECT_TRUE(settings().autoCalcCode);
    EXPECT_EQ(settings().codePrefix, "C-");
    EXPECT_EQ(settings().codeSufix, "-X");
    EXPECT_EQ(settings().formatCodeCount, 3);
    EXPECT_EQ(settings().codeCount, 12);

    // A dossier without keys numbers nothing.
    globals().currentDossierId = 6;
    LoadSettings();
    EXPECT_FALSE(settings().autoCalcCode);
    EXPECT_EQ(settings().codePrefix, "");
    EXPECT_EQ(settings().formatCodeCount, 1);
    EXPECT_EQ(settings().codeCount, 1);

    DeleteDossierSettings(5);
    EXPECT_EQ(readFile(file()), "[AutoCalc]\r\nAutoCalcCode#15=0\r\nCodePrefix#15=Z\r\njunk line\r\n");
    const IniFile ini(file());
    EXPECT_EQ(ini.value("AutoCalc", "CodePrefix#15"), "Z");
}
