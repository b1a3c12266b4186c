#include "app/AppError.h"
#include "db/engine/JetDialect.h"

#include <gtest/gtest.h>

using db::jet::analyseSelect;
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
        EXPECT_EQ(shape.table, QString::fromUtf8(c.table));
        EXPECT_EQ(shape.star, c.star);
        EXPECT_EQ(columnsText(shape), QString::fromUtf8(c.columns));
        EXPECT_EQ(shape.where, QString::fromUtf8(c.where));
        EXPECT_EQ(shape.orderBy, QString::fromUtf8(c.orderBy));
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
