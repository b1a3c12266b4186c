#include "app/DateText.h"

#include <QRegularExpression>

namespace app::datetext {

QString toDisplay(const QDate& date) { return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString(); }

QString toDisplay(const QDateTime& moment)
{
    if (!moment.isValid())
        return {};
    QString text = toDisplay(moment.date());
    if (moment.time() != QTime(0, 0))
        text += QLatin1Char(' ') + timeText(moment.time());
    return text;
}

QDate fromDisplay(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QDateTime fromDisplayMoment(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return {};
    return wallClock(date, time);
}

QString timeText(const QTime& time) { return time.toString(QStringLiteral("hh:mm:ss")); }

QString toIso(const QDate& date) { return date.isValid() ? date.toString(Qt::ISODate) : QString(); }

QString toIso(const QDateTime& moment)
{
    if (!moment.isValid())
        return {};
    QString text = toIso(moment.date());
    if (moment.time() != QTime(0, 0))
        text += QLatin1Char(' ') + timeText(moment.time());
    return text;
}

namespace {
// Reads count digits at position pos; -1 when one of them is not a digit.
int digitsAt(const QString& text, int pos, int count)
{
    if (pos + count > text.size())
        return -1;
    int value = 0;
    for (int i = pos; i < pos + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}
} // namespace

bool parseIso(const QString& text, QDate& date, QTime& time, bool& hasTime)
{
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    if (year < 0 || month < 0 || day < 0 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return false;
    date = QDate(year, month, day);
    time = QTime(0, 0);
    hasTime = false;
    if (text.size() > 10) {
        const QChar separator = text[10];
        const int hour = digitsAt(text, 11, 2);
        const int minute = digitsAt(text, 14, 2);
        if ((separator != QLatin1Char(' ') && separator != QLatin1Char('T')) || hour < 0 || minute < 0 ||
            text.size() < 16 || text[13] != QLatin1Char(':'))
            return false;
        int second = 0;
        if (text.size() > 16) {
            second = digitsAt(text, 17, 2);
            if (text[16] != QLatin1Char(':') || second < 0)
                return false;
            // Fractions of a second are accepted and dropped.
            if (text.size() > 19 && text[19] != QLatin1Char('.'))
                return false;
        }
        time = QTime(hour, minute, second);
        hasTime = true;
    }
    return date.isValid() && time.isValid();
}

QDateTime fromIso(const QString& text)
{
    QDate date;
    QTime time;
    bool hasTime = false;
    if (!parseIso(text.trimmed(), date, time, hasTime))
        return {};
    return wallClock(date, time);
}

QDateTime wallClock(const QDate& date, const QTime& time)
{
    const QDateTime local(date, time);
    if (local.isValid() || !date.isValid() || !time.isValid())
        return local;
    return QDateTime(date, time, Qt::UTC);
}

QString toJetLiteral(const QDate& date)
{
    return QStringLiteral("#%1/%2/%3#").arg(date.month()).arg(date.day()).arg(date.year());
}

} // namespace app::datetext
