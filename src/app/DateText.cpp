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

QDateTime fromIso(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:[ T](\\d{2}):(\\d{2})(?::(\\d{2}))?(?:\\.\\d+)?)?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

QString toJetLiteral(const QDate& date)
{
    return QStringLiteral("#%1/%2/%3#").arg(date.month()).arg(date.day()).arg(date.year());
}

} // namespace app::datetext
