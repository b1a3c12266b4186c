#include "cli/CliRun.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using testsupport::TempFolder;

TEST(CreateDatabaseCommand, AScriptThatFailsLeavesNoHalfMadeDatabase) {
    TempFolder temp;
    const QString script = temp.file(QStringLiteral("schema.sql"));
    const QString database = temp.file(QStringLiteral("CONTRACT.MDB"));
    // The second table has the name of the first.
    testsupport::writeFile(script,
                           "CREATE TABLE A (Id INTEGER PRIMARY KEY);\nCREATE TABLE A (Id INTEGER);\n");
    const auto failed = testsupport::runProgram(QStringLiteral("contrats-cli"),
                                                {QStringLiteral("create-database"), script, database});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("already exists"))) << failed.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(database));

    // Once the script is right, the same command makes the database.
    testsupport::writeFile(script, "CREATE TABLE A (Id INTEGER PRIMARY KEY);\n");
    const auto made = testsupport::runProgram(QStringLiteral("contrats-cli"),
                                              {QStringLiteral("create-database"), script, database});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(QFileInfo(database).size() > 0);
}
