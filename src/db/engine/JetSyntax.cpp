#include "db/engine/JetSyntax.h"

#include <QHash>

namespace db::jet {

namespace {

bool isPlainName(const QString& name)
{
    if (name.isEmpty() || name[0].isDigit())
        return false;
    for (QChar c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return false;
    }
    return true;
}

class SqliteSyntax final : public EngineSyntax {
  public:
    QString quoteName(const QString& name) const override
    {
        QString quoted = name;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + quoted + QLatin1Char('"');
    }

    QString textLiteral(const QString& text) const override
    {
        QString quoted = text;
        quoted.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + quoted + QLatin1Char('\'');
    }

    QString dateLiteral(const QString& iso) const override { return textLiteral(iso); }

    QString boolLiteral(bool value) const override
    {
        return value ? QStringLiteral("1") : QStringLiteral("0");
    }

    QString concatenation(const QList<Operand>& operands) const override
    {
        QStringList parts;
        for (const Operand& operand : operands)
            parts << (operand.mayBeNull ? QStringLiteral("ifnull(%1,'')").arg(operand.text) : operand.text);
        return QLatin1Char('(') + parts.join(QLatin1String(" || ")) + QLatin1Char(')');
    }

    QString functionName(const QString& jetName) const override
    {
        // IIF and the trims behave in the engine as in Jet; the others are registered on the connection
        // under a prefix, since several (LEFT, RIGHT, DATE, REPLACE, INSTR, FORMAT) clash with the
        // engine's keywords or built-ins of another meaning.
        static const QHash<QString, QString> names = [] {
            QHash<QString, QString> map;
            for (const char* native : {"IIF", "TRIM", "LTRIM", "RTRIM"})
                map.insert(QLatin1String(native), QString::fromLatin1(native).toLower());
            for (const char* jet :
                 {"NZ",         "UCASE",   "LCASE", "LEN",    "MID",       "LEFT",      "RIGHT",
                  "INSTR",      "YEAR",    "MONTH", "DAY",    "HOUR",      "MINUTE",    "SECOND",
                  "WEEKDAY",    "DATE",    "NOW",   "TIME",   "DATEADD",   "DATEDIFF",  "DATEPART",
                  "DATESERIAL", "FORMAT",  "CSTR",  "CINT",   "CLNG",      "CDBL",      "CSNG",
                  "CCUR",       "CBOOL",   "CDATE", "CVDATE", "DATEVALUE", "TIMEVALUE", "VAL",
                  "ISNULL",     "REPLACE", "INT",   "FIX",    "SGN",       "SPACE"})
                map.insert(QLatin1String(jet), QStringLiteral("jet_") + QString::fromLatin1(jet).toLower());
            return map;
        }();
        return names.value(jetName);
    }

    QString limitClause(const QString& count) const override { return QStringLiteral(" LIMIT ") + count; }

    QString caseBlindCollation() const override { return QStringLiteral(" COLLATE NOCASE"); }

    QString columnType(const QString& jetType, const QStringList& size) const override
    {
        static const QHash<QString, QString> simple = [] {
            QHash<QString, QString> map;
            auto add = [&map](std::initializer_list<const char*> jet, const char* declared) {
                for (const char* name : jet)
                    map.insert(QLatin1String(name), QLatin1String(declared));
            };
            add({"MEMO", "LONGTEXT", "LONGCHAR", "NOTE", "NTEXT"}, "LONGTEXT COLLATE NOCASE");
            add({"SHORT", "SMALLINT", "INTEGER2"}, "INT16");
            add({"LONG", "INT", "INTEGER", "INTEGER4"}, "INT32");
            add({"BYTE", "TINYINT", "INTEGER1"}, "TINYINT");
            add({"DOUBLE", "FLOAT", "FLOAT8", "NUMBER", "IEEEDOUBLE"}, "DOUBLE");
            add({"SINGLE", "REAL", "FLOAT4", "IEEESINGLE"}, "REAL");
            add({"CURRENCY", "MONEY"}, "CURRENCY");
            add({"DATETIME", "DATE", "TIME", "TIMESTAMP"}, "DATETIME");
            add({"BIT", "YESNO", "LOGICAL", "LOGICAL1", "BOOLEAN"}, "BOOL");
            add({"COUNTER", "AUTOINCREMENT", "IDENTITY"}, "INTEGER PRIMARY KEY AUTOINCREMENT");
            add({"LONGBINARY", "OLEOBJECT", "IMAGE", "BINARY", "VARBINARY", "GENERAL"}, "BLOB");
            add({"GUID", "UNIQUEIDENTIFIER"}, "GUID");
            return map;
        }();
        static const QStringList texts = {QStringLiteral("TEXT"),     QStringLiteral("VARCHAR"),
                                          QStringLiteral("CHAR"),     QStringLiteral("CHARACTER"),
                                          QStringLiteral("NVARCHAR"), QStringLiteral("NCHAR"),
                                          QStringLiteral("STRING"),   QStringLiteral("ALPHANUMERIC")};
        if (texts.contains(jetType)) {
            const QString width = size.isEmpty() ? QStringLiteral("255") : size.first();
            return QStringLiteral("TEXT(%1) COLLATE NOCASE").arg(width);
        }
        if (jetType == QLatin1String("DECIMAL") || jetType == QLatin1String("NUMERIC") ||
            jetType == QLatin1String("DEC"))
            return size.isEmpty() ? QStringLiteral("DECIMAL")
                                  : QStringLiteral("DECIMAL(%1)").arg(size.join(QLatin1Char(',')));
        return simple.value(jetType);
    }

    bool isAutoIncrement(const QString& jetType) const override
    {
        return jetType == QLatin1String("COUNTER") || jetType == QLatin1String("AUTOINCREMENT") ||
               jetType == QLatin1String("IDENTITY");
    }

    QString indexName(const QString& table, const QString& index) const override
    {
        const QString prefix = table + QLatin1Char('_');
        const QString name = index.startsWith(prefix, Qt::CaseInsensitive) ? index : prefix + index;
        return isPlainName(name) ? name : quoteName(name);
    }
};

} // namespace

const EngineSyntax& sqliteSyntax()
{
    static const SqliteSyntax syntax;
    return syntax;
}

} // namespace db::jet
