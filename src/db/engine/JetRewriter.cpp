#include "db/engine/JetRewriter.h"

#include "app/AppError.h"
#include "db/engine/JetSyntax.h"

namespace db::jet {

qsizetype Rewriter::closing(qsizetype open, qsizetype end) const
{
    int depth = 0;
    for (qsizetype i = open; i < end; ++i) {
        if (m_tokens[i].isSymbol("("))
            ++depth;
        else if (m_tokens[i].isSymbol(")") && --depth == 0)
            return i;
    }
    return end;
}

bool Rewriter::isWord(const Piece& piece, const char* word) const
{
    return piece.token >= 0 && m_tokens[piece.token].kind == TokenKind::Word &&
           piece.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool Rewriter::isSymbol(const Piece& piece, const char* symbol) const
{
    return piece.token >= 0 && m_tokens[piece.token].isSymbol(symbol);
}

QString Rewriter::wordText(qsizetype index, qsizetype end, const Pieces& before) const
{
    const Token& token = m_tokens[index];
    const qsizetype next = nextSolid(m_tokens, index + 1, end);
    qsizetype previous = before.size() - 1;
    while (previous >= 0 && before[previous].token >= 0 && m_tokens[before[previous].token].isSpace())
        --previous;
    // A table named like a function: INSERT INTO Format (...)
    const bool tableName =
        previous >= 0 && (isWord(before[previous], "INTO") || isWord(before[previous], "UPDATE"));
    if (next < end && m_tokens[next].isSymbol("(") && !tableName) {
        QString name = token.text.toUpper();
        if (name.endsWith(QLatin1Char('$')))
            name.chop(1);
        const QString engineName = m_syntax.functionName(name);
        return engineName.isEmpty() ? token.text : engineName;
    }
    const bool qualified =
        (previous >= 0 && isSymbol(before[previous], ".")) || (next < end && m_tokens[next].isSymbol("."));
    if (!qualified && (token.isWord("TRUE") || token.isWord("FALSE")))
        return m_syntax.boolLiteral(token.isWord("TRUE"));
    if (token.isWord("DISTINCTROW"))
        return QStringLiteral("DISTINCT");
    if (token.isWord("MOD"))
        return QStringLiteral("%");
    return token.text;
}

Rewriter::Pieces Rewriter::pieces(qsizetype begin, qsizetype end) const
{
    Pieces list;
    for (qsizetype i = begin; i < end; ++i) {
        const Token& token = m_tokens[i];
        if (token.isSymbol("(")) {
            const qsizetype close = closing(i, end);
            QString text = QLatin1Char('(') + rewrite(i + 1, close);
            if (close < end)
                text += QLatin1Char(')');
            list.append({text, -1, false});
            i = close;
            continue;
        }
        switch (token.kind) {
        case TokenKind::Word:
            list.append({wordText(i, end, list), i, false});
            break;
        case TokenKind::Identifier:
            list.append({m_syntax.quoteName(token.value), i, false});
            break;
        case TokenKind::String:
            list.append({m_syntax.textLiteral(token.value), i, true});
            break;
        case TokenKind::Date:
            list.append({m_syntax.dateLiteral(token.value), i, true});
            break;
        case TokenKind::Number:
            list.append({token.text, i, true});
            break;
        default:
            list.append({token.text, i, false});
            break;
        }
    }
    return list;
}

bool Rewriter::isBoundary(const Piece& piece) const
{
    static const char* const symbols[] = {",", "=", "<>", "<", ">", "<=", ">=", "!=", "==", ";"};
    static const char* const words[] = {
        "AND",      "OR",     "NOT",   "XOR",   "EQV",   "IMP",   "LIKE",   "IS",     "IN",     "BETWEEN",
        "AS",       "SELECT", "FROM",  "WHERE", "ORDER", "GROUP", "BY",     "HAVING", "ON",     "JOIN",
        "LEFT",     "RIGHT",  "INNER", "OUTER", "FULL",  "CROSS", "SET",    "VALUES", "ASC",    "DESC",
        "DISTINCT", "TOP",    "UNION", "ALL",   "LIMIT", "INTO",  "ESCAPE", "UPDATE", "DELETE", "INSERT",
        "PERCENT",  "CASE",   "WHEN",  "THEN",  "ELSE",  "END",   "COLLATE"};
    if (piece.token < 0)
        return false;
    for (const char* symbol : symbols) {
        if (isSymbol(piece, symbol))
            return true;
    }
    for (const char* word : words) {
        if (isWord(piece, word))
            return true;
    }
    return false;
}

QString Rewriter::takeTop(Pieces& list) const
{
    auto solid = [&](qsizetype from) {
        while (from < list.size() && list[from].token >= 0 && m_tokens[list[from].token].isSpace())
            ++from;
        return from;
    };
    qsizetype i = solid(0);
    if (i >= list.size() || !isWord(list[i], "SELECT"))
        return {};
    i = solid(i + 1);
    if (i < list.size() && (isWord(list[i], "DISTINCT") || isWord(list[i], "ALL")))
        i = solid(i + 1);
    if (i >= list.size() || !isWord(list[i], "TOP"))
        return {};
    const qsizetype number = solid(i + 1);
    if (number >= list.size() || list[number].token < 0 ||
        m_tokens[list[number].token].kind != TokenKind::Number)
        return {};
    qsizetype after = solid(number + 1);
    if (after < list.size() && isWord(list[after], "PERCENT"))
        throw app::AppError(QStringLiteral("La clause TOP n PERCENT n'est pas prise en charge."));
    const QString count = list[number].text;
    list.remove(i, after - i);
    return count;
}

void Rewriter::rewriteConcatenations(Pieces& list) const
{
    auto isSpace = [&](const Piece& piece) { return piece.token >= 0 && m_tokens[piece.token].isSpace(); };
    qsizetype start = 0;
    while (start < list.size()) {
        if (isBoundary(list[start])) {
            ++start;
            continue;
        }
        qsizetype stop = start;
        bool hasAmpersand = false;
        while (stop < list.size() && !isBoundary(list[stop])) {
            hasAmpersand = hasAmpersand || isSymbol(list[stop], "&");
            ++stop;
        }
        if (!hasAmpersand) {
            start = stop;
            continue;
        }
        qsizetype first = start;
        while (first < stop && isSpace(list[first]))
            ++first;
        qsizetype last = stop;
        while (last > first && isSpace(list[last - 1]))
            --last;
        QList<EngineSyntax::Operand> operands;
        QString text;
        int solidPieces = 0;
        bool nullFree = false;
        for (qsizetype i = first; i <= last; ++i) {
            if (i == last || isSymbol(list[i], "&")) {
                operands.append({text.trimmed(), !(solidPieces == 1 && nullFree)});
                text.clear();
                solidPieces = 0;
                continue;
            }
            text += list[i].text;
            if (!isSpace(list[i])) {
                ++solidPieces;
                nullFree = list[i].nullFree;
            }
        }
        // The blanks around the operands stay pieces of their own, so that later steps can still tell them.
        list.remove(first, last - first);
        list.insert(first, {m_syntax.concatenation(operands), -1, false});
        start = first + 1 + (stop - last);
    }
}

void Rewriter::collateTerms(Pieces& list) const
{
    auto isSpace = [&](const Piece& piece) { return piece.token >= 0 && m_tokens[piece.token].isSpace(); };
    auto isStop = [&](const Piece& piece) {
        return isWord(piece, "HAVING") || isWord(piece, "ORDER") || isWord(piece, "GROUP") ||
               isWord(piece, "UNION") || isWord(piece, "LIMIT") || isSymbol(piece, ";");
    };
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!isWord(list[i], "ORDER") && !isWord(list[i], "GROUP"))
            continue;
        qsizetype by = i + 1;
        while (by < list.size() && isSpace(list[by]))
            ++by;
        if (by >= list.size() || !isWord(list[by], "BY"))
            continue;
        qsizetype termStart = by + 1;
        for (qsizetype j = termStart; j <= list.size(); ++j) {
            const bool atEnd = j == list.size() || isStop(list[j]);
            if (!atEnd && !isSymbol(list[j], ","))
                continue;
            // The term is [termStart, j); its expression ends before a trailing ASC or DESC.
            qsizetype last = j;
            while (last > termStart && isSpace(list[last - 1]))
                --last;
            if (last > termStart && (isWord(list[last - 1], "ASC") || isWord(list[last - 1], "DESC"))) {
                --last;
                while (last > termStart && isSpace(list[last - 1]))
                    --last;
            }
            bool plain = true;
            int solid = 0;
            for (qsizetype k = termStart; k < last; ++k) {
                if (isWord(list[k], "COLLATE")) { // the term names its own comparison
                    solid = 0;
                    break;
                }
                if (isSpace(list[k]))
                    continue;
                ++solid;
                const qsizetype token = list[k].token;
                const bool name = token >= 0 && (m_tokens[token].isName() || m_tokens[token].isSymbol(".") ||
                                                 m_tokens[token].kind == TokenKind::Number);
                plain = plain && name;
            }
            if (!plain && solid > 0) {
                list.insert(last, {m_syntax.caseBlindCollation(), -1, false});
                ++j;
            }
            if (atEnd) {
                i = j - 1; // a GROUP BY may be followed by its ORDER BY
                break;
            }
            termStart = j + 1;
        }
    }
}

QString Rewriter::rewrite(qsizetype begin, qsizetype end) const
{
    Pieces list = pieces(begin, end);
    const QString limit = takeTop(list);
    rewriteConcatenations(list);
    collateTerms(list);
    qsizetype tail = list.size();
    while (tail > 0 && list[tail - 1].token >= 0 &&
           (m_tokens[list[tail - 1].token].isSpace() || m_tokens[list[tail - 1].token].isSymbol(";")))
        --tail;
    QString text;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i == tail && !limit.isEmpty())
            text += m_syntax.limitClause(limit);
        text += list[i].text;
    }
    if (tail == list.size() && !limit.isEmpty())
        text += m_syntax.limitClause(limit);
    return text;
}

} // namespace db::jet
