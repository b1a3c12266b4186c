#include "db/engine/JetDdl.h"

#include "app/AppError.h"
#include "db/engine/JetRewriter.h"
#include "db/engine/JetSyntax.h"

namespace db::jet {

namespace {

class DdlReader {
  public:
    DdlReader(const Tokens& tokens, const EngineSyntax& syntax) : m_tokens(tokens), m_syntax(syntax) {}

    QString translate();

  private:
    qsizetype next(qsizetype i) const { return nextSolid(m_tokens, i + 1); }
    bool isWord(qsizetype i, const char* word) const
    {
        return i < m_tokens.size() && m_tokens[i].isWord(word);
    }
    bool isSymbol(qsizetype i, const char* symbol) const
    {
        return i < m_tokens.size() && m_tokens[i].isSymbol(symbol);
    }
    bool isName(qsizetype i) const { return i < m_tokens.size() && m_tokens[i].isName(); }
    QString nameText(qsizetype i) const
    {
        const Token& token = m_tokens[i];
        return token.kind == TokenKind::Identifier ? m_syntax.quoteName(token.value) : token.text;
    }
    QString rest(const Tokens& tokens) const { return Rewriter(tokens, m_syntax).rewriteAll().trimmed(); }
    QString rest(qsizetype begin, qsizetype end) const { return rest(m_tokens.mid(begin, end - begin)); }

    QString createTable(qsizetype i);
    QString createIndex(qsizetype i, bool unique);
    QString alterTable(qsizetype i);
    QString column(qsizetype begin, qsizetype end, QString* autoColumn) const;
    QList<std::pair<qsizetype, qsizetype>> elements(qsizetype open, qsizetype close) const;

    const Tokens& m_tokens;
    const EngineSyntax& m_syntax;
};

QString DdlReader::translate()
{
    qsizetype i = nextSolid(m_tokens, 0);
    if (isWord(i, "CREATE")) {
        i = next(i);
        if (isWord(i, "TABLE"))
            return createTable(next(i));
        const bool unique = isWord(i, "UNIQUE");
        if (unique)
            i = next(i);
        if (isWord(i, "INDEX"))
            return createIndex(next(i), unique);
        return {};
    }
    if (isWord(i, "ALTER")) {
        i = next(i);
        return isWord(i, "TABLE") ? alterTable(next(i)) : QString();
    }
    if (isWord(i, "DROP")) {
        i = next(i);
        if (isWord(i, "TABLE") && isName(next(i)))
            return QStringLiteral("DROP TABLE ") + nameText(next(i));
        if (isWord(i, "INDEX") && isName(next(i))) {
            const qsizetype index = next(i);
            const qsizetype on = next(index);
            if (!isWord(on, "ON") || !isName(next(on)))
                return QStringLiteral("DROP INDEX ") + nameText(index);
            return QStringLiteral("DROP INDEX ") +
                   m_syntax.indexName(m_tokens[next(on)].name(), m_tokens[index].name());
        }
    }
    return {};
}

// The comma-separated parts of a parenthesised list, as [begin, end) ranges.
QList<std::pair<qsizetype, qsizetype>> DdlReader::elements(qsizetype open, qsizetype close) const
{
    QList<std::pair<qsizetype, qsizetype>> list;
    int depth = 0;
    qsizetype start = open + 1;
    for (qsizetype i = open + 1; i <= close; ++i) {
        if (i < close && m_tokens[i].isSymbol("("))
            ++depth;
        else if (i < close && m_tokens[i].isSymbol(")"))
            --depth;
        else if (i == close || (depth == 0 && m_tokens[i].isSymbol(","))) {
            if (nextSolid(m_tokens, start, i) < i)
                list.append({start, i});
            start = i + 1;
        }
    }
    return list;
}

// name TYPE[(size)] [constraints...]
QString DdlReader::column(qsizetype begin, qsizetype end, QString* autoColumn) const
{
    const qsizetype name = nextSolid(m_tokens, begin, end);
    qsizetype i = nextSolid(m_tokens, name + 1, end);
    if (i >= end || m_tokens[i].kind != TokenKind::Word)
        return rest(begin, end);
    const QString type = m_tokens[i].text.toUpper();
    qsizetype after = nextSolid(m_tokens, i + 1, end);
    QStringList size;
    if (after < end && m_tokens[after].isSymbol("(")) {
        const qsizetype close = Rewriter(m_tokens, m_syntax).closing(after, end);
        for (qsizetype k = after + 1; k < close; ++k) {
            if (m_tokens[k].kind == TokenKind::Number)
                size << m_tokens[k].text;
        }
        after = close + 1;
    }
    const bool autoIncrement = m_syntax.isAutoIncrement(type);
    QString declared = m_syntax.columnType(type, autoIncrement ? QStringList() : size);
    if (declared.isEmpty())
        declared = rest(i, std::min(after, end));
    if (autoIncrement && autoColumn)
        *autoColumn = m_tokens[name].name();

    // What follows the type, less Jet's compression flag and, for a counter, the key it already is.
    Tokens constraints;
    for (qsizetype k = after; k < end; ++k) {
        const qsizetype word = nextSolid(m_tokens, k, end);
        if (word >= end)
            break;
        const qsizetype second = nextSolid(m_tokens, word + 1, end);
        if (isWord(word, "WITH") && (isWord(second, "COMPRESSION") || isWord(second, "COMP"))) {
            k = second;
            continue;
        }
        if (autoIncrement && isWord(word, "CONSTRAINT") && isName(second)) {
            const qsizetype primary = nextSolid(m_tokens, second + 1, end);
            if (isWord(primary, "PRIMARY")) {
                k = nextSolid(m_tokens, primary + 1, end);
                continue;
            }
        }
        if (autoIncrement && isWord(word, "PRIMARY") && isWord(second, "KEY")) {
            k = second;
            continue;
        }
        constraints.append(m_tokens[k]);
    }
    const QString tail = rest(constraints);
    return nameText(name) + QLatin1Char(' ') + declared +
           (tail.isEmpty() ? QString() : QLatin1Char(' ') + tail);
}

QString DdlReader::createTable(qsizetype i)
{
    if (!isName(i))
        return {};
    const QString table = nameText(i);
    const qsizetype open = next(i);
    if (!isSymbol(open, "("))
        return {};
    const qsizetype close = Rewriter(m_tokens, m_syntax).closing(open, m_tokens.size());
    QString autoColumn;
    QStringList columns;
    QList<std::pair<qsizetype, qsizetype>> constraints;
    for (const auto& [begin, end] : elements(open, close)) {
        const qsizetype first = nextSolid(m_tokens, begin, end);
        for (const char* word : {"CONSTRAINT", "PRIMARY", "UNIQUE", "FOREIGN", "CHECK"}) {
            if (isWord(first, word)) {
                constraints.append({begin, end});
                break;
            }
        }
        if (constraints.isEmpty() || constraints.last().first != begin)
            columns << column(begin, end, &autoColumn);
    }
    for (const auto& [begin, end] : constraints) {
        // A key on the counter alone is the counter itself.
        qsizetype k = nextSolid(m_tokens, begin, end);
        if (isWord(k, "CONSTRAINT"))
            k = nextSolid(m_tokens, nextSolid(m_tokens, k + 1, end) + 1, end);
        if (!autoColumn.isEmpty() && isWord(k, "PRIMARY")) {
            QStringList keyColumns;
            for (qsizetype t = k; t < end; ++t) {
                if (m_tokens[t].isName() && !m_tokens[t].isWord("PRIMARY") && !m_tokens[t].isWord("KEY"))
                    keyColumns << m_tokens[t].name();
            }
            if (keyColumns.size() == 1 && keyColumns.first().compare(autoColumn, Qt::CaseInsensitive) == 0)
                continue;
        }
        columns << rest(begin, end);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns.join(QStringLiteral(", ")));
}

QString DdlReader::createIndex(qsizetype i, bool unique)
{
    const qsizetype on = next(i);
    if (!isName(i) || !isWord(on, "ON") || !isName(next(on)))
        return {};
    const qsizetype table = next(on);
    const qsizetype open = next(table);
    if (!isSymbol(open, "("))
        return {};
    const qsizetype close = Rewriter(m_tokens, m_syntax).closing(open, m_tokens.size());
    // Jet's options: PRIMARY makes the index unique; DISALLOW NULL and IGNORE NULL have no equivalent here.
    for (qsizetype k = close + 1; k < m_tokens.size(); ++k) {
        if (m_tokens[k].isWord("PRIMARY"))
            unique = true;
    }
    return QStringLiteral("CREATE %1INDEX %2 ON %3 %4")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(),
             m_syntax.indexName(m_tokens[table].name(), m_tokens[i].name()), nameText(table),
             rest(open, std::min(close + 1, m_tokens.size())));
}

QString DdlReader::alterTable(qsizetype i)
{
    if (!isName(i))
        return {};
    const QString table = nameText(i);
    qsizetype action = next(i);
    qsizetype target = next(action);
    if (isWord(target, "COLUMN"))
        target = next(target);
    if (isWord(action, "ADD") && !isWord(target, "CONSTRAINT") && !isWord(target, "PRIMARY") &&
        isName(target))
        return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
            .arg(table, column(target, m_tokens.size(), nullptr));
    if (isWord(action, "DROP") && !isWord(target, "CONSTRAINT") && isName(target))
        return QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, nameText(target));
    if (isWord(action, "ALTER"))
        throw app::AppError(
            QStringLiteral("La modification du type d'une colonne (ALTER COLUMN) n'est pas prise en "
                           "charge par la base de données.\r%1")
                .arg(rest(0, m_tokens.size())));
    return {};
}

} // namespace

QString translateDdl(const Tokens& tokens, const EngineSyntax& syntax)
{
    return DdlReader(tokens, syntax).translate();
}

} // namespace db::jet
