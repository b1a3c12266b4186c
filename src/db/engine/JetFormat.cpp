// Jet's Format() and CStr() as they read on a French system.
#include "app/DateText.h"
#include "db/engine/JetFunctionSupport.h"

#include <QRegularExpression>
#include <cmath>

namespace db::jetfn {

namespace {

const QStringList& monthNames()
{
    static const QStringList names =
        QStringLiteral("janvier février mars avril mai juin juillet août septembre "
                       "octobre novembre décembre")
            .split(QLatin1Char(' '));
    return names;
}

const QStringList& monthAbbreviations()
{
    static const QStringList names =
        QStringLiteral("janv. févr. mars avr. mai juin juil. août sept. oct. nov. déc.")
            .split(QLatin1Char(' '));
    return names;
}

const QStringList& dayNames()
{
    static const QStringList names =
        QStringLiteral("dimanche lundi mardi mercredi jeudi vendredi samedi").split(QLatin1Char(' '));
    return names;
}

const QStringList& dayAbbreviations()
{
    static const QStringList names =
        QStringLiteral("dim. lun. mar. mer. jeu. ven. sam.").split(QLatin1Char(' '));
    return names;
}

QString numberText(double value)
{
    if (std::fabs(value) < 1e15 && value == std::floor(value))
        return QString::number(static_cast<qint64>(value));
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

bool isIsoDate(const QString& text)
{
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}( \\d{2}:\\d{2}:\\d{2})?$"));
    return iso.match(text).hasMatch();
}

QString formatDate(const QDateTime& moment, const QString& pattern)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const qsizetype n = pattern.size();
    QString out;
    bool afterHour = false; // "m" right after an hour is the minutes
    auto run = [&](qsizetype i, QChar c) {
        qsizetype j = i;
        while (j < n && pattern[j].toLower() == c)
            ++j;
        return j - i;
    };
    auto two = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    for (qsizetype i = 0; i < n;) {
        const QChar c = pattern[i].toLower();
        if (pattern.mid(i, 5).compare(QLatin1String("AM/PM"), Qt::CaseInsensitive) == 0) {
            out += time.hour() < 12 ? pattern.mid(i, 2)
                                    : (pattern[i].isUpper() ? QStringLiteral("PM") : QStringLiteral("pm"));
            i += 5;
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < n) {
            out += pattern[i + 1];
            i += 2;
            continue;
        }
        if (c == QLatin1Char('"')) {
            const qsizetype close = pattern.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const qsizetype count = run(i, c);
        if (c == QLatin1Char('d')) {
            if (count >= 4)
                out += dayNames()[date.dayOfWeek() % 7];
            else if (count == 3)
                out += dayAbbreviations()[date.dayOfWeek() % 7];
            else
                out += count == 2 ? two(date.day()) : QString::number(date.day());
            afterHour = false;
        } else if (c == QLatin1Char('m') && afterHour && count <= 2) {
            out += count == 2 ? two(time.minute()) : QString::number(time.minute());
            afterHour = false;
        } else if (c == QLatin1Char('m')) {
            if (count >= 4)
                out += monthNames()[date.month() - 1];
            else if (count == 3)
                out += monthAbbreviations()[date.month() - 1];
            else
                out += count == 2 ? two(date.month()) : QString::number(date.month());
        } else if (c == QLatin1Char('y')) {
            if (count >= 3)
                out += QString::number(date.year());
            else if (count == 2)
                out += two(date.year() % 100);
            else
                out += QString::number(date.dayOfYear());
        } else if (c == QLatin1Char('h')) {
            out += count >= 2 ? two(time.hour()) : QString::number(time.hour());
            afterHour = true;
        } else if (c == QLatin1Char('n')) {
            out += count >= 2 ? two(time.minute()) : QString::number(time.minute());
            afterHour = false;
        } else if (c == QLatin1Char('s')) {
            out += count >= 2 ? two(time.second()) : QString::number(time.second());
            afterHour = false;
        } else if (c == QLatin1Char('q')) {
            out += QString::number((date.month() - 1) / 3 + 1);
        } else {
            out += pattern.mid(i, count);
        }
        i += count;
    }
    return out;
}

// One section of a number format: literal text around a digit pattern such as "#,##0.00".
QString formatNumber(double value, QString pattern)
{
    const qsizetype first = pattern.indexOf(QRegularExpression(QStringLiteral("[0#.,]")));
    if (first < 0)
        return pattern;
    qsizetype last = first;
    while (last < pattern.size() && QStringLiteral("0#.,").contains(pattern[last]))
        ++last;
    QString prefix = pattern.left(first);
    QString suffix = pattern.mid(last);
    const QString digits = pattern.mid(first, last - first);
    if (pattern.contains(QLatin1Char('%')))
        value *= 100;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    const int decimals = static_cast<int>(fraction.size());
    const int minimumDecimals = static_cast<int>(fraction.count(QLatin1Char('0')));
    const bool grouping = integerPart.contains(QLatin1Char(','));
    const int minimumIntegers = static_cast<int>(integerPart.count(QLatin1Char('0')));

    QString text = QString::number(std::fabs(value), 'f', decimals);
    QString whole = text.section(QLatin1Char('.'), 0, 0);
    QString part = text.section(QLatin1Char('.'), 1);
    while (part.size() > minimumDecimals && part.endsWith(QLatin1Char('0')))
        part.chop(1);
    if (whole == QLatin1String("0") && minimumIntegers == 0)
        whole.clear();
    while (whole.size() < minimumIntegers)
        whole.prepend(QLatin1Char('0'));
    if (grouping) {
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, QLatin1Char(' '));
    }
    QString result = whole;
    if (!part.isEmpty())
        result += QLatin1Char(',') + part;
    const bool negative = value < 0 && (result.contains(QRegularExpression(QStringLiteral("[1-9]"))));
    return (negative ? QStringLiteral("-") : QString()) + prefix.remove(QLatin1Char('"')) + result +
           suffix.remove(QLatin1Char('"'));
}

QString namedFormat(const QString& name)
{
    static const std::pair<const char*, const char*> names[] = {{"short date", "dd/mm/yyyy"},
                                                                {"medium date", "dd-mmm-yy"},
                                                                {"long date", "dddd d mmmm yyyy"},
                                                                {"long time", "hh:nn:ss"},
                                                                {"medium time", "hh:nn"},
                                                                {"short time", "hh:nn"},
                                                                {"fixed", "0.00"},
                                                                {"standard", "#,##0.00"},
                                                                {"percent", "0.00%"},
                                                                {"currency", "#,##0.00 €"},
                                                                {"general number", ""}};
    for (const auto& [jet, pattern] : names) {
        if (name.compare(QLatin1String(jet), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(pattern);
    }
    return name;
}

bool isDatePattern(const QString& pattern)
{
    static const QRegularExpression dateCodes(QStringLiteral("[dmyhnsqDMYHNSQ]"));
    QString bare = pattern;
    bare.remove(QRegularExpression(QStringLiteral("\"[^\"]*\"|\\\\.")));
    return bare.contains(dateCodes);
}

} // namespace

QString displayText(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QString::number(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return numberText(number(value));
    default: {
        const QString source = text(value);
        if (isIsoDate(source))
            return app::datetext::toDisplay(app::datetext::fromIso(source));
        return source;
    }
    }
}

QString format(sqlite3_value* value, const QString& requested)
{
    if (isNull(value))
        return {};
    const QString pattern = namedFormat(requested);
    if (requested.compare(QLatin1String("general date"), Qt::CaseInsensitive) == 0 || pattern.isEmpty())
        return displayText(value);
    if (requested.compare(QLatin1String("yes/no"), Qt::CaseInsensitive) == 0)
        return number(value) != 0 ? QStringLiteral("Oui") : QStringLiteral("Non");
    if (requested.compare(QLatin1String("true/false"), Qt::CaseInsensitive) == 0)
        return number(value) != 0 ? QStringLiteral("Vrai") : QStringLiteral("Faux");
    if (requested.compare(QLatin1String("on/off"), Qt::CaseInsensitive) == 0)
        return number(value) != 0 ? QStringLiteral("Actif") : QStringLiteral("Inactif");
    if (isDatePattern(pattern)) {
        const QDateTime moment = dateValue(value);
        return moment.isValid() ? formatDate(moment, pattern) : text(value);
    }
    bool numeric = isNumber(value);
    double amount = number(value);
    if (!numeric) {
        QString source = text(value).trimmed();
        source.replace(QLatin1Char(','), QLatin1Char('.'));
        amount = source.toDouble(&numeric);
        if (!numeric)
            return text(value);
    }
    // Sections: positive;negative;zero
    const QStringList sections = pattern.split(QLatin1Char(';'));
    if (amount < 0 && sections.size() > 1 && !sections[1].isEmpty())
        return formatNumber(-amount, sections[1]);
    if (amount == 0 && sections.size() > 2 && !sections[2].isEmpty())
        return formatNumber(0, sections[2]);
    return formatNumber(amount, sections[0]);
}

} // namespace db::jetfn
