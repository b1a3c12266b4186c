#pragma once

#include <QDateTime>
#include <QString>
#include <sqlite3.h>

// What the Jet functions registered on a connection share: reading their arguments, giving their results.
namespace db::jetfn {

QString text(sqlite3_value* value);
bool isNull(sqlite3_value* value);
bool isNumber(sqlite3_value* value);
double number(sqlite3_value* value);

void resultText(sqlite3_context* context, const QString& text);
// An error of the function, in French; the engine adds it to its own message.
void resultError(sqlite3_context* context, const QString& text);

// Jet's dates carry no time zone: every moment the functions work on is held in UTC terms, so that
// adding hours or days, or reading a day number, never meets a summer-time change of the local clock.
QDateTime momentOf(const QDate& date, const QTime& time);

// A date argument: ISO text, dd/mm/yyyy, a time alone, or Jet's day number (days since 30/12/1899).
// Invalid for a value that is not a date.
QDateTime dateValue(sqlite3_value* value);
QDateTime fromJetDayNumber(double days);
double toJetDayNumber(const QDateTime& moment);

// Rounding of Jet's conversions: halves go to the even neighbour.
double roundHalfEven(double value);

// Registration helper: SQLITE_UTF8, deterministic unless told otherwise.
void define(sqlite3* handle, const char* name, int arguments,
            void (*function)(sqlite3_context*, int, sqlite3_value**), bool deterministic = true);

// A value as Jet's CStr writes it for a French user: decimal comma, dates as dd/mm/yyyy.
QString displayText(sqlite3_value* value);
// Jet's Format(value, format) for dates and numbers; a null text for a Null value.
QString format(sqlite3_value* value, const QString& pattern);

void registerDateFunctions(sqlite3* handle);
void registerTextFunctions(sqlite3* handle);

} // namespace db::jetfn
