#include "app/AppError.h"
#include "app/Clock.h"
#include "db/engine/SqliteConnection.h"
#include "db/DbFixture.h"
#include "support/TestSupport.h"

#include <QVariant>
#include <gtest/gtest.h>

namespace {

// A copy of the shipped empty database, opened as the program opens it.
class JetEngineTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        const QString path = m_folder.file(QStringLiteral("Access/CONTRACT.MDB"));
        testsupport::copyShippedDatabase(path);
        m_db.open(path);
    }
    void TearDown() override { app::clock::clearFixed(); }

    // The first column of every row, as text ("NULL" for a Null).
    QStringList column(const QString& jetSql)
    {
        db::SqliteStatement statement = m_db.prepare(jetSql);
        QStringList values;
        while (statement.step())
            values << (statement.isNull(0) ? QStringLiteral("NULL") : statement.textValue(0));
        return values;
    }
    QString scalar(const QString& jetSql)
    {
        const QStringList values = column(jetSql);
        return values.isEmpty() ? QStringLiteral("<no row>") : values.first();
    }
    void run(const char* jetSql) { m_db.execute(QString::fromUtf8(jetSql)); }

    testsupport::TempFolder m_folder;
    db::SqliteConnection m_db;
};

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST_F(JetEngineTest, JetFunctionsGiveJetsResults)
{
    app::clock::setFixed(QDateTime(QDate(2007, 3, 25), QTime(10, 20, 30)));
    struct Case {
        const char* expression;
        const char* expected;
    };
    const Case cases[] = {
        // month and year steps keep the day within the month
        {"DateAdd('m', 1, #1/31/2007#)", "2007-02-28"},
        {"DATEADD('m', 1, #1/31/2008#)", "2008-02-29"},
        {"DateAdd('m', -1, #3/31/2007#)", "2007-02-28"},
        {"DateAdd('q', 1, #11/30/2007#)", "2008-02-29"},
        {"DateAdd('yyyy', 1, #2/29/2008#)", "2009-02-28"},
        {"DateAdd('m', 13, #1/31/2007#)", "2008-02-29"},
        {"DateAdd('m', 1, #1/31/2007 10:20:00#)", "2007-02-28 10:20:00"},
        {"DateAdd('d', 1, #12/31/2007#)", "2008-01-01"},
        {"DateAdd('y', -1, #1/1/2008#)", "2007-12-31"},
        {"DateAdd('w', 7, #3/25/2007#)", "2007-04-01"},
        {"DateAdd('ww', 2, #3/25/2007#)", "2007-04-08"},
        {"DateAdd('h', 25, #3/25/2007#)", "2007-03-26 01:00:00"},
        {"DateAdd('n', -1, #3/25/2007#)", "2007-03-24 23:59:00"},
        {"DateAdd('s', 30, '2007-03-25 23:59:30')", "2007-03-26"},
        {"DateAdd('m', 1, Null)", "NULL"},
        {"DateAdd('m', 2, now())", "2007-05-25 10:20:30"},
        {"Now()", "2007-03-25 10:20:30"},
        {"Date()", "2007-03-25"},
        {"DateDiff('d', #3/25/2007#, #4/1/2007#)", "7"},
        {"DateDiff('d', #3/25/2007 23:00:00#, #3/26/2007 01:00:00#)", "1"},
        {"DateDiff('m', #1/31/2007#, #2/1/2007#)", "1"},
        {"DateDiff('yyyy', #12/31/2007#, #1/1/2008#)", "1"},
        {"DateDiff('q', #3/31/2007#, #4/1/2007#)", "1"},
        {"DateDiff('ww', #3/24/2007#, #3/25/2007#)", "1"},
        {"DateDiff('w', #3/24/2007#, #3/31/2007#)", "1"},
        {"DateDiff('h', #3/25/2007 10:59:00#, #3/25/2007 11:00:00#)", "1"},
        {"DateDiff('n', '2007-03-25 10:00:00', '2007-03-25 09:58:59')", "-2"},
        {"DatePart('q', #5/1/2007#)", "2"},
        {"DatePart('w', #3/25/2007#)", "1"},
        {"DatePart('y', #2/1/2007#)", "32"},
        {"DatePart('ww', #1/7/2007#)", "2"},
        {"DateSerial(2007, 2, 31)", "2007-03-03"},
        {"DateSerial(2007, 13, 1)", "2008-01-01"},
        {"DateSerial(2007, 3, 0)", "2007-02-28"},
        {"DateSerial(7, 1, 1)", "2007-01-01"},
        {"Year(#3/25/2007#) & '-' & Month(#3/25/2007#) & '-' & Day(#3/25/2007#)", "2007-3-25"},
        {"Hour('2007-03-25 10:20:30') + Minute('2007-03-25 10:20:30') + Second('2007-03-25 10:20:30')", "60"},
        {"Weekday(#3/26/2007#)", "2"},
        {"Weekday(#3/26/2007#, 2)", "1"},
        {"Year('25/03/2007')", "2007"},
        {"CDate('25/03/2007')", "2007-03-25"},
        {"DateValue('2007-03-25 10:20:30') & ' ' & TimeValue('2007-03-25 10:20:30')", "2007-03-25 10:20:30"},
        // Format
        {"Format(#3/25/2007#, 'dd/mm/yyyy')", "25/03/2007"},
        {"Format(#3/5/2007#, \"d/m/yy\")", "5/3/07"},
        {"Format(#3/25/2007 10:05:09#, 'dddd d mmmm yyyy hh:nn:ss')", "dimanche 25 mars 2007 10:05:09"},
        {"Format(#8/1/2007 9:07:00#, 'ddd dd mmm yyyy h:mm')", "mer. 01 août 2007 9:07"},
        {"Format(#3/25/2007#, 'Short Date')", "25/03/2007"},
        {"Format(1234.5, '#,##0.00')", "1 234,50"},
        {"Format(0.256, '0.0%')", "25,6%"},
        {"Format(-3, '0;(0)')", "(3)"},
        {"Format(7, '000')", "007"},
        {"Format(Null, 'dd/mm/yyyy')", "NULL"},
        // text
        {"IIf(1=2, 'a', 'b')", "b"},
        {"IIf(Null, 'a', 'b')", "b"},
        {"Nz(Null, 'x')", "x"},
        {"Nz(Null)", ""},
        {"Nz('y', 'x')", "y"},
        {"UCase('élise œuvre')", "ÉLISE ŒUVRE"},
        {"LCase('ÉLISE')", "élise"},
        {"UCase(Null)", "NULL"},
        {"Len('été')", "3"},
        {"Len(Null)", "NULL"},
        {"Mid('abcdef', 2, 3)", "bcd"},
        {"Mid('abcdef', 3)", "cdef"},
        {"Mid('abc', 5, 2)", ""},
        {"Left('été', 2)", "ét"},
        {"Right('abc', 2)", "bc"},
        {"Right('abc', 9)", "abc"},
        {"Trim('  a b  ') & '|' & LTrim('  a ') & '|' & RTrim(' a  ') & '|'", "a b|a | a|"},
        {"InStr('abcABC', 'C')", "3"},
        {"InStr(4, 'abcABC', 'c')", "6"},
        {"InStr(1, 'abc', 'C', 0)", "0"},
        {"InStr('Élise', 'éli')", "1"},
        {"InStr('abc', 'z')", "0"},
        {"Replace('aAbB', 'a', 'x')", "xxbB"},
        {"Space(3) & '|'", "   |"},
        {"CStr(1.5)", "1,5"},
        {"CStr(12)", "12"},
        {"CStr(#3/25/2007#)", "25/03/2007"},
        {"CInt(2.5)", "2"},
        {"CInt(3.5)", "4"},
        {"CInt('-7')", "-7"},
        {"CLng('12')", "12"},
        {"CDbl('1,5') * 2", "3.0"},
        {"Val('12abc')", "12"},
        {"Val(' 1 2.5x')", "12.5"},
        {"Val('abc')", "0"},
        {"Int(-2.5)", "-3.0"},
        {"Fix(-2.5)", "-2.0"},
        {"Sgn(-4)", "-1"},
        {"IsNull(Null)", "1"},
        {"IsNull('')", "0"},
        {"'a' & Null & 'b'", "ab"},
        {"1 + 2 & 3", "33"},
        {"\"it's\" & ' ok'", "it's ok"},
        {"'one statement'; ", "one statement"},
        {"True + False", "1"},
    };
    for (const Case& c : cases) {
        const QString sql = QStringLiteral("SELECT ") + u(c.expression);
        try {
            EXPECT_EQ(scalar(sql).toStdString(), c.expected) << c.expression;
        } catch (const app::AppError& error) {
            ADD_FAILURE() << c.expression << ": " << error.text().toStdString();
        }
    }
}

TEST_F(JetEngineTest, DateFunctionsCountWallClockTimeAcrossSummerTimeChanges)
{
    const SummerTimeClock clock;
    struct Case {
        const char* expression;
        const char* expected;
    };
    // 31 March 2024: the local clock jumps from 02:00 to 03:00; 27 October 2024: from 03:00 back to 02:00.
    const Case cases[] = {
        {"DateAdd('h', 1, '2024-03-31 01:30:00')", "2024-03-31 02:30:00"},
        {"DateAdd('h', 12, #3/31/2024#)", "2024-03-31 12:00:00"},
        {"DateAdd('d', 1, '2024-03-30 02:30:00')", "2024-03-31 02:30:00"},
        {"DateAdd('n', 90, '2024-10-27 01:00:00')", "2024-10-27 02:30:00"},
        {"CDate(45382.5)", "2024-03-31 12:00:00"},
        {"CDate('31/03/2024 02:30')", "2024-03-31 02:30:00"},
        {"Hour('2024-03-31 02:30:00')", "2"},
        {"DateDiff('h', #3/31/2024#, #4/1/2024#)", "24"},
        {"DateAdd('m', 1, '2024-02-29 02:15:00')", "2024-03-29 02:15:00"},
    };
    for (const Case& c : cases) {
        try {
            EXPECT_EQ(scalar(QStringLiteral("SELECT ") + u(c.expression)).toStdString(), c.expected)
                << c.expression;
        } catch (const app::AppError& error) {
            ADD_FAILURE() << c.expression << ": " << error.text().toStdString();
        }
    }
}

TEST_F(JetEngineTest, EngineAndFunctionErrorsReachTheCallerAsAppError)
{
    struct Case {
        const char* sql;
        const char* part; // a part of the message
    };
    const Case cases[] = {
        {"SELECT * FROM NoSuchTable", "no such table: NoSuchTable"},
        {"SELECT CInt(40000)", "Dépassement de capacité"},
        {"SELECT DateAdd('x', 1, Date())", "Intervalle de date incorrect"},
        {"SELECT DateAdd('d', 1, 'demain')", "n'est pas une date"},
        {"SELECT CDbl('abc')", "n'est pas un nombre"},
        {"SELECT Mid('abc', 0)", "Argument ou appel de procédure incorrect"},
        {"SELECT 'a' LIKE 'a' ESCAPE 'xy'", "ESCAPE"},
        {"SELECT Title FROM CONTRACT WHERE", "incomplete input"},
        {"SELECT Title FROM CONTRACT WHERE Title = = 1", "syntax error"},
        // a misspelt bracketed name is an error, never a text that matches nothing
        {"SELECT Title FROM CONTRACT WHERE [Titel]='Titel'", "no such column: Titel"},
        {"SELECT Title FROM CONTRACT ORDER BY [Titel]", "no such column: Titel"},
        // the engine would run the first statement and drop the second without a word
        {"SELECT Title FROM CONTRACT; DELETE FROM PROFILES", "plusieurs instructions"},
        {"UPDATE CONTRACT SET Title='x'; DELETE FROM NoSuchTable", "plusieurs instructions"},
    };
    for (const Case& c : cases) {
        try {
            scalar(u(c.sql));
            ADD_FAILURE() << "no error for " << c.sql;
        } catch (const app::AppError& error) {
            EXPECT_TRUE(error.text().contains(u(c.part))) << c.sql << " gave " << error.text().toStdString();
        }
    }
}

namespace {

// People whose names only differ by case or accents, in a shuffled order.
void addPeople(db::SqliteConnection& connection)
{
    const char* const names[] = {"Zoé",   "élise", "Erica", "Éric",  "Eric",
                                 "ÉLISE", "andre", "André", "Œdipe", "Oscar"};
    db::SqliteStatement insert =
        connection.prepare(QStringLiteral("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, ?)"));
    for (const char* name : names) {
        insert.bind(1, QString::fromUtf8(name));
        insert.run();
        insert.reset();
    }
}

} // namespace

TEST_F(JetEngineTest, TextColumnsCompareAndSortTheFrenchWayWithOrWithoutTheirIndex)
{
    addPeople(m_db);
    const QStringList french = {u("andre"), u("André"), u("élise"), u("ÉLISE"), u("Eric"),
                                u("Éric"),  u("Erica"), u("Œdipe"), u("Oscar"), u("Zoé")};
    EXPECT_EQ(column(u("SELECT Name FROM PEOPLE ORDER BY Name, Id")), french);
    // The engine's own SQL, to force the index or keep it out: both must agree.
    auto native = [this](const QString& sql) {
        db::SqliteStatement statement = m_db.prepareNative(sql);
        QStringList values;
        while (statement.step())
            values << statement.textValue(0);
        return values;
    };
    EXPECT_EQ(native(u("SELECT Name FROM PEOPLE INDEXED BY PEOPLE_Name ORDER BY Name, Id")), french);
    EXPECT_EQ(native(u("SELECT Name FROM PEOPLE NOT INDEXED ORDER BY Name, Id")), french);
    const char* const conditions[] = {"Name = 'élise'",
                                      "Name = 'Eric'",
                                      "Name >= 'e' AND Name < 'f'",
                                      "Name > 'Éric'",
                                      "Name BETWEEN 'ANDRE' AND 'elise'",
                                      "Name IN ('ZOÉ', 'oscar')"};
    for (const char* condition : conditions) {
        const QString where = u(" WHERE ") + u(condition) + u(" ORDER BY Id");
        const QStringList indexed = native(u("SELECT Name FROM PEOPLE INDEXED BY PEOPLE_Name") + where);
        EXPECT_EQ(indexed, native(u("SELECT Name FROM PEOPLE NOT INDEXED") + where)) << condition;
        EXPECT_FALSE(indexed.isEmpty()) << condition;
    }
    EXPECT_EQ(column(u("SELECT Name FROM PEOPLE WHERE Name='ÉLISE' ORDER BY Id")),
              QStringList({u("élise"), u("ÉLISE")}));
    EXPECT_EQ(column(u("SELECT Name FROM PEOPLE WHERE Name > 'Éric' AND Name < 'Œdipe' ORDER BY Id")),
              QStringList({u("Erica")}));
    EXPECT_EQ(scalar(u("PRAGMA integrity_check")), u("ok"));
}

TEST_F(JetEngineTest, DistinctAndGroupByFoldCaseAndExpressionsSortTheFrenchWay)
{
    addPeople(m_db);
    EXPECT_EQ(column(u("SELECT DISTINCT Name FROM PEOPLE WHERE Name LIKE 'él%'")).size(), 1);
    EXPECT_EQ(scalar(u("SELECT Count(*) FROM (SELECT DISTINCT [Name] FROM [PEOPLE])")), u("9"));
    EXPECT_EQ(column(u("SELECT Count(*) FROM PEOPLE GROUP BY Name HAVING Count(*) > 1")),
              QStringList({u("2")}));
    // An expression has no column to take the comparison from; the translation gives it the French one.
    EXPECT_EQ(
        column(u("SELECT Name FROM PEOPLE WHERE Name LIKE 'e%' OR Name LIKE 'é%' ORDER BY Name & '', Id")),
        QStringList({u("élise"), u("ÉLISE"), u("Eric"), u("Éric"), u("Erica")}));
    EXPECT_EQ(column(u("SELECT Name FROM PEOPLE WHERE Id < 4 ORDER BY 'x' & Name COLLATE FRENCH DESC")),
              QStringList({u("Zoé"), u("Erica"), u("élise")}));
}

TEST_F(JetEngineTest, LikeIgnoresCaseButNotAccents)
{
    addPeople(m_db);
    struct Case {
        const char* pattern;
        const char* names;
    };
    const Case cases[] = {
        {"él%", "élise,ÉLISE"}, {"É%", "élise,Éric,ÉLISE"},
        {"E%", "Erica,Eric"},   {"%RIC%", "Erica,Éric,Eric"},
        {"_ric", "Éric,Eric"},  {"andr_", "andre,André"},
        {"œ%", "Œdipe"},        {"%", "Zoé,élise,Erica,Éric,Eric,ÉLISE,andre,André,Œdipe,Oscar"},
    };
    for (const Case& c : cases) {
        const QString sql =
            u("SELECT Name FROM PEOPLE WHERE Name LIKE '") + u(c.pattern) + u("' ORDER BY Id");
        EXPECT_EQ(column(sql).join(QLatin1Char(',')).toStdString(), c.names) << c.pattern;
    }
    EXPECT_EQ(scalar(u("SELECT '50%' LIKE '50!%' ESCAPE '!'")), u("1"));
    EXPECT_EQ(scalar(u("SELECT '500' LIKE '50!%' ESCAPE '!'")), u("0"));
    EXPECT_EQ(scalar(u("SELECT 'ÉLISE' NOT LIKE 'él%'")), u("0"));
    EXPECT_EQ(scalar(u("SELECT Null LIKE 'a'")), u("NULL"));
}

TEST_F(JetEngineTest, ContractNumbersMatchWithoutCaseThroughTheirIndex)
{
    for (const char* number : {"n-001", "N-001", "é-1", "E-1", "N-002"})
        m_db.execute(u("INSERT INTO CONTRACT (Id_File, Title, NoContract) VALUES (3, 'c', '") + u(number) +
                     u("')"));
    auto ids = [this](const char* hint) {
        db::SqliteStatement statement =
            m_db.prepareNative(u("SELECT Id FROM CONTRACT ") + u(hint) +
                               u(" WHERE Id_File=3 AND NoContract='N-001' ORDER BY Id"));
        QStringList values;
        while (statement.step())
            values << statement.textValue(0);
        return values;
    };
    EXPECT_EQ(ids("INDEXED BY CONTRACT_NoContract"), QStringList({u("1"), u("2")}));
    EXPECT_EQ(ids("NOT INDEXED"), QStringList({u("1"), u("2")}));
    EXPECT_EQ(column(u("SELECT Id FROM Contract WHERE Id_File=3 AND NoContract='É-1'")),
              QStringList({u("3")}));
}
