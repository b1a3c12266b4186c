#pragma once

#include <QList>
#include <QString>

// Turns statements of the Jet SQL dialect into the engine's SQL.
namespace db::jet {

class EngineSyntax;

// Throws app::AppError (French text) on a statement it cannot read, such as an unclosed literal.
QString translate(const QString& jetSql);
// The same for another engine's forms.
QString translate(const QString& jetSql, const EngineSyntax& syntax);

struct SelectColumn {
    QString column; // a plain column of the table
    QString alias;  // empty if none
};

// What an updatable dataset needs to know of its SELECT.
struct SelectShape {
    bool singleTable = false; // SELECT <* | plain columns [as alias]> FROM <one table> [[AS] alias]
                              // [WHERE ...] [ORDER BY ...]; no DISTINCT/TOP/JOIN/GROUP BY/HAVING/UNION,
                              // no expressions or functions in the select list, no comma in FROM
    QString table;            // unbracketed table name as written
    QString tableAlias;       // unbracketed alias of the table; empty if none
    bool star = false;
    QList<SelectColumn> columns; // unbracketed, qualifiers dropped ("[CONTRACT].[Title]" -> Title)
    QString where;   // the WHERE condition translated to engine SQL, without the keyword; may be empty
    QString orderBy; // the ORDER BY terms translated to engine SQL, without the keyword; may be empty
};

// Never throws for a statement that is not a SELECT (singleTable false); throws like translate() on a
// text it cannot read.
SelectShape analyseSelect(const QString& jetSql);

} // namespace db::jet
