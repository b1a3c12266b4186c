#include "cli/CliRun.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using clitest::outputLines;
using clitest::runCli;
using testsupport::TempFolder;

TEST(InitCommand, FreshDataFolderGetsTheShippedDatabaseAndPrintsWhereItIs) {
    TempFolder temp;
    const QString dataDir = temp.path() + QStringLiteral("données");
    const auto result = runCli(dataDir, {QStringLiteral("init")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString folder = dataDir + QLatin1Char('/');
    EXPECT_EQ(outputLines(result),
              (QStringList{QStringLiteral("data folder: ") + folder,
                           QStringLiteral("database folder: ") + folder + QStringLiteral("Data/"),
                           QStringLiteral("database file: ") + clitest::databaseFile(folder),
                           QStringLiteral("database version: 1.34")}));
    EXPECT_TRUE(QFileInfo::exists(clitest::databaseFile(folder)));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("db.ini")));

    // A second start finds everything in place and says the same.
    const auto again = runCli(dataDir, {QStringLiteral("init")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, result.out);
}

TEST(InitCommand, WithoutDataDirTheProgramsOwnDataFolderIsUsed) {
    TempFolder home;
    const QString documents = home.path() + QStringLiteral("Documents");
    QDir().mkpath(documents);
    const auto result = testsupport::runProgram(
        QStringLiteral("contrats-cli"), {QStringLiteral("init")},
        {QStringLiteral("HOME=") + home.path(),
         QStringLiteral("XDG_CONFIG_HOME=") + home.path() + QStringLiteral(".config")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = outputLines(result);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("data folder: ") + documents + QLatin1Char('/')))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("/Mantivo Zadovada/"))) << lines[0].toStdString();
}

TEST(InitCommand, StartUpFailureExitsWithOneAndTheMessageOnStderr) {
    TempFolder temp;
    testsupport::writeFile(clitest::databaseFile(temp.path()),
                           QByteArray("ceci n'est pas une base", 23).repeated(200));
    const auto result = runCli(temp.path(), {QStringLiteral("init")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("EXECUTION IMPOSSIBLE"))) << result.err.toStdString();
}

TEST(InitCommand, WrongUseExitsWithTwoAndShowsTheUsage) {
    TempFolder temp;
    for (const QStringList& args : {QStringList{QStringLiteral("init"), QStringLiteral("extra")},
                                    QStringList{QStringLiteral("no-such-command")}, QStringList{}}) {
        const auto result = runCli(temp.path(), args);
        EXPECT_EQ(result.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
}
