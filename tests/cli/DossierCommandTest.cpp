#include "cli/CliRun.h"

#include <gtest/gtest.h>

using clitest::outputLines;
using clitest::runCli;
using testsupport::TempFolder;

TEST(DossierCommand, AddedDossiersAreListedWithTheirIdsAndWhetherAPasswordIsSet) {
    TempFolder temp;
    const auto empty = runCli(temp.path(), {"dossier", "list"});
    ASSERT_EQ(empty.exitCode, 0) << empty.err.toStdString();
    EXPECT_EQ(outputLines(empty), QStringList{"Id\tNom\tMot de passe"});

    const auto first = runCli(temp.path(), {"dossier", "add", "Maison"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const auto second = runCli(temp.path(), {"dossier", "add", "Société Dupont", "--password", "Secret"});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    const QString firstId = outputLines(first).value(0);
    const QString secondId = outputLines(second).value(0);
    EXPECT_GT(secondId.toInt(), firstId.toInt());
    EXPECT_GT(firstId.toInt(), 0);

    const auto list = runCli(temp.path(), {"dossier", "list"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(outputLines(list), (QStringList{"Id\tNom\tMot de passe", firstId + "\tMaison\tnon",
                                              secondId + "\tSociété Dupont\toui"}));

    const auto stored = runCli(
        temp.path(), {"sql", QStringLiteral("SELECT LoginPassword FROM PROFILES WHERE ID=") + secondId});
    EXPECT_EQ(outputLines(stored).value(1), "Secret") << stored.out.toStdString();
}

TEST(DossierCommand, WrongUseExitsWithTwoAndAddsNothing) {
    TempFolder temp;
    for (const QStringList& args :
         {QStringList{"dossier"}, QStringList{"dossier", "add"}, QStringList{"dossier", "add", ""},
          QStringList{"dossier", "add", "X", "--password"},
          QStringList{"dossier", "add", "X", "--owner", "Y"}, QStringList{"dossier", "list", "extra"},
          QStringList{"dossier", "remove", "1"}}) {
        const auto result = runCli(temp.path(), args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty()) << args.join(' ').toStdString();
    }
    const auto list = runCli(temp.path(), {"dossier", "list"});
    EXPECT_EQ(outputLines(list).size(), 1) << list.out.toStdString();
}
