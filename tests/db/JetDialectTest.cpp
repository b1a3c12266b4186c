#include "db/engine/JetDialect.h"
#include "app/AppError.h"
#include "app/Clock.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using db::jet::analyseSelect;
using db::jet::SelectShape;
using db::jet::translate;

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
        const char* alias;
        bool star;
        const char* columns;
        const char* where;
        const char* orderBy;
    };
    const Case cases[] = {
        {"SELECT ID, FullName, LoginName, LoginPassword, Administrator, Comment as [Color], Custom00144243 "
         "as [Size] "
         "FROM PROFILES",
         "PROFILES", "", false,
         "ID,FullName,LoginName,LoginPassword,Administrator,Comment>Color,Custom00144243>Size", "", ""},
        {"SELECT * FROM CONTRACT\nWHERE Id_File=3\nORDER BY Contract.Title DESC, Contract.Id", "CONTRACT",
         "", true, "", "Id_File=3", "Contract.Title DESC, Contract.Id"},
        {"SELECT [VALUE], [ID_CLASS], [ID_ATTRIBUTE], [USERID] FROM [OBJECT_VAL_STR] WHERE [ID_CLASS]=-99",
         "OBJECT_VAL_STR", "", false, "VALUE,ID_CLASS,ID_ATTRIBUTE,USERID", "\"ID_CLASS\"=-99", ""},
        {"select [CONTRACT].[Title], C.Id from [CONTRACT] AS C where C.Date_Term <= #3/25/2007# and C.Title "
         "like "
         "\"l'a%\" order by UCase(C.Title);",
         "CONTRACT", "C", false, "Title,Id", "C.Date_Term <= '2007-03-25' and C.Title like 'l''a%'",
         "jet_ucase(C.Title) COLLATE NOCASE"},
        {"SELECT T.* FROM TREE T WHERE Id_File=2 AND (Title = True OR Title = 'x')", "TREE", "T", true, "",
         "Id_File=2 AND (Title = 1 OR Title = 'x')", ""},
    };
    for (const Case& c : cases) {
        const SelectShape shape = analyseSelect(QString::fromUtf8(c.sql));
        SCOPED_TRACE(c.sql);
        EXPECT_TRUE(shape.singleTable);
        EXPECT_EQ(shape.table.toStdString(), c.table);
        EXPECT_EQ(shape.tableAlias.toStdString(), c.alias);
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
         "SELECT * FROM CONTRACT WHERE CONTRACT.Id_File=3 AND \"CONTRACT\".\"Title\" LIKE '%bail%' OR "
         "\"CONTRACT\".\"Date_Term\"<='2008-12-31'"},
        {"SELECT * FROM T WHERE D=#3/25/2007# OR D=#3/25/2007 10:20:00# OR D=#3/25/2007 10:20 PM#",
         "SELECT * FROM T WHERE D='2007-03-25' OR D='2007-03-25 10:20:00' OR D='2007-03-25 22:20:00'"},
        {"SELECT * FROM T WHERE D > #2007-03-25# AND D < #3/25/07#",
         "SELECT * FROM T WHERE D > '2007-03-25' AND D < '2007-03-25'"},
        {"SELECT * FROM T WHERE A=True AND B=false AND T.True=1",
         "SELECT * FROM T WHERE A=1 AND B=0 AND T.True=1"},
        {"SELECT * FROM T WHERE D=<#1/2/2008# AND E=>2", "SELECT * FROM T WHERE D<='2008-01-02' AND E>=2"},
        {"SELECT * FROM T WHERE N Mod 2 = 1", "SELECT * FROM T WHERE N % 2 = 1"},
        // distinct, aggregates, grouping, top
        {"SELECT Distinct PEOPLE.Id, PEOPLE.Name FROM L_PEOPLE LEFT JOIN PEOPLE ON L_PEOPLE.Id_People = "
         "PEOPLE.Id  "
         "ORDER BY PEOPLE.Name",
         "SELECT Distinct PEOPLE.Id, PEOPLE.Name FROM L_PEOPLE LEFT JOIN PEOPLE ON L_PEOPLE.Id_People = "
         "PEOPLE.Id  "
         "ORDER BY PEOPLE.Name"},
        {"SELECT DISTINCTROW Title FROM CONTRACT", "SELECT DISTINCT Title FROM CONTRACT"},
        {"SELECT DISTINCT CONTRACT.[State], Count(*) AS STATVALUE\nFROM CONTRACT\nGROUP BY CONTRACT.[State]\n"
         "HAVING Sum(CONTRACT.[AnnualCost]) > 10\nORDER BY CONTRACT.[State] DESC, Count(*) DESC",
         "SELECT DISTINCT CONTRACT.\"State\", Count(*) AS STATVALUE\nFROM CONTRACT\nGROUP BY "
         "CONTRACT.\"State\"\n"
         "HAVING Sum(CONTRACT.\"AnnualCost\") > 10\nORDER BY CONTRACT.\"State\" DESC, Count(*) COLLATE "
         "NOCASE DESC"},
        {"SELECT TOP 5 Title FROM CONTRACT ORDER BY Title",
         "SELECT Title FROM CONTRACT ORDER BY Title LIMIT 5"},
        {"SELECT DISTINCT TOP 1 Title FROM CONTRACT;", "SELECT DISTINCT Title FROM CONTRACT LIMIT 1;"},
        {"SELECT * FROM T WHERE Id IN (SELECT TOP 2 Id FROM U ORDER BY Id DESC)",
         "SELECT * FROM T WHERE Id IN (SELECT Id FROM U ORDER BY Id DESC LIMIT 2)"},
        {"SELECT * FROM T ORDER BY UCase(Name), Left$(Name, 2) DESC",
         "SELECT * FROM T ORDER BY jet_ucase(Name) COLLATE NOCASE, jet_left(Name, 2) COLLATE NOCASE DESC"},
        // joins nested in parentheses
        {"SELECT * FROM ((([CONTRACT] LEFT JOIN [L_COMPANY] ON [CONTRACT].[Id] = [L_COMPANY].[Id_Ref]) LEFT "
         "JOIN "
         "[L_PEOPLE] ON [CONTRACT].[Id] = [L_PEOPLE].[Id_Ref]) LEFT JOIN [COMPANY] ON "
         "[L_COMPANY].[Id_Company] = "
         "[COMPANY].[Id]) LEFT JOIN [PEOPLE] ON [L_PEOPLE].[Id_People] = [PEOPLE].[Id]",
         "SELECT * FROM (((\"CONTRACT\" LEFT JOIN \"L_COMPANY\" ON \"CONTRACT\".\"Id\" = "
         "\"L_COMPANY\".\"Id_Ref\") "
         "LEFT JOIN \"L_PEOPLE\" ON \"CONTRACT\".\"Id\" = \"L_PEOPLE\".\"Id_Ref\") LEFT JOIN \"COMPANY\" ON "
         "\"L_COMPANY\".\"Id_Company\" = \"COMPANY\".\"Id\") LEFT JOIN \"PEOPLE\" ON "
         "\"L_PEOPLE\".\"Id_People\" = "
         "\"PEOPLE\".\"Id\""},
        // functions
        {"SELECT IIf(IsNull(A), Nz(B, 0), UCase$(C)) FROM T",
         "SELECT iif(jet_isnull(A), jet_nz(B, 0), jet_ucase(C)) FROM T"},
        {"SELECT * FROM CONTRACT WHERE Date_Term <= DATEADD('m', Alarm, now()) AND Year(Date_Sign) = "
         "Year(Date())",
         "SELECT * FROM CONTRACT WHERE Date_Term <= jet_dateadd('m', Alarm, jet_now()) AND "
         "jet_year(Date_Sign) = "
         "jet_year(jet_date())"},
        {"SELECT Mid(A, 2, 3), Right(A, 1), Trim(A), InStr(A, 'x'), Replace(A, 'a', 'b'), Format(D, "
         "'dd/mm/yyyy') "
         "FROM T",
         "SELECT jet_mid(A, 2, 3), jet_right(A, 1), trim(A), jet_instr(A, 'x'), jet_replace(A, 'a', 'b'), "
         "jet_format(D, 'dd/mm/yyyy') FROM T"},
        {"SELECT [Date], Date() FROM T", "SELECT \"Date\", jet_date() FROM T"},
        {"INSERT INTO Format (Year) VALUES (Year(Now()))",
         "INSERT INTO Format (Year) VALUES (jet_year(jet_now()))"},
        // &: Null counts as empty, and it binds looser than arithmetic
        {"SELECT Name & ' ' & NickName AS Full FROM PEOPLE",
         "SELECT (ifnull(Name,'') || ' ' || ifnull(NickName,'')) AS Full FROM PEOPLE"},
        {"SELECT A & B + 1, A + 1 & B * 2 FROM T",
         "SELECT (ifnull(A,'') || ifnull(B + 1,'')), (ifnull(A + 1,'') || ifnull(B * 2,'')) FROM T"},
        {"SELECT * FROM T WHERE A & 'x' = 'yx' AND (B & C) LIKE 'a%'",
         "SELECT * FROM T WHERE (ifnull(A,'') || 'x') = 'yx' AND ((ifnull(B,'') || ifnull(C,''))) LIKE 'a%'"},
        {"SELECT UCase(A & B) FROM T", "SELECT jet_ucase((ifnull(A,'') || ifnull(B,''))) FROM T"},
        {"SELECT A FROM T ORDER BY A & B DESC, 'x' & A COLLATE FRENCH",
         "SELECT A FROM T ORDER BY (ifnull(A,'') || ifnull(B,'')) COLLATE NOCASE DESC, ('x' || ifnull(A,'')) "
         "COLLATE "
         "FRENCH"},
        // statements
        {"DELETE FROM L_PEOPLE WHERE L_PEOPLE.Id_Ref=12", "DELETE FROM L_PEOPLE WHERE L_PEOPLE.Id_Ref=12"},
        {"DELETE * FROM Backup", "DELETE FROM Backup"},
        {"DELETE [EVENT].* FROM [EVENT] WHERE Id_Ref=3", "DELETE FROM \"EVENT\" WHERE Id_Ref=3"},
        {"UPDATE CONTRACT SET CATEGORY='' WHERE Id_File=3 AND (CATEGORY='a/b' OR CATEGORY like 'a/b/%')",
         "UPDATE CONTRACT SET CATEGORY='' WHERE Id_File=3 AND (CATEGORY='a/b' OR CATEGORY like 'a/b/%')"},
        {"INSERT INTO [T] ([A], B) VALUES (\"x\", #1/2/2003#)",
         "INSERT INTO \"T\" (\"A\", B) VALUES ('x', '2003-01-02')"},
        {"SELECT A, B INTO [New T] FROM T WHERE A=True",
         "CREATE TABLE \"New T\" AS SELECT A, B FROM T WHERE A=1"},
        {"PRAGMA user_version", "PRAGMA user_version"},
        {"  ", "  "},
        // data definition
        {"ALTER TABLE CONTRACT ADD COLUMN Tag TEXT(50)",
         "ALTER TABLE CONTRACT ADD COLUMN Tag TEXT(50) COLLATE NOCASE"},
        {"ALTER TABLE [CONTRACT] ADD [Misc13] MEMO",
         "ALTER TABLE \"CONTRACT\" ADD COLUMN \"Misc13\" LONGTEXT COLLATE NOCASE"},
        {"ALTER TABLE T ADD N LONG NOT NULL DEFAULT 0",
         "ALTER TABLE T ADD COLUMN N INT32 NOT NULL DEFAULT 0"},
        {"ALTER TABLE T ADD COLUMN D DATETIME", "ALTER TABLE T ADD COLUMN D DATETIME"},
        {"ALTER TABLE T DROP COLUMN Misc13", "ALTER TABLE T DROP COLUMN Misc13"},
        {"ALTER TABLE T DROP [Misc 13]", "ALTER TABLE T DROP COLUMN \"Misc 13\""},
        {"CREATE TABLE BACKUP (Id COUNTER CONSTRAINT PK PRIMARY KEY, Id_File SHORT, Title TEXT(128) WITH "
         "COMPRESSION, Memo1 LONGTEXT, N1 INTEGER, N2 BYTE, D1 DATE, B1 YESNO, C1 CURRENCY, R1 SINGLE, F1 "
         "FLOAT, "
         "P1 LONGBINARY, T1 TEXT, V1 VARCHAR(20) NOT NULL)",
         "CREATE TABLE BACKUP (Id INTEGER PRIMARY KEY AUTOINCREMENT, Id_File INT16, Title TEXT(128) COLLATE "
         "NOCASE, Memo1 LONGTEXT COLLATE NOCASE, N1 INT32, N2 TINYINT, D1 DATETIME, B1 BOOL, C1 CURRENCY, R1 "
         "REAL, F1 DOUBLE, P1 BLOB, T1 TEXT(255) COLLATE NOCASE, V1 TEXT(20) COLLATE NOCASE NOT NULL)"},
        {"CREATE TABLE [T 2] ([ID] AUTOINCREMENT, A SMALLINT, B OLEOBJECT, C BIT, CONSTRAINT PrimaryKey "
         "PRIMARY "
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
        "SELECT * FROM T WHERE A='open",
        "SELECT * FROM T WHERE A=\"open",
        "SELECT [Title FROM T",
        "SELECT * FROM T WHERE D=#3/25/2007",
        "SELECT * FROM T WHERE D=#2/30/2007#",
        "SELECT * FROM T WHERE D=#hello#",
        "SELECT TOP 10 PERCENT * FROM T",
        "ALTER TABLE T ALTER COLUMN A TEXT(20)",
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

namespace {

// A dossier 3 of four contracts and a dossier 4 of one, with their parties, in a copy of the shipped
// database.
class JetStatementsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        const QString path = m_folder.file(QStringLiteral("Access/CONTRACT.MDB"));
        testsupport::copyShippedDatabase(path);
        m_db.open(path);
        const char* const rows[] = {
            "INSERT INTO PROFILES (ID, LoginName, FullName, Comment, Administrator, Custom00144243) VALUES "
            "(3, 'Dossier A', 'Propriétaire', 'obs', False, 'x')",
            "INSERT INTO PROFILES (ID, LoginName, FullName, Administrator) VALUES (4, \"Dossier B\", "
            "'Autre', True)",
            "INSERT INTO CONTRACT (Id, Id_File, Title, NoContract, State, Date_Term, Category, Location, "
            "AnnualCost, "
            "TacitRenewal, Alarm) VALUES (1, 3, 'Bail commercial', 'N-001', 'SIGNE', #6/30/2008#, "
            "'Immobilier/Bureaux', 'Paris', 1200.5, True, 3)",
            "INSERT INTO CONTRACT (Id, Id_File, Title, NoContract, State, Date_Term, Category, Location, "
            "AnnualCost, "
            "TacitRenewal, Alarm) VALUES (2, 3, 'Assurance été', 'n-002', 'PROJET', #1/15/2009#, "
            "'Immobilier', "
            "'Lyon', 300, False, 0)",
            "INSERT INTO CONTRACT (Id, Id_File, Title, NoContract, State, Date_Term, Category, Location, "
            "AnnualCost, "
            "TacitRenewal, Alarm) VALUES (3, 3, 'élagage', 'N-003', 'SIGNE', #3/25/2007#, "
            "'Immobilier/Bureaux/Étage', 'PARIS', Null, False, 1)",
            "INSERT INTO CONTRACT (Id, Id_File, Title, NoContract, State, Date_Term, Category, Location, "
            "AnnualCost, "
            "TacitRenewal, Alarm) VALUES (4, 3, 'Immobilier de l''Est', 'N-004', 'ARCHIVE', Null, "
            "'Immobilier/Bureau', '', 50, False, 2)",
            "INSERT INTO CONTRACT (Id, Id_File, Title, NoContract, State, Date_Term, Category, Location, "
            "AnnualCost, "
            "TacitRenewal, Alarm) VALUES (5, 4, 'Autre bail', 'N-001', 'SIGNE', #1/1/2008#, "
            "'Immobilier/Bureaux', "
            "'Paris', 10, True, 12)",
            "INSERT INTO PEOPLE (Id, Id_File, Name, NickName) VALUES (1, -1, 'ÉLISE Martin', 'EM')",
            "INSERT INTO PEOPLE (Id, Id_File, Name, NickName) VALUES (2, -1, 'Dupont', 'JD')",
            "INSERT INTO PEOPLE (Id, Id_File, Name, NickName) VALUES (3, -1, 'l''eau', '')",
            "INSERT INTO L_PEOPLE (Id, Id_File, Id_Ref, Id_People, Category) VALUES (1, 3, 1, 1, 'Bailleur')",
            "INSERT INTO L_PEOPLE (Id, Id_File, Id_Ref, Id_People, Category) VALUES (2, 3, 1, 2, 'Preneur')",
            "INSERT INTO L_PEOPLE (Id, Id_File, Id_Ref, Id_People, Category) VALUES (3, 3, 2, 1, 'Assuré')",
            "INSERT INTO COMPANY (Id, Id_File, Title, Name) VALUES (1, -1, 'Société Générale', 'SG')",
            "INSERT INTO L_COMPANY (Id, Id_File, Id_Ref, Id_Company, Category) VALUES (1, 3, 2, 1, "
            "'Assureur')",
            "INSERT INTO EVENT (Id_File, Id_Ref, DateEvent, Description) VALUES (3, 1, #4/1/2007#, "
            "'Signature')",
            "INSERT INTO TREE (Id, Id_File, NodeTitle, NodeLevel, NodePos) VALUES (1, 3, 'Immobilier', 0, 0)",
            "INSERT INTO TREE (Id, Id_File, NodeTitle, NodeLevel, NodePos) VALUES (2, 3, 'Bureaux', 1, 1)",
            "INSERT INTO CUSTOMLAB (Id_File, Contract_Misc01) VALUES (3, 'Champ A')",
        };
        for (const char* row : rows)
            m_db.execute(QString::fromUtf8(row));
    }
    void TearDown() override { app::clock::clearFixed(); }

    // Every row, its columns joined by "|"; the rows joined by ",".
    std::string rows(const QString& jetSql)
    {
        db::SqliteStatement statement = m_db.prepare(jetSql);
        QStringList lines;
        while (statement.step()) {
            QStringList values;
            for (int i = 0; i < statement.columnCount(); ++i)
                values << (statement.isNull(i) ? QStringLiteral("NULL") : statement.textValue(i));
            lines << values.join(QLatin1Char('|'));
        }
        return lines.join(QLatin1Char(',')).toStdString();
    }

    testsupport::TempFolder m_folder;
    db::SqliteConnection m_db;
};

const char* const searchSelect =
    "SELECT Distinct\n  [CONTRACT].[Id],\n  [CONTRACT].[Id_File],\n  [CONTRACT].[State] as [State],\n"
    "  [CONTRACT].[Title] as [Title],\n  [CONTRACT].[Misc12] as [Misc12]\nFROM \n"
    "  ((([CONTRACT] LEFT JOIN [L_COMPANY] ON [CONTRACT].[Id] = [L_COMPANY].[Id_Ref]) LEFT JOIN [L_PEOPLE] "
    "ON "
    "[CONTRACT].[Id] = [L_PEOPLE].[Id_Ref]) LEFT JOIN [COMPANY] ON [L_COMPANY].[Id_Company] = "
    "[COMPANY].[Id]) "
    "LEFT JOIN [PEOPLE] ON [L_PEOPLE].[Id_People] = [PEOPLE].[Id]\n";

const char* const treeSelect =
    "SELECT Distinct CONTRACT.Id, CONTRACT.Id_File, CONTRACT.Title , CONTRACT.NoContract , CONTRACT.State \n"
    "FROM (((CONTRACT LEFT JOIN L_PEOPLE ON CONTRACT.Id = L_PEOPLE.Id_Ref) LEFT JOIN L_COMPANY ON "
    "CONTRACT.Id = "
    "L_COMPANY.Id_Ref) LEFT JOIN COMPANY ON L_COMPANY.Id_Company = COMPANY.Id) LEFT JOIN PEOPLE ON "
    "L_PEOPLE.Id_People = PEOPLE.Id \n";

} // namespace

TEST_F(JetStatementsTest, TheProgramsStatementsRunAndGiveTheRightRows)
{
    struct Case {
        std::string sql;
        const char* rows;
    };
    const std::string search = searchSelect;
    const std::string tree = treeSelect;
    const Case cases[] = {
        {"SELECT ID, FullName, LoginName, LoginPassword, Administrator, Comment as [Color], Custom00144243 "
         "as [Size] "
         "FROM PROFILES\nWHERE ID=-1",
         ""},
        {"SELECT ID, LoginName, Administrator, Comment as [Color] FROM PROFILES ORDER BY LoginName",
         "3|Dossier A|0|obs,4|Dossier B|1|NULL"},
        {"SELECT Id FROM CONTRACT\nWHERE Id_File=3\nORDER BY TITLE", "2,1,3,4"},
        {"SELECT Id FROM CONTRACT\nWHERE Id_File=3\nORDER BY Contract.Title DESC, Contract.Id", "4,3,1,2"},
        {"SELECT [VALUE] FROM [OBJECT_VAL_STR] WHERE [ID_CLASS]=-99 AND [ID_ATTRIBUTE]=-99 AND [USERID]=-99",
         "1.34"},
        // multi-criteria search: AND binds before OR, so the date condition reaches every dossier
        {search + "WHERE CONTRACT.Id_File=3 AND [CONTRACT].[Title] LIKE '%bail%' OR "
                  "[CONTRACT].[Date_Term]<=#12/31/2008#\nORDER BY [CONTRACT].[Title]",
         "5|4|SIGNE|Autre bail|NULL,1|3|SIGNE|Bail commercial|NULL,3|3|SIGNE|élagage|NULL"},
        {search + "WHERE CONTRACT.Id_File=3 AND [PEOPLE].[Name] LIKE 'élise%'\nORDER BY Contract.Title DESC, "
                  "Contract.Id",
         "1|3|SIGNE|Bail commercial|NULL,2|3|PROJET|Assurance été|NULL"},
        {search + "WHERE CONTRACT.Id_File=3 AND [COMPANY].[Title]='société générale'\nORDER BY Contract.Id",
         "2|3|PROJET|Assurance été|NULL"},
        {search +
             "WHERE CONTRACT.Id_File=3 AND [CONTRACT].[TacitRenewal]=False AND [CONTRACT].[Length]=Null\n"
             "ORDER BY Contract.Id",
         ""},
        {search + "WHERE [CONTRACT].[ID]=-1\nORDER BY [CONTRACT].[Title]", ""},
        // navigation tree
        {tree + "WHERE L_PEOPLE.Id_People=1 AND CONTRACT.Id_File=3\n ORDER BY CONTRACT.Title",
         "2|3|Assurance été|n-002|PROJET,1|3|Bail commercial|N-001|SIGNE"},
        {tree + "WHERE CONTRACT.State='SIGNE' AND CONTRACT.Id_File=3\n ORDER BY CONTRACT.Title",
         "1|3|Bail commercial|N-001|SIGNE,3|3|élagage|N-003|SIGNE"},
        {tree + "WHERE L_COMPANY.Id_Company=1 AND CONTRACT.Id_File=3\n ORDER BY CONTRACT.Title",
         "2|3|Assurance été|n-002|PROJET"},
        {tree +
             "WHERE CONTRACT.Category='IMMOBILIER/BUREAUX' AND CONTRACT.Id_File=3\n ORDER BY CONTRACT.Title",
         "1|3|Bail commercial|N-001|SIGNE"},
        {"SELECT Distinct PEOPLE.Id, PEOPLE.Name, PEOPLE.NickName  FROM L_PEOPLE LEFT JOIN PEOPLE ON "
         "L_PEOPLE.Id_People = PEOPLE.Id  ORDER BY PEOPLE.Name",
         "2|Dupont|JD,1|ÉLISE Martin|EM"},
        {"SELECT Distinct COMPANY.Id, COMPANY.Title, COMPANY.Category  FROM L_COMPANY LEFT JOIN COMPANY ON "
         "L_COMPANY.Id_Company = COMPANY.Id  ORDER BY COMPANY.Title",
         "1|Société Générale|NULL"},
        {"SELECT Id, NodeTitle, NodeLevel, NodePos FROM TREE WHERE Id_File=3 ORDER BY NODEPOS",
         "1|Immobilier|0|0,2|Bureaux|1|1"},
        {"SELECT Title FROM COMPANY WHERE Id=1", "Société Générale"},
        {"SELECT Contract_Misc01 FROM CUSTOMLAB WHERE Id_File=3", "Champ A"},
        // parties
        {"SELECT L_PEOPLE.Id, L_PEOPLE.Category, PEOPLE.Name, PEOPLE.NickName, PEOPLE.Phone, PEOPLE.Email, "
         "PEOPLE.ImgMini1 FROM L_PEOPLE LEFT JOIN PEOPLE ON L_PEOPLE.Id_People = PEOPLE.Id WHERE "
         "L_PEOPLE.Id_Ref=1",
         "1|Bailleur|ÉLISE Martin|EM|NULL|NULL|NULL,2|Preneur|Dupont|JD|NULL|NULL|NULL"},
        {"SELECT PEOPLE.Id as [Id], PEOPLE.Name as [Title] FROM PEOPLE WHERE PEOPLE.Id=3", "3|l'eau"},
        {"SELECT COMPANY.Id as [Id], COMPANY.Name as [Title] FROM COMPANY WHERE COMPANY.Id=1", "1|SG"},
        {"SELECT Id_People FROM L_PEOPLE WHERE Id=2", "2"},
        {"SELECT * FROM PEOPLE ORDER BY PEOPLE.Name",
         "2|-1|Dupont|JD|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|"
         "NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL,1|-1|ÉLISE "
         "Martin|EM|NULL|NULL|NULL|NULL|"
         "NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL,3|-1|l'"
         "eau||NULL|"
         "NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|"
         "NULL|NULL"},
        // tree rename: the LIKE also finds the sibling whose name merely begins the same way
        {"SELECT Id FROM CONTRACT WHERE Id_File=3 AND CATEGORY like 'Immobilier/Bureau%' ORDER BY Id",
         "1,3,4"},
        // import duplicates and parties
        {"SELECT Id FROM Contract WHERE Id_File=3 AND NoContract='n-001'", "1"},
        {"SELECT id FROM People Where Name='l''eau'", "3"},
        {"SELECT id FROM Company Where Title='SOCIETE GENERALE'", ""},
        {"SELECT id FROM Company Where Title='SOCIÉTÉ GÉNÉRALE'", "1"},
        // query builder: text, yes/no, dates with =<, a "contains" filter, GROUP BY of the selected columns
        {"SELECT CONTRACT.[Title], CONTRACT.[Date_Term]\nFROM CONTRACT\nWHERE CONTRACT.[State]='SIGNE' AND "
         "CONTRACT.[Date_Term]=<#12/31/2008# AND CONTRACT.Id_File=3\nGROUP BY CONTRACT.[Title], "
         "CONTRACT.[Date_Term]\nORDER BY CONTRACT.Title ASC",
         "Bail commercial|2008-06-30,élagage|2007-03-25"},
        {"SELECT CONTRACT.[Title]\nFROM CONTRACT\nWHERE CONTRACT.[TacitRenewal]=True AND CONTRACT.Id_File=3\n"
         "GROUP BY CONTRACT.[Title]",
         "Bail commercial"},
        {"SELECT CONTRACT.[Title]\nFROM CONTRACT\nWHERE CONTRACT.[Title] like '%ÉTÉ%' OR "
         "CONTRACT.[AnnualCost]>1000 "
         "AND CONTRACT.Id_File=3\nGROUP BY CONTRACT.[Title]\nORDER BY CONTRACT.Title DESC",
         "Bail commercial,Assurance été"},
        {"SELECT DISTINCT CONTRACT.[Location] FROM CONTRACT WHERE CONTRACT.Id_File=3", "Paris,Lyon,"},
        {"SELECT DISTINCT [Location] FROM [CONTRACT] WHERE Id_File=3 ORDER BY [Location]", ",Lyon,Paris"},
        // statistics
        {"SELECT DISTINCT CONTRACT.[State], Count(CONTRACT.[Id]) AS STATVALUE\nFROM CONTRACT\nWHERE "
         "CONTRACT.Id_File=3\nGROUP BY CONTRACT.[State]\nORDER BY CONTRACT.[State]",
         "ARCHIVE|1,PROJET|1,SIGNE|2"},
        {"SELECT DISTINCT CONTRACT.[Location], Sum(CONTRACT.[AnnualCost]) AS STATVALUE\nFROM CONTRACT\nWHERE "
         "CONTRACT.Id_File=3\nGROUP BY CONTRACT.[Location]\nHAVING Count(*) >= 1\nORDER BY "
         "CONTRACT.[Location]",
         "|50.0,Lyon|300.0,Paris|1200.5"},
        {"SELECT CONTRACT.[Title], CONTRACT.[State]\nFROM CONTRACT\nWHERE CONTRACT.Id_File=3\nGROUP BY "
         "CONTRACT.[Title], CONTRACT.[State]\nORDER BY CONTRACT.[State], CONTRACT.Title DESC",
         "Immobilier de l'Est|ARCHIVE,Assurance été|PROJET,élagage|SIGNE,Bail commercial|SIGNE"},
        // reports and update scripts
        {"SELECT\n  [CONTRACTIMG].[Title] as [Title],\n  [CONTRACTIMG].[ImgMini] as [Image]\nFROM "
         "[CONTRACTIMG]\n"
         "WHERE [CONTRACTIMG].[Id_Ref]=-1\nORDER BY [CONTRACTIMG].[Title]",
         ""},
        {"SELECT id FROM BACKUP", ""},
        {"SELECT TOP 2 Title FROM CONTRACT WHERE Id_File=3 ORDER BY Title", "Assurance été,Bail commercial"},
        {"SELECT Title & ' (' & NoContract & ')' FROM CONTRACT WHERE Id_File=3 AND Date_Term Is Null",
         "Immobilier de l'Est (N-004)"},
    };
    for (const Case& c : cases) {
        try {
            EXPECT_EQ(rows(QString::fromStdString(c.sql)), c.rows) << c.sql;
        } catch (const app::AppError& error) {
            ADD_FAILURE() << c.sql << "\n" << error.text().toStdString();
        }
    }
}

TEST_F(JetStatementsTest, AlarmListComparesTermsWithTheLocalClockMonthsAhead)
{
    const QString alarms = QStringLiteral(
        "SELECT Id FROM CONTRACT\nWHERE Id_File=3 AND CONTRACT.State='SIGNE' AND CONTRACT.Alarm>0 AND "
        "CONTRACT.Date_Term<=DATEADD('m', CONTRACT.Alarm, now())\nORDER BY CONTRACT.Title");
    struct Case {
        QDateTime now;
        const char* rows;
    };
    const Case cases[] = {
        {QDateTime(QDate(2008, 3, 15), QTime(9, 0)), "3"},
        {QDateTime(QDate(2008, 3, 30), QTime(0, 0)), "1,3"},   // 30/06 is reached exactly
        {QDateTime(QDate(2008, 3, 31), QTime(23, 59)), "1,3"}, // 31/03 + 3 months stays in June
        {QDateTime(QDate(2007, 2, 24), QTime(23, 59)), ""},
        {QDateTime(QDate(2007, 2, 25), QTime(0, 0)), "3"},
    };
    for (const Case& c : cases) {
        app::clock::setFixed(c.now);
        EXPECT_EQ(rows(alarms), c.rows) << c.now.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(JetStatementsTest, DeletionsAndTreeUpdatesTouchOnlyTheirRows)
{
    EXPECT_EQ(m_db.execute(
                  QStringLiteral("UPDATE CONTRACT SET CATEGORY='' WHERE Id_File=3 AND "
                                 "(CATEGORY='Immobilier/Bureaux' OR CATEGORY like 'Immobilier/Bureaux/%')")),
              2);
    EXPECT_EQ(rows(QStringLiteral("SELECT Id, Category FROM CONTRACT ORDER BY Id")),
              "1|,2|Immobilier,3|,4|Immobilier/Bureau,5|Immobilier/Bureaux");
    EXPECT_EQ(m_db.execute(QStringLiteral("DELETE FROM L_PEOPLE WHERE L_PEOPLE.Id_Ref=1")), 2);
    EXPECT_EQ(m_db.execute(QStringLiteral("DELETE FROM L_COMPANY WHERE L_COMPANY.Id_Ref=1")), 0);
    EXPECT_EQ(m_db.execute(QStringLiteral("DELETE FROM EVENT WHERE Id_Ref=1")), 1);
    EXPECT_EQ(m_db.execute(QStringLiteral("DELETE FROM L_PEOPLE WHERE L_PEOPLE.Id_People=1")), 1);
    EXPECT_EQ(m_db.execute(QStringLiteral("DELETE FROM TREE WHERE TREE.Id_File=3")), 2);
    EXPECT_EQ(m_db.execute(QStringLiteral("DELETE * FROM CUSTOMLAB WHERE CUSTOMLAB.Id_File=3")), 1);
    EXPECT_EQ(m_db.execute(QStringLiteral("DELETE FROM Backup")), 0);
    EXPECT_EQ(rows(QStringLiteral("SELECT Count(*) FROM L_PEOPLE")), "0");
}

TEST_F(JetStatementsTest, UpdateScriptDataDefinitionRunsOnTheEngine)
{
    m_db.execute(QStringLiteral("ALTER TABLE CONTRACT ADD COLUMN Misc13 TEXT(50)"));
    m_db.execute(QStringLiteral("ALTER TABLE [CONTRACT] ADD [Misc14] MEMO"));
    m_db.execute(
        QStringLiteral("CREATE TABLE HISTORY (Id COUNTER CONSTRAINT PK PRIMARY KEY, Id_Ref SHORT, "
                       "Note TEXT(20), Done YESNO, Stamp DATETIME, Amount CURRENCY, Pic LONGBINARY)"));
    m_db.execute(QStringLiteral("CREATE INDEX Id_Ref ON HISTORY (Id_Ref)"));
    m_db.execute(QStringLiteral("CREATE UNIQUE INDEX Note ON HISTORY (Note)"));
    QStringList types;
    for (const db::ColumnInfo& column : m_db.columns(QStringLiteral("HISTORY")))
        types << column.name + QLatin1Char(' ') + column.declaredType;
    EXPECT_EQ(
        types.join(QStringLiteral(", ")).toStdString(),
        "Id INTEGER, Id_Ref INT16, Note TEXT(20), Done BOOL, Stamp DATETIME, Amount CURRENCY, Pic BLOB");
    EXPECT_EQ(m_db.columns(QStringLiteral("CONTRACT")).last().declaredType, QStringLiteral("LONGTEXT"));

    m_db.execute(QStringLiteral("INSERT INTO HISTORY (Id_Ref, Note, Done) VALUES (1, 'élan', True)"));
    m_db.execute(QStringLiteral("INSERT INTO HISTORY (Id_Ref, Note, Done) VALUES (1, 'b', False)"));
    m_db.execute(QStringLiteral("DELETE FROM HISTORY WHERE Note='b'"));
    m_db.execute(QStringLiteral("INSERT INTO HISTORY (Id_Ref, Note) VALUES (2, 'c')"));
    EXPECT_EQ(rows(QStringLiteral("SELECT Id FROM HISTORY ORDER BY Id")), "1,3"); // an Id is never reused
    EXPECT_THROW(m_db.execute(QStringLiteral("INSERT INTO HISTORY (Note) VALUES ('ÉLAN')")), app::AppError);

    m_db.execute(QStringLiteral("DROP INDEX Id_Ref ON HISTORY"));
    m_db.execute(QStringLiteral("DROP INDEX Note ON HISTORY"));
    m_db.execute(QStringLiteral("ALTER TABLE HISTORY DROP COLUMN Id_Ref"));
    m_db.execute(QStringLiteral("ALTER TABLE CONTRACT DROP COLUMN Misc13"));
    EXPECT_EQ(m_db.columns(QStringLiteral("HISTORY")).size(), 6);
    m_db.execute(QStringLiteral("DROP TABLE [HISTORY]"));
    EXPECT_FALSE(m_db.hasTable(QStringLiteral("HISTORY")));
    EXPECT_EQ(rows(QStringLiteral("PRAGMA integrity_check")), "ok");
}
