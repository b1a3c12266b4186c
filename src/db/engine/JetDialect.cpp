#include "db/engine/JetDialect.h"

#include "db/engine/JetDdl.h"
#include "db/engine/JetRewriter.h"
#include "db/engine/JetSyntax.h"

namespace db::jet {

namespace {

QString textOf(const Tokens& tokens, qsizetype begin, qsizetype end)
{
    QString text;
    for (qsizetype i = begin; i < end; ++i)
        text += tokens[i].text;
    return text;
}

// Index of the first word at parenthesis depth 0 in [begin, end) matching one of the words, or end.
qsizetype findTopLevel(const Tokens& tokens, qsizetype begin, qsizetype end,
                       std::initializer_list<const char*> words)
{
    int depth = 0;
    for (qsizetype i = begin; i < end; ++i) {
        if (tokens[i].isSymbol("("))
            ++depth;
        else if (tokens[i].isSymbol(")"))
            --depth;
        else if (depth == 0) {
            for (const char* word : words) {
                if (tokens[i].isWord(word))
                    return i;
            }
        }
    }
    return end;
}

// Jet's "DELETE * FROM t" and "DELETE t.* FROM t" name what they delete; the engine takes "DELETE FROM t".
Tokens withoutDeleteTarget(const Tokens& tokens, qsizetype deleteWord)
{
    const qsizetype from = findTopLevel(tokens, deleteWord + 1, tokens.size(), {"FROM"});
    if (from == tokens.size() || nextSolid(tokens, deleteWord + 1) == from)
        return tokens;
    Tokens trimmed = tokens.mid(0, deleteWord + 1);
    trimmed.append({TokenKind::Space, QStringLiteral(" "), {}});
    trimmed.append(tokens.mid(from));
    return trimmed;
}

// Jet's make-table query "SELECT ... INTO t FROM ..." becomes "CREATE TABLE t AS SELECT ... FROM ...".
QString makeTable(const Tokens& tokens, qsizetype selectWord, const EngineSyntax& syntax)
{
    const qsizetype into = findTopLevel(tokens, selectWord, tokens.size(), {"INTO", "FROM"});
    if (into == tokens.size() || !tokens[into].isWord("INTO"))
        return {};
    const qsizetype name = nextSolid(tokens, into + 1);
    if (name == tokens.size() || !tokens[name].isName())
        return {};
    Tokens rest = tokens.mid(0, into);
    rest.append(tokens.mid(nextSolid(tokens, name + 1)));
    const QString table =
        tokens[name].kind == TokenKind::Identifier ? syntax.quoteName(tokens[name].value) : tokens[name].text;
    return QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" AS ") +
           Rewriter(rest, syntax).rewrite(selectWord, rest.size());
}

bool isName(const Tokens& tokens, qsizetype i)
{
    return i < tokens.size() && tokens[i].isName();
}

} // namespace

QString translate(const QString& jetSql, const EngineSyntax& syntax)
{
    Tokens tokens = tokenize(jetSql);
    const qsizetype first = nextSolid(tokens, 0);
    if (first == tokens.size())
        return jetSql;
    const Token& head = tokens[first];
    if (head.isWord("CREATE") || head.isWord("ALTER") || head.isWord("DROP")) {
        const QString ddl = translateDdl(tokens, syntax);
        return ddl.isEmpty() ? jetSql : ddl;
    }
    if (head.isWord("SELECT")) {
        const QString table = makeTable(tokens, first, syntax);
        if (!table.isEmpty())
            return textOf(tokens, 0, first) + table;
    } else if (head.isWord("DELETE")) {
        tokens = withoutDeleteTarget(tokens, first);
    } else if (!head.isWord("INSERT") && !head.isWord("UPDATE") && !head.isSymbol("(")) {
        return jetSql;
    }
    return Rewriter(tokens, syntax).rewriteAll();
}

QString translate(const QString& jetSql)
{
    return translate(jetSql, sqliteSyntax());
}

SelectShape analyseSelect(const QString& jetSql)
{
    SelectShape shape;
    try {
        const Tokens tokens = tokenize(jetSql);
        const qsizetype end = tokens.size();
        auto next = [&](qsizetype i) { return nextSolid(tokens, i + 1); };
        qsizetype i = nextSolid(tokens, 0);
        if (i == end || !tokens[i].isWord("SELECT"))
            return {};
        i = next(i);
        for (const char* word : {"DISTINCT", "DISTINCTROW", "TOP", "ALL"}) {
            if (i < end && tokens[i].isWord(word))
                return {};
        }
        if (i < end && tokens[i].isSymbol("*")) {
            shape.star = true;
            i = next(i);
        } else {
            for (;;) {
                // [qualifier.]column [[AS] alias], or qualifier.*
                if (!isName(tokens, i) || tokens[i].isWord("FROM"))
                    return {};
                QString column = tokens[i].name();
                i = next(i);
                while (i < end && tokens[i].isSymbol(".")) {
                    i = next(i);
                    if (i < end && tokens[i].isSymbol("*")) {
                        column.clear();
                        shape.star = true;
                    } else if (isName(tokens, i)) {
                        column = tokens[i].name();
                    } else {
                        return {};
                    }
                    i = next(i);
                }
                QString alias;
                if (i < end && tokens[i].isWord("AS")) {
                    i = next(i);
                    if (!isName(tokens, i))
                        return {};
                    alias = tokens[i].name();
                    i = next(i);
                } else if (isName(tokens, i) && !tokens[i].isWord("FROM")) {
                    alias = tokens[i].name();
                    i = next(i);
                }
                if (!column.isEmpty())
                    shape.columns.append({column, alias});
                if (i < end && tokens[i].isSymbol(",")) {
                    i = next(i);
                    continue;
                }
                break;
            }
        }
        if (i == end || !tokens[i].isWord("FROM"))
            return {};
        i = next(i);
        if (!isName(tokens, i))
            return {};
        shape.table = tokens[i].name();
        i = next(i);
        if (i < end && tokens[i].isWord("AS")) {
            i = next(i);
            if (!isName(tokens, i))
                return {};
            shape.tableAlias = tokens[i].name();
            i = next(i);
        } else if (isName(tokens, i)) {
            bool keyword = false;
            for (const char* word :
                 {"WHERE", "ORDER", "GROUP", "HAVING", "UNION", "LEFT", "RIGHT", "INNER", "JOIN"})
                keyword = keyword || tokens[i].isWord(word);
            if (!keyword) {
                shape.tableAlias = tokens[i].name();
                i = next(i);
            }
        }
        qsizetype stop = end;
        while (stop > i && (tokens[stop - 1].isSpace() || tokens[stop - 1].isSymbol(";")))
            --stop;
        const qsizetype order = findTopLevel(tokens, i, stop, {"ORDER"});
        if (findTopLevel(tokens, i, stop, {"GROUP", "HAVING", "UNION", "JOIN", "INTO"}) != stop)
            return {};
        const Rewriter rewriter(tokens, sqliteSyntax());
        if (i < stop && tokens[i].isWord("WHERE")) {
            shape.where = rewriter.rewrite(i + 1, order).trimmed();
            i = order;
        }
        if (i < stop) {
            const qsizetype by = next(i);
            if (!tokens[i].isWord("ORDER") || by >= stop || !tokens[by].isWord("BY"))
                return {};
            const QString terms = rewriter.rewrite(i, stop);
            shape.orderBy = terms.mid(textOf(tokens, i, by + 1).size()).trimmed();
        }
        shape.singleTable = true;
        return shape;
    } catch (...) {
        return {};
    }
}

} // namespace db::jet
