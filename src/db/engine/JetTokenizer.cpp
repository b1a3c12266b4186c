#include "db/engine/JetTokenizer.h"

#include "app/AppError.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace db::jet {

namespace {

[[noreturn]] void unreadable(const QString& what, const QString& sql)
{
    throw app::AppError(QStringLiteral("La requête ne peut pas être lue : %1.\r%2").arg(what, sql));
}

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}
bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Two-digit years as Jet reads them: 00 to 29 in this century, 30 to 99 in the last.
int fullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

} // namespace

QString jetDateToIso(const QString& inside)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*(?:(?:(\\d{1,2})[/-](\\d{1,2})[/-](\\d{2}|\\d{4})|(\\d{4})-(\\d{1,2})-(\\d{1,2})))?\\s*"
        "(?:(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*([AaPp][Mm])?)?\\s*$"));
    const QRegularExpressionMatch m = pattern.match(inside);
    if (!m.hasMatch() || inside.trimmed().isEmpty())
        return {};
    QDate date(1899, 12, 30); // Jet's day zero, for a time alone
    if (m.hasCaptured(1))
        date = QDate(fullYear(m.captured(3).toInt(), static_cast<int>(m.captured(3).size())),
                     m.captured(1).toInt(), m.captured(2).toInt());
    else if (m.hasCaptured(4))
        date = QDate(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid())
        return {};
    QString iso = date.toString(Qt::ISODate);
    if (!m.hasCaptured(7))
        return iso;
    int hour = m.captured(7).toInt();
    if (m.hasCaptured(10)) {
        if (hour < 1 || hour > 12)
            return {};
        const bool pm = m.captured(10).startsWith(QLatin1Char('p'), Qt::CaseInsensitive);
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, m.captured(8).toInt(), m.captured(9).toInt());
    if (!time.isValid())
        return {};
    if (time == QTime(0, 0) && (m.hasCaptured(1) || m.hasCaptured(4)))
        return iso;
    return iso + QLatin1Char(' ') + time.toString(QStringLiteral("hh:mm:ss"));
}

qsizetype nextSolid(const Tokens& tokens, qsizetype from, qsizetype end)
{
    if (end < 0)
        end = tokens.size();
    while (from < end && tokens[from].isSpace())
        ++from;
    return from;
}

Tokens tokenize(const QString& sql)
{
    Tokens tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    auto add = [&](TokenKind kind, qsizetype start, QString value = QString()) {
        tokens.append({kind, sql.mid(start, i - start), std::move(value)});
    };
    while (i < n) {
        const qsizetype start = i;
        const QChar c = sql[i];
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            add(TokenKind::Space, start);
        } else if (c == QLatin1Char('[') || c == QLatin1Char('`')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('`');
            const qsizetype end = sql.indexOf(close, i + 1);
            if (end < 0)
                unreadable(QStringLiteral("un nom entre crochets n'est pas fermé"), sql);
            i = end + 1;
            add(TokenKind::Identifier, start, sql.mid(start + 1, end - start - 1));
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString value;
            ++i;
            for (;;) {
                if (i >= n)
                    unreadable(QStringLiteral("un texte entre %1 n'est pas fermé")
                                   .arg(c == QLatin1Char('"') ? QStringLiteral("guillemets")
                                                              : QStringLiteral("apostrophes")),
                               sql);
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        value += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += sql[i++];
            }
            add(TokenKind::String, start, value);
        } else if (c == QLatin1Char('#')) {
            const qsizetype end = sql.indexOf(QLatin1Char('#'), i + 1);
            if (end < 0)
                unreadable(QStringLiteral("une date entre # n'est pas fermée"), sql);
            i = end + 1;
            const QString iso = jetDateToIso(sql.mid(start + 1, end - start - 1));
            if (iso.isEmpty())
                unreadable(QStringLiteral("la date « %1 » est incorrecte").arg(sql.mid(start, i - start)),
                           sql);
            add(TokenKind::Date, start, iso);
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && sql[i + 1].isDigit())) {
            while (i < n && sql[i].isDigit())
                ++i;
            if (i < n && sql[i] == QLatin1Char('.')) {
                ++i;
                while (i < n && sql[i].isDigit())
                    ++i;
            }
            if (i + 1 < n && (sql[i] == QLatin1Char('e') || sql[i] == QLatin1Char('E'))) {
                qsizetype j = i + 1;
                if (j < n && (sql[j] == QLatin1Char('+') || sql[j] == QLatin1Char('-')))
                    ++j;
                if (j < n && sql[j].isDigit()) {
                    i = j;
                    while (i < n && sql[i].isDigit())
                        ++i;
                }
            }
            add(TokenKind::Number, start);
        } else if (isWordStart(c)) {
            while (i < n && isWordPart(sql[i]))
                ++i;
            add(TokenKind::Word, start);
        } else if (c == QLatin1Char('?')) {
            ++i;
            add(TokenKind::Parameter, start);
        } else if ((c == QLatin1Char(':') || c == QLatin1Char('@')) && i + 1 < n && isWordStart(sql[i + 1])) {
            ++i;
            while (i < n && isWordPart(sql[i]))
                ++i;
            add(TokenKind::Parameter, start);
        } else {
            static const char* const pairs[] = {"<>", "<=", ">=", "!=", "==", "||", "=<", "=>"};
            ++i;
            for (const char* pair : pairs) {
                if (c == QLatin1Char(pair[0]) && i < n && sql[i] == QLatin1Char(pair[1])) {
                    ++i;
                    break;
                }
            }
            add(TokenKind::Symbol, start);
            // Jet also reads =< and => as <= and >=.
            if (tokens.last().text == QLatin1String("=<"))
                tokens.last().text = QStringLiteral("<=");
            else if (tokens.last().text == QLatin1String("=>"))
                tokens.last().text = QStringLiteral(">=");
        }
    }
    return tokens;
}

} // namespace db::jet
