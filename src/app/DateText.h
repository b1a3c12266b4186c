#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates are shown and typed as dd/mm/yyyy, stored as ISO text, written as #m/d/yyyy# in Jet SQL.
namespace app::datetext {

QString toDisplay(const QDate& date);            // "25/03/2007"; empty for an invalid date
QString toDisplay(const QDateTime& moment);      // adds " hh:mm:ss" only when the time is not midnight
QDate fromDisplay(const QString& text);          // accepts d/m/yyyy; invalid date on anything else
// Accepts d/m/yyyy with an optional " h:mm" or " h:mm:ss" (what toDisplay writes); invalid on anything else.
QDateTime fromDisplayMoment(const QString& text);
QString timeText(const QTime& time);             // "hh:mm:ss"

QString toIso(const QDate& date);                // "2007-03-25"
QString toIso(const QDateTime& moment);          // "2007-03-25" or "2007-03-25 10:20:30"
QDateTime fromIso(const QString& text);          // invalid on anything else
// A local date and time as written; one that the local clock skips when summer time begins is kept
// as written all the same (in UTC terms), since stored times carry no time zone.
QDateTime wallClock(const QDate& date, const QTime& time);
// Reads "YYYY-MM-DD" with an optional " HH:MM[:SS]" quickly (no regular expression, no time zone);
// false on anything else. hasTime tells whether a time part was written.
bool parseIso(const QString& text, QDate& date, QTime& time, bool& hasTime);

QString toJetLiteral(const QDate& date);         // "#3/25/2007#"

} // namespace app::datetext
