#include "cli/SqlCommand.h"

#include "app/Startup.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "db/Field.h"
#include "db/engine/SqliteConnection.h"

#include <QRegularExpression>
#include <vector>

namespace cli {

namespace {

// One row stays on one line: tabs and line breaks inside a value are written as \t, \r and \n.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}

// Whether the statement changes rows; the engine's change count means nothing after any other statement.
bool changesRows(const QString& statement) {
    static const QRegularExpression verb(QStringLiteral("^[\\s(]*(INSERT|UPDATE|DELETE)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return verb.match(statement).hasMatch();
}

// The engine would run the first of several statements and drop the others without a word.
bool holdsSeveralStatements(const QString& statement) {
    QChar closing;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement[i];
        if (!closing.isNull()) {
            if (c == closing)
                closing = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            closing = c;
        } else if (c == QLatin1Char('[')) {
            closing = QLatin1Char(']');
        } else if (c == QLatin1Char(';')) {
            return !statement.mid(i + 1).trimmed().isEmpty();
        }
    }
    return false;
}

void printRows(db::SqliteStatement& statement) {
    const int columns = statement.columnCount();
    std::vector<db::FieldKind> kinds;
    QStringList header;
    for (int c = 0; c < columns; ++c) {
        kinds.push_back(db::fieldKindOfDeclaredType(statement.columnDeclType(c)));
        header << oneLine(statement.columnName(c));
    }
    printLine(header.join(QLatin1Char('\t')));
    QStringList values;
    while (statement.step()) {
        values.clear();
        for (int c = 0; c < columns; ++c)
            values << oneLine(db::displayText(kinds[std::size_t(c)], statement.value(c)));
        printLine(values.join(QLatin1Char('\t')));
    }
}

} // namespace

int sqlCommand(const QString& dataDir, const QStringList& args) {
    if (args.size() != 1 || args.first().trimmed().isEmpty()) {
        printError(QStringLiteral("La commande sql attend une seule instruction SQL."));
        return 2;
    }
    if (holdsSeveralStatements(args.first())) {
        printError(QStringLiteral("La commande sql n'exécute qu'une instruction à la fois."));
        return 2;
    }
    CliSession session(dataDir);
    if (!session.start())
        return 1;
    db::SqliteStatement statement = app::mainConnection().prepare(args.first());
    if (statement.columnCount() > 0) {
        printRows(statement);
        return 0;
    }
    const int changed = statement.run();
    printLine(QString::number(changesRows(args.first()) ? changed : 0));
    return 0;
}

} // namespace cli
