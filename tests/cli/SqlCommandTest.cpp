#include "cli/CliRun.h"

#include <gtest/gtest.h>

using clitest::outputLines;
using clitest::runCli;
using testsupport::TempFolder;

namespace {

class SqlCommand : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(runCli(m_temp.path(), {QStringLiteral("init")}).exitCode, 0); }

    testsupport::ProcessResult sql(const QString& statement) {
        return runCli(m_temp.path(), {QStringLiteral("sql"), statement});
    }

    TempFolder m_temp;
};

} // namespace

TEST_F(SqlCommand, SelectPrintsAHeaderAndTabSeparatedRowsInTheProgramsFormats) {
    // Jet literals go through the same translator as the program's own statements.
    ASSERT_EQ(
        sql(QStringLiteral("INSERT INTO CONTRACT (Id_File, Title, Date_Sign, Date_Term, AnnualCost, Length, "
                           "TacitRenewal) VALUES (5, 'Bail « Sud »', #3/25/2007#, Null, 1234.5, 12, True)"))
            .out,
        QStringLiteral("1\n"));
    ASSERT_EQ(sql(QStringLiteral(
                      "INSERT INTO CONTRACT (Id_File, Title, Date_Sign, AnnualCost, Length, TacitRenewal, "
                      "Detail) VALUES (5, 'Assurance', '2009-01-02 08:05:09', 0.1, Null, False, "
                      "'ligne 1\r\nligne 2\tfin')"))
                  .exitCode,
              0);

    const auto result =
        sql(QStringLiteral("SELECT Title, Date_Sign, Date_Term, AnnualCost, Length, TacitRenewal, "
                           "Detail FROM CONTRACT WHERE Id_File=5 ORDER BY Title"));
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(
        outputLines(result),
        (QStringList{QStringLiteral("Title\tDate_Sign\tDate_Term\tAnnualCost\tLength\tTacitRenewal\tDetail"),
                     QStringLiteral("Assurance\t02/01/2009 08:05:09\t\t0.1\t\t0\tligne 1\\r\\nligne 2\\tfin"),
                     QStringLiteral("Bail « Sud »\t25/03/2007\t\t1234.5\t12\t1\t")}));
}

TEST_F(SqlCommand, ExpressionsAndAnEmptyResult) {
    auto result = sql(QStringLiteral("SELECT 1.5*3 AS Product, 'ab' & 'c' AS Joined, Null AS Vide"));
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(outputLines(result),
              (QStringList{QStringLiteral("Product\tJoined\tVide"), QStringLiteral("4.5\tabc\t")}));

    result = sql(QStringLiteral("SELECT Id, Title FROM CONTRACT WHERE Id_File=-1"));
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(outputLines(result), QStringList{QStringLiteral("Id\tTitle")});
}

TEST_F(SqlCommand, ChangingStatementsPrintTheNumberOfRowsAffected) {
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(
            sql(QStringLiteral("INSERT INTO EVENT (Id_File, Id_Ref, Description) VALUES (2, %1, 'x')").arg(i))
                .exitCode,
            0);
    EXPECT_EQ(sql(QStringLiteral("UPDATE EVENT SET Description='y' WHERE Id_Ref>=1")).out,
              QStringLiteral("2\n"));
    EXPECT_EQ(sql(QStringLiteral("UPDATE EVENT SET Description='z' WHERE Id_Ref=99")).out,
              QStringLiteral("0\n"));
    EXPECT_EQ(sql(QStringLiteral("DELETE FROM EVENT WHERE Id_File=2")).out, QStringLiteral("3\n"));
}

TEST_F(SqlCommand, AnEngineErrorExitsWithOneAndTheErrorTextOnStderr) {
    const auto result = sql(QStringLiteral("SELECT NoSuchColumn FROM CONTRACT"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("NoSuchColumn"))) << result.err.toStdString();

    const auto unclosed = sql(QStringLiteral("SELECT * FROM CONTRACT WHERE Title='abc"));
    EXPECT_EQ(unclosed.exitCode, 1);
    EXPECT_FALSE(unclosed.err.isEmpty());
}

TEST_F(SqlCommand, SeveralStatementsAreRefusedRatherThanPartlyRun) {
    const auto result = sql(QStringLiteral("DELETE FROM PROFILES; DELETE FROM CONTRACT"));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(result.err.isEmpty());
    // A semicolon inside a literal or at the very end is no second statement.
    EXPECT_EQ(sql(QStringLiteral("INSERT INTO EVENT (Id_File, Description) VALUES (3, 'a;b') ;  ")).out,
              QStringLiteral("1\n"));
    EXPECT_EQ(outputLines(sql(QStringLiteral("SELECT Description FROM EVENT WHERE Id_File=3"))),
              (QStringList{QStringLiteral("Description"), QStringLiteral("a;b")}));
}
