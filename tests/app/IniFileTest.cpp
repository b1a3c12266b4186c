#include "app/IniFile.h"
#include "app/AppError.h"

#include <QFile>
#include <unistd.h>

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using app::IniFile;

namespace {

// As the Windows program leaves it: Windows-1252, CR LF, a comment, stray lines, spaces around "=",
// a section written twice in another case.
const QByteArray windowsFile = "; r\xE9glages\r\n"
                               "ligne sans signe\r\n"
                               "[Properties]\r\n"
                               "Splash = 0 \r\n"
                               "Name=Soci\xE9t\xE9 G\xE9n\xE9rale ; #1 \\ fin\r\n"
                               "Quoted=\"  deux espaces  \"\r\n"
                               "=sans cl\xE9\r\n"
                               "\r\n"
                               "[properties]\r\n"
                               "SPLASH=1\r\n"
                               "Extra=x\r\n"
                               "\r\n"
                               "[SMTP]\r\n"
                               "Host=smtp.exemple.fr\r\n"
                               "\xE0 garder tel quel\r\n";

} // namespace

TEST(IniFile, ReadsAWindowsFileAsTheProfileFunctionsDo) {
    testsupport::TempFolder dir;
    testsupport::writeFile(dir.file("a.ini"), windowsFile);
    const IniFile ini(dir.file("a.ini"));

    EXPECT_EQ(ini.value("PROPERTIES", "splash"), "0"); // first match wins, names ignore case
    EXPECT_EQ(ini.value("Properties", "Name"), QString::fromUtf8("Société Générale ; #1 \\ fin"));
    EXPECT_EQ(ini.value("Properties", "Quoted"), "  deux espaces  ");
    EXPECT_EQ(ini.value("properties", "Extra"), "x");
    EXPECT_EQ(ini.value("SMTP", "Port", "25"), "25");
    EXPECT_EQ(ini.value("Autre", "Splash", "d"), "d");
    EXPECT_EQ(ini.intValue("Properties", "Splash", 7), 0);
    EXPECT_EQ(ini.intValue("Properties", "Name", 7), 7);
    EXPECT_FALSE(ini.boolValue("Properties", "Splash", true));
    EXPECT_EQ(ini.keys("PROPERTIES"), QStringList({"Splash", "Name", "Quoted", "Extra"}));
    EXPECT_EQ(ini.sections(), QStringList({"Properties", "SMTP"}));

    // Saved untouched, the file comes back byte for byte.
    ini.save(dir.file("b.ini"));
    EXPECT_EQ(testsupport::readFile(dir.file("b.ini")), windowsFile);
}

TEST(IniFile, EditsKeepTheFileOrderAndItsForeignLines) {
    IniFile ini;
    ini.parse(QString::fromLatin1(windowsFile));
    ini.setValue("SMTP", "Port", "587");                      // added at the end of its section
    ini.setValue("properties", "Name", "Durand");             // replaced where it stands
    ini.setValue("Properties", "Quoted", "  deux espaces  "); // unchanged value: line left as it was
    ini.setInt("Nouvelle", "Cle", -3);                        // new section at the end
    EXPECT_TRUE(ini.remove("PROPERTIES", "splash"));          // both copies go
    EXPECT_FALSE(ini.remove("Properties", "Absente"));

    const QString expected = QString::fromLatin1("; r\xE9glages\r\n"
                                                 "ligne sans signe\r\n"
                                                 "[Properties]\r\n"
                                                 "Name=Durand\r\n"
                                                 "Quoted=\"  deux espaces  \"\r\n"
                                                 "=sans cl\xE9\r\n"
                                                 "\r\n"
                                                 "[properties]\r\n"
                                                 "Extra=x\r\n"
                                                 "\r\n"
                                                 "[SMTP]\r\n"
                                                 "Host=smtp.exemple.fr\r\n"
                                                 "\xE0 garder tel quel\r\n"
                                                 "Port=587\r\n"
                                                 "\r\n"
                                                 "[Nouvelle]\r\n"
                                                 "Cle=-3\r\n");
    EXPECT_EQ(ini.text(), expected);
    EXPECT_EQ(ini.value("Properties", "Splash", "absent"), "absent");
}

TEST(IniFile, ValuesComeBackAsTheyWereSet) {
    testsupport::TempFolder dir;
    IniFile ini;
    const QStringList values = {" espace devant", "\"entre guillemets\"", "'a'", "#;\\", "", "été"};
    for (int i = 0; i < values.size(); ++i)
        ini.setValue("S", QStringLiteral("K%1").arg(i), values[i]);
    // A line break cannot smuggle a key or a section into the file.
    ini.setValue("S", "Injected", "a\r\n[Other]\r\nKey=1");
    ini.save(dir.file("v.ini"));

    const IniFile again(dir.file("v.ini"));
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(again.value("S", QStringLiteral("K%1").arg(i), "default"), values[i]) << i;
    EXPECT_FALSE(again.containsSection("Other"));
    EXPECT_FALSE(again.contains("Other", "Key"));
    EXPECT_TRUE(testsupport::readFile(dir.file("v.ini")).contains("K5=\xE9t\xE9\r\n"));
}

TEST(IniFile, ReadsLineFeedAndUtf8FilesAndSavesThemAsWindowsText) {
    testsupport::TempFolder dir;
    testsupport::writeFile(dir.file("u.ini"), "[Path]\nAppDataDir=/home/zoé/données\n");
    IniFile ini(dir.file("u.ini"));
    EXPECT_EQ(ini.value("path", "appdatadir"), QString::fromUtf8("/home/zoé/données"));
    ini.save(dir.file("u.ini"));
    EXPECT_EQ(testsupport::readFile(dir.file("u.ini")),
              QByteArray("[Path]\r\nAppDataDir=/home/zo\xE9/donn\xE9"
                         "es\r\n"));

    const IniFile missing(dir.file("absent.ini"));
    EXPECT_EQ(missing.value("Path", "AppDataDir", "d"), "d");
    EXPECT_TRUE(missing.text().isEmpty());
}

TEST(IniFile, AFileThatCannotBeReadIsNeverWrittenOver) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file: the unreadable case cannot be made here";
    testsupport::TempFolder dir;
    const QString path = dir.file("contrats.ini");
    testsupport::writeFile(path, "[AutoCalc]\r\nCodeCount#3=41\r\n");
    QFile(path).setPermissions(QFileDevice::Permissions());
    IniFile ini(path);
    EXPECT_EQ(ini.intValue("AutoCalc", "CodeCount#3", 1), 1);
    ini.setValue("Windows", "Left", "10");
    EXPECT_THROW(ini.save(path), app::AppError);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(testsupport::readFile(path), QByteArray("[AutoCalc]\r\nCodeCount#3=41\r\n"));
    ini.save(dir.file("other.ini")); // another file may be written
}
