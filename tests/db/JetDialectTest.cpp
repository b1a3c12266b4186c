#include "app/AppError.h"
#include "db/engine/JetDialect.h"

#include <gtest/gtest.h>

using db::jet::analyseSelect;
using db::jet::translate;
using db::jet::SelectShape;

namespace {

QString columnsText(const SelectShape& shape)
{
    QStringList parts;
    for (const db::jet::SelectColumn& column : shape.columns)
        parts << (column.alias.isEmpty() ? column.column : column.column + QLatin1Char('>') + column.alias);
    return parts.join(QLatin1Char(','));
}

} // namespace

TEST(AnalyseSelect, ReadsTheDatasetsSingleTableSelects)
{
    struct Case {
        const char* sql;
        const char* table;
        bool star;
        const char* columns;
        const char* where;
        const char* orderBy;
    };
    const Case cases[] = {
        {"SELECT ID, FullName, LoginName, LoginPassword, Administrator, Comment as [Color], Custom00144243 as [Size] "
         "FROM PROFILES",
         "PROFILES", false, "ID,FullName,LoginName,LoginPassword,Administrator,Comment>Color,Custom00144243>Size", "",
         ""},
        {"SELECT * FROM CONTRACT\nWHERE Id_File=3\nORDER BY Contract.Title DESC, Contract.Id", "CONTRACT", true, "",
         "Id_File=3", "Contract.Title DESC, Contract.Id"},
        {"SELECT [VALUE], [ID_CLASS], [ID_ATTRIBUTE], [USERID] FROM [OBJECT_VAL_STR] WHERE [ID_CLASS]=-99",
         "OBJECT_VAL_STR", false, "VALUE,ID_CLASS,ID_ATTRIBUTE,USERID", "\"ID_CLASS\"=-99", ""},
        {"select [CONTRACT].[Title], C.Id from [CONTRACT] AS C where C.Date_Term <= #3/25/2007# and C.Title like "
         "\"l'a%\" order by UCase(C.Title);",
         "CONTRACT", false, "Title,Id", "C.Date_Term <= '2007-03-25' and C.Title like 'l''a%'",
         "jet_ucase(C.Title) COLLATE NOCASE"},
        {"SELECT T.* FROM TREE T WHERE Id_File=2 AND (Title = True OR Title = 'x')", "TREE", true, "",
         "Id_File=2 AND (Title = 1 OR Title = 'x')", ""},
    };
    for (const Case& c : cases) {
        const SelectShape shape = analyseSelect(QString::fromUtf8(c.sql));
        SCOPED_TRACE(c.sql);
        EXPECT_TRUE(shape.singleTable);
        EXPECT_EQ(shape.table.toStdString(), c.table);
        EXPECT_EQ(shape.star, c.star);
        EXPECT_EQ(columnsText(shape).toStdString(), c.columns);
        EXPECT_EQ(shape.where.toStdString(), c.where);
        EXPECT_EQ(shape.orderBy.toStdString(), c.orderBy);
    }
}

TEST(AnalyseSelect, RefusesWhatIsNotAPlainSingleTableSelect)
{
    const char* const texts[] = {
        "SELECT DISTINCT Title FROM CONTRACT",
        "SELECT TOP 5 * FROM CONTRACT",
        "SELECT Count(*) FROM CONTRACT",
        "SELECT Title & 'x' AS T FROM CONTRACT",
        "SELECT * FROM CONTRACT, PEOPLE",
        "SELECT * FROM (CONTRACT LEFT JOIN L_PEOPLE ON CONTRACT.Id = L_PEOPLE.Id_Ref)",
        "SELECT * FROM CONTRACT LEFT JOIN L_PEOPLE ON CONTRACT.Id = L_PEOPLE.Id_Ref",
        "SELECT Title FROM CONTRACT GROUP BY Title",
        "SELECT Title FROM CONTRACT WHERE Id=1 UNION SELECT Name FROM PEOPLE",
        "DELETE FROM CONTRACT WHERE Id=1",
        "UPDATE CONTRACT SET Title='x'",
        "",
        "SELECT * FROM CONTRACT WHERE Title='unclosed",
    };
    for (const char* text : texts)
        EXPECT_FALSE(analyseSelect(QString::fromUtf8(text)).singleTable) << text;
}

TEST(JetTranslation, RewritesEveryJetFormIntoTheEnginesSql)
{
    struct Case {
        const char* jet;
        const char* engine;
    };
    const Case cases[] = {
        // names, aliases, literals
        {"SELECT ID, FullName, Comment as [Color], Custom00144243 as [Size] FROM PROFILES",
         "SELECT ID, FullName, Comment as \"Color\", Custom00144243 as \"Size\" FROM PROFILES"},
        {"SELECT [VALUE] FROM [OBJECT_VAL_STR] WHERE [ID_CLASS]=-99 AND [ID_ATTRIBUTE]=-99",
         "SELECT \"VALUE\" FROM \"OBJECT_VAL_STR\" WHERE \"ID_CLASS\"=-99 AND \"ID_ATTRIBUTE\"=-99"},
        {"SELECT [CONTRACT].[Title] FROM CONTRACT AS C", "SELECT \"CONTRACT\".\"Title\" FROM CONTRACT AS C"},
        {"SELECT [a \"b\"] FROM T", "SELECT \"a \"\"b\"\"\" FROM T"},
        {"SELECT id FROM People Where Name='l''eau'", "SELECT id FROM People Where Name='l''eau'"},
        {"SELECT * FROM T WHERE A=\"l'eau \"\"x\"\"\"", "SELECT * FROM T WHERE A='l''eau \"x\"'"},
        {"SELECT * FROM CONTRACT WHERE CONTRACT.Id_File=3 AND [CONTRACT].[Title] LIKE '%bail%' OR "
         "[CONTRACT].[Date_Term]<=#12/31/2008#",
         "SELECT * FROM CONTRACT WHERE CONTRACT.Id_File=3 AND \"CONTRACT\".\"Title\" LIKE '%bail%' OR \"CONTRACT\".\"Date_Term\"<='2008-12-31'"},
        {"SELECT * FROM T WHERE D=#3/25/2007# OR D=#3/25/2007 10:20:00# OR D=#3/25/2007 10:20 PM#",
         "SELECT * FROM T WHERE D='2007-03-25' OR D='2007-03-25 10:20:00' OR D='2007-03-25 22:20:00'"},
        {"SELECT * FROM T WHERE D > #2007-03-25# AND D < #3/25/07#",
         "SELECT * FROM T WHERE D > '2007-03-25' AND D < '2007-03-25'"},
        {"SELECT * FROM T WHERE A=True AND B=false AND T.True=1",
         "SELECT * FROM T WHERE A=1 AND B=0 AND T.True=1"},
        {"SELECT * FROM T WHERE D=<#1/2/2008# AND E=>2", "SELECT * FROM T WHERE D<='2008-01-02' AND E>=2"},
        {"SELECT * FROM T WHERE N Mod 2 = 1", "SELECT * FROM T WHERE N % 2 = 1"},
        // distinct, aggregates, grouping, top
        {"SELECT Distinct PEOPLE.Id, PEOPLE.Name FROM L_PEOPLE LEFT JOIN PEOPLE ON L_PEOPLE.Id_People = PEOPLE.Id  "
         "ORDER BY PEOPLE.Name",
         "SELECT Distinct PEOPLE.Id, PEOPLE.Name FROM L_PEOPLE LEFT JOIN PEOPLE ON L_PEOPLE.Id_People = PEOPLE.Id  "
         "ORDER BY PEOPLE.Name"},
        {"SELECT DISTINCTROW Title FROM CONTRACT", "SELECT DISTINCT Title FROM CONTRACT"},
        {"SELECT DISTINCT CONTRACT.[State], Count(*) AS STATVALUE\nFROM CONTRACT\nGROUP BY CONTRACT.[State]\n"
         "HAVING Sum(CONTRACT.[AnnualCost]) > 10\nORDER BY CONTRACT.[State] DESC, Count(*) DESC",
         "SELECT DISTINCT CONTRACT.\"State\", Count(*) AS STATVALUE\nFROM CONTRACT\nGROUP BY CONTRACT.\"State\"\n"
         "HAVING Sum(CONTRACT.\"AnnualCost\") > 10\nORDER BY CONTRACT.\"State\" DESC, Count(*) COLLATE NOCASE DESC"},
        {"SELECT TOP 5 Title FROM CONTRACT ORDER BY Title", "SELECT Title FROM CONTRACT ORDER BY Title LIMIT 5"},
        {"SELECT DISTINCT TOP 1 Title FROM CONTRACT;", "SELECT DISTINCT Title FROM CONTRACT LIMIT 1;"},
        {"SELECT * FROM T WHERE Id IN (SELECT TOP 2 Id FROM U ORDER BY Id DESC)",
         "SELECT * FROM T WHERE Id IN (SELECT Id FROM U ORDER BY Id DESC LIMIT 2)"},
        {"SELECT * FROM T ORDER BY UCase(Name), Left$(Name, 2) DESC",
         "SELECT * FROM T ORDER BY jet_ucase(Name) COLLATE NOCASE, jet_left(Name, 2) COLLATE NOCASE DESC"},
        // joins nested in parentheses
        {"SELECT * FROM ((([CONTRACT] LEFT JOIN [L_COMPANY] ON [CONTRACT].[Id] = [L_COMPANY].[Id_Ref]) LEFT JOIN "
         "[L_PEOPLE] ON [CONTRACT].[Id] = [L_PEOPLE].[Id_Ref]) LEFT JOIN [COMPANY] ON [L_COMPANY].[Id_Company] = "
         "[COMPANY].[Id]) LEFT JOIN [PEOPLE] ON [L_PEOPLE].[Id_People] = [PEOPLE].[Id]",
         "SELECT * FROM (((\"CONTRACT\" LEFT JOIN \"L_COMPANY\" ON \"CONTRACT\".\"Id\" = \"L_COMPANY\".\"Id_Ref\") "
         "LEFT JOIN \"L_PEOPLE\" ON \"CONTRACT\".\"Id\" = \"L_PEOPLE\".\"Id_Ref\") LEFT JOIN \"COMPANY\" ON "
         "\"L_COMPANY\".\"Id_Company\" = \"COMPANY\".\"Id\") LEFT JOIN \"PEOPLE\" ON \"L_PEOPLE\".\"Id_People\" = "
         "\"PEOPLE\".\"Id\""},
        // functions
        {"SELECT IIf(IsNull(A), Nz(B, 0), UCase$(C)) FROM T",
         "SELECT iif(jet_isnull(A), jet_nz(B, 0), jet_ucase(C)) FROM T"},
        {"SELECT * FROM CONTRACT WHERE Date_Term <= DATEADD('m', Alarm, now()) AND Year(Date_Sign) = Year(Date())",
         "SELECT * FROM CONTRACT WHERE Date_Term <= jet_dateadd('m', Alarm, jet_now()) AND jet_year(Date_Sign) = "
         "jet_year(jet_date())"},
        {"SELECT Mid(A, 2, 3), Right(A, 1), Trim(A), InStr(A, 'x'), Replace(A, 'a', 'b'), Format(D, 'dd/mm/yyyy') "
         "FROM T",
         "SELECT jet_mid(A, 2, 3), jet_right(A, 1), trim(A), jet_instr(A, 'x'), jet_replace(A, 'a', 'b'), "
         "jet_format(D, 'dd/mm/yyyy') FROM T"},
        {"SELECT [Date], Date() FROM T", "SELECT \"Date\", jet_date() FROM T"},
        // &: Null counts as empty, and it binds looser than arithmetic
        {"SELECT Name & ' ' & NickName AS Full FROM PEOPLE",
         "SELECT (ifnull(Name,'') || ' ' || ifnull(NickName,'')) AS Full FROM PEOPLE"},
        {"SELECT A & B + 1, A + 1 & B * 2 FROM T",
         "SELECT (ifnull(A,'') || ifnull(B + 1,'')), (ifnull(A + 1,'') || ifnull(B * 2,'')) FROM T"},
        {"SELECT * FROM T WHERE A & 'x' = 'yx' AND (B & C) LIKE 'a%'",
         "SELECT * FROM T WHERE (ifnull(A,'') || 'x') = 'yx' AND ((ifnull(B,'') || ifnull(C,''))) LIKE 'a%'"},
        {"SELECT UCase(A & B) FROM T", "SELECT jet_ucase((ifnull(A,'') || ifnull(B,''))) FROM T"},
        {"SELECT A FROM T ORDER BY A & B DESC, 'x' & A COLLATE FRENCH",
         "SELECT A FROM T ORDER BY (ifnull(A,'') || ifnull(B,'')) COLLATE NOCASE DESC, ('x' || ifnull(A,'')) COLLATE "
         "FRENCH"},
        // statements
        {"DELETE FROM L_PEOPLE WHERE L_PEOPLE.Id_Ref=12", "DELETE FROM L_PEOPLE WHERE L_PEOPLE.Id_Ref=12"},
        {"DELETE * FROM Backup", "DELETE FROM Backup"},
        {"DELETE [EVENT].* FROM [EVENT] WHERE Id_Ref=3", "DELETE FROM \"EVENT\" WHERE Id_Ref=3"},
        {"UPDATE CONTRACT SET CATEGORY='' WHERE Id_File=3 AND (CATEGORY='a/b' OR CATEGORY like 'a/b/%')",
         "UPDATE CONTRACT SET CATEGORY='' WHERE Id_File=3 AND (CATEGORY='a/b' OR CATEGORY like 'a/b/%')"},
        {"INSERT INTO [T] ([A], B) VALUES (\"x\", #1/2/2003#)", "INSERT INTO \"T\" (\"A\", B) VALUES ('x', '2003-01-02')"},
        {"SELECT A, B INTO [New T] FROM T WHERE A=True",
         "CREATE TABLE \"New T\" AS SELECT A, B FROM T WHERE A=1"},
        {"PRAGMA user_version", "PRAGMA user_version"},
        {"  ", "  "},
        // data definition
        {"ALTER TABLE CONTRACT ADD COLUMN Tag TEXT(50)", "ALTER TABLE CONTRACT ADD COLUMN Tag TEXT(50) COLLATE NOCASE"},
        {"ALTER TABLE [CONTRACT] ADD [Misc13] MEMO", "ALTER TABLE \"CONTRACT\" ADD COLUMN \"Misc13\" LONGTEXT COLLATE NOCASE"},
        {"ALTER TABLE T ADD N LONG NOT NULL DEFAULT 0", "ALTER TABLE T ADD COLUMN N INT32 NOT NULL DEFAULT 0"},
        {"ALTER TABLE T ADD COLUMN D DATETIME", "ALTER TABLE T ADD COLUMN D DATETIME"},
        {"ALTER TABLE T DROP COLUMN Misc13", "ALTER TABLE T DROP COLUMN Misc13"},
        {"ALTER TABLE T DROP [Misc 13]", "ALTER TABLE T DROP COLUMN \"Misc 13\""},
        {"CREATE TABLE BACKUP (Id COUNTER CONSTRAINT PK PRIMARY KEY, Id_File SHORT, Title TEXT(128) WITH "
         "COMPRESSION, Memo1 LONGTEXT, N1 INTEGER, N2 BYTE, D1 DATE, B1 YESNO, C1 CURRENCY, R1 SINGLE, F1 FLOAT, "
         "P1 LONGBINARY, T1 TEXT, V1 VARCHAR(20) NOT NULL)",
         "CREATE TABLE BACKUP (Id INTEGER PRIMARY KEY AUTOINCREMENT, Id_File INT16, Title TEXT(128) COLLATE "
         "NOCASE, Memo1 LONGTEXT COLLATE NOCASE, N1 INT32, N2 TINYINT, D1 DATETIME, B1 BOOL, C1 CURRENCY, R1 "
         "REAL, F1 DOUBLE, P1 BLOB, T1 TEXT(255) COLLATE NOCASE, V1 TEXT(20) COLLATE NOCASE NOT NULL)"},
        {"CREATE TABLE [T 2] ([ID] AUTOINCREMENT, A SMALLINT, B OLEOBJECT, C BIT, CONSTRAINT PrimaryKey PRIMARY "
         "KEY ([ID]))",
         "CREATE TABLE \"T 2\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT, A INT16, B BLOB, C BOOL)"},
        {"CREATE TABLE T (A LONG, B MEMO, CONSTRAINT PK PRIMARY KEY (A, B))",
         "CREATE TABLE T (A INT32, B LONGTEXT COLLATE NOCASE, CONSTRAINT PK PRIMARY KEY (A, B))"},
        {"DROP TABLE [BACKUP]", "DROP TABLE \"BACKUP\""},
        {"CREATE INDEX Title ON CONTRACT (Title)", "CREATE INDEX CONTRACT_Title ON CONTRACT (Title)"},
        {"CREATE UNIQUE INDEX [Code] ON [CONTRACT] ([Code] DESC) WITH DISALLOW NULL",
         "CREATE UNIQUE INDEX CONTRACT_Code ON \"CONTRACT\" (\"Code\" DESC)"},
        {"CREATE INDEX PK ON T (Id) WITH PRIMARY", "CREATE UNIQUE INDEX T_PK ON T (Id)"},
        {"DROP INDEX NoContract ON CONTRACT", "DROP INDEX CONTRACT_NoContract"},
        {"DROP INDEX CONTRACT_NoContract ON CONTRACT", "DROP INDEX CONTRACT_NoContract"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(translate(QString::fromUtf8(c.jet)).toStdString(), c.engine) << c.jet;
}

TEST(JetTranslation, RefusesTextItCannotReadWithAFrenchMessage)
{
    const char* const texts[] = {
        "SELECT * FROM T WHERE A='open",          "SELECT * FROM T WHERE A=\"open",
        "SELECT [Title FROM T",                   "SELECT * FROM T WHERE D=#3/25/2007",
        "SELECT * FROM T WHERE D=#2/30/2007#",    "SELECT * FROM T WHERE D=#hello#",
        "SELECT TOP 10 PERCENT * FROM T",         "ALTER TABLE T ALTER COLUMN A TEXT(20)",
    };
    for (const char* text : texts) {
        try {
            translate(QString::fromUtf8(text));
            ADD_FAILURE() << "no error for " << text;
        } catch (const app::AppError& error) {
            EXPECT_FALSE(error.text().isEmpty());
            EXPECT_TRUE(error.text().contains(QStringLiteral("requête")) ||
                        error.text().contains(QStringLiteral("pas pris")))
                << error.text().toStdString();
        }
    }
}
