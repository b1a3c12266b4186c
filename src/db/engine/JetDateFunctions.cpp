// Jet's date functions on the connection. Dates are ISO text in the database; a result keeps a time part
// only when it is not midnight, as stored dates do.
#include "app/Clock.h"
#include "app/DateText.h"
#include "db/engine/JetFunctionSupport.h"

#include <cmath>

namespace db::jetfn {

namespace {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second, Invalid };

Interval interval(sqlite3_value* value)
{
    const QString name = text(value).trimmed().toLower();
    static const std::pair<const char*, Interval> names[] = {
        {"yyyy", Interval::Year},   {"q", Interval::Quarter}, {"m", Interval::Month},
        {"y", Interval::DayOfYear}, {"d", Interval::Day},     {"w", Interval::Weekday},
        {"ww", Interval::Week},     {"h", Interval::Hour},    {"n", Interval::Minute},
        {"s", Interval::Second}};
    for (const auto& [jet, kind] : names) {
        if (name == QLatin1String(jet))
            return kind;
    }
    return Interval::Invalid;
}

void resultDate(sqlite3_context* context, const QDateTime& moment)
{
    if (!moment.isValid())
        resultError(context, QStringLiteral("Date hors des limites permises."));
    else
        resultText(context, app::datetext::toIso(moment));
}

bool badInterval(sqlite3_context* context, Interval kind)
{
    if (kind != Interval::Invalid)
        return false;
    resultError(context,
                QStringLiteral("Intervalle de date incorrect (yyyy, q, m, y, d, w, ww, h, n ou s)."));
    return true;
}

// Reads a date argument; false (with the error or Null set) when there is none to work on.
bool readDate(sqlite3_context* context, sqlite3_value* value, QDateTime& moment)
{
    if (isNull(value)) {
        sqlite3_result_null(context);
        return false;
    }
    moment = dateValue(value);
    if (!moment.isValid()) {
        resultError(context,
                    QStringLiteral("Type incompatible : « %1 » n'est pas une date.").arg(text(value)));
        return false;
    }
    return true;
}

qint64 dayNumber(const QDateTime& moment)
{
    return QDate(1899, 12, 30).daysTo(moment.date());
}

qint64 secondNumber(const QDateTime& moment)
{
    return dayNumber(moment) * 86400 + moment.time().msecsSinceStartOfDay() / 1000;
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Weekday counted from the given first day (1 = Sunday ... 7 = Saturday), as 1 to 7.
int weekday(const QDate& date, int firstDay)
{
    const int sundayBased = date.dayOfWeek() % 7 + 1;
    return (sundayBased - firstDay + 7) % 7 + 1;
}

int firstDayArgument(int argc, sqlite3_value** argv, int index)
{
    if (index >= argc || isNull(argv[index]))
        return 1;
    const int day = sqlite3_value_int(argv[index]);
    return day >= 1 && day <= 7 ? day : 1;
}

void jetNow(sqlite3_context* context, int, sqlite3_value**)
{
    const QDateTime now = app::clock::now();
    resultDate(context,
               momentOf(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second())));
}

void jetDate(sqlite3_context* context, int, sqlite3_value**)
{
    resultDate(context, momentOf(app::clock::today(), QTime(0, 0)));
}

void jetTime(sqlite3_context* context, int, sqlite3_value**)
{
    resultText(context, app::datetext::timeText(app::clock::now().time()));
}

template <int (*part)(const QDateTime&)> void datePart(sqlite3_context* context, int, sqlite3_value** argv)
{
    QDateTime moment;
    if (readDate(context, argv[0], moment))
        sqlite3_result_int(context, part(moment));
}

int yearOf(const QDateTime& m)
{
    return m.date().year();
}
int monthOf(const QDateTime& m)
{
    return m.date().month();
}
int dayOf(const QDateTime& m)
{
    return m.date().day();
}
int hourOf(const QDateTime& m)
{
    return m.time().hour();
}
int minuteOf(const QDateTime& m)
{
    return m.time().minute();
}
int secondOf(const QDateTime& m)
{
    return m.time().second();
}

void jetWeekday(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    QDateTime moment;
    if (readDate(context, argv[0], moment))
        sqlite3_result_int(context, weekday(moment.date(), firstDayArgument(argc, argv, 1)));
}

QDateTime addInterval(const QDateTime& moment, Interval kind, qint64 count)
{
    switch (kind) {
    case Interval::Year:
        return momentOf(moment.date().addYears(static_cast<int>(count)), moment.time());
    case Interval::Quarter:
        return momentOf(moment.date().addMonths(static_cast<int>(count * 3)), moment.time());
    case Interval::Month: // Qt, like Jet, keeps the day within the new month: 31/01 + 1 month = 28/02
        return momentOf(moment.date().addMonths(static_cast<int>(count)), moment.time());
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday:
        return moment.addDays(count);
    case Interval::Week:
        return moment.addDays(count * 7);
    case Interval::Hour:
        return moment.addSecs(count * 3600);
    case Interval::Minute:
        return moment.addSecs(count * 60);
    case Interval::Second:
        return moment.addSecs(count);
    case Interval::Invalid:
        break;
    }
    return {};
}

void jetDateAdd(sqlite3_context* context, int, sqlite3_value** argv)
{
    const Interval kind = interval(argv[0]);
    if (badInterval(context, kind))
        return;
    if (isNull(argv[1])) {
        sqlite3_result_null(context);
        return;
    }
    QDateTime moment;
    if (!readDate(context, argv[2], moment))
        return;
    const double count = roundHalfEven(number(argv[1]));
    if (std::fabs(count) > 1e7) {
        resultError(context, QStringLiteral("Date hors des limites permises."));
        return;
    }
    resultDate(context, addInterval(moment, kind, static_cast<qint64>(count)));
}

qint64 weekIndex(const QDateTime& moment, int firstDay)
{
    const qint64 day = dayNumber(moment);
    return floorDiv(day - (weekday(moment.date(), firstDay) - 1), 7);
}

void jetDateDiff(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    const Interval kind = interval(argv[0]);
    if (badInterval(context, kind))
        return;
    QDateTime from, to;
    if (!readDate(context, argv[1], from) || !readDate(context, argv[2], to))
        return;
    qint64 result = 0;
    switch (kind) {
    case Interval::Year:
        result = to.date().year() - from.date().year();
        break;
    case Interval::Quarter:
        result = (to.date().year() * 4 + (to.date().month() - 1) / 3) -
                 (from.date().year() * 4 + (from.date().month() - 1) / 3);
        break;
    case Interval::Month:
        result =
            (to.date().year() * 12 + to.date().month()) - (from.date().year() * 12 + from.date().month());
        break;
    case Interval::DayOfYear:
    case Interval::Day:
        result = dayNumber(to) - dayNumber(from);
        break;
    case Interval::Weekday:
        result = (dayNumber(to) - dayNumber(from)) / 7;
        break;
    case Interval::Week:
        result =
            weekIndex(to, firstDayArgument(argc, argv, 3)) - weekIndex(from, firstDayArgument(argc, argv, 3));
        break;
    case Interval::Hour:
        result = floorDiv(secondNumber(to), 3600) - floorDiv(secondNumber(from), 3600);
        break;
    case Interval::Minute:
        result = floorDiv(secondNumber(to), 60) - floorDiv(secondNumber(from), 60);
        break;
    case Interval::Second:
        result = secondNumber(to) - secondNumber(from);
        break;
    case Interval::Invalid:
        break;
    }
    sqlite3_result_int64(context, result);
}

void jetDatePart(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    const Interval kind = interval(argv[0]);
    if (badInterval(context, kind))
        return;
    QDateTime moment;
    if (!readDate(context, argv[1], moment))
        return;
    const QDate date = moment.date();
    const int firstDay = firstDayArgument(argc, argv, 2);
    int result = 0;
    switch (kind) {
    case Interval::Year:
        result = date.year();
        break;
    case Interval::Quarter:
        result = (date.month() - 1) / 3 + 1;
        break;
    case Interval::Month:
        result = date.month();
        break;
    case Interval::DayOfYear:
        result = date.dayOfYear();
        break;
    case Interval::Day:
        result = date.day();
        break;
    case Interval::Weekday:
        result = weekday(date, firstDay);
        break;
    case Interval::Week: // the week holding 1 January is the first
        result = (date.dayOfYear() - 1 + weekday(QDate(date.year(), 1, 1), firstDay) - 1) / 7 + 1;
        break;
    case Interval::Hour:
        result = moment.time().hour();
        break;
    case Interval::Minute:
        result = moment.time().minute();
        break;
    case Interval::Second:
        result = moment.time().second();
        break;
    case Interval::Invalid:
        break;
    }
    sqlite3_result_int(context, result);
}

void jetDateSerial(sqlite3_context* context, int, sqlite3_value** argv)
{
    for (int i = 0; i < 3; ++i) {
        if (isNull(argv[i])) {
            sqlite3_result_null(context);
            return;
        }
    }
    const double year = roundHalfEven(number(argv[0]));
    const double month = roundHalfEven(number(argv[1]));
    const double day = roundHalfEven(number(argv[2]));
    if (std::fabs(year) > 10000 || std::fabs(month) > 120000 || std::fabs(day) > 4e6) {
        resultError(context, QStringLiteral("Date hors des limites permises."));
        return;
    }
    int fullYear = static_cast<int>(year);
    if (fullYear >= 0 && fullYear < 100)
        fullYear += fullYear < 30 ? 2000 : 1900;
    // Months and days beyond their range carry over, as in Jet: DateSerial(2007, 2, 31) is 3 March.
    const QDate date =
        QDate(fullYear, 1, 1).addMonths(static_cast<int>(month) - 1).addDays(static_cast<qint64>(day) - 1);
    resultDate(context, momentOf(date, QTime(0, 0)));
}

void jetCDate(sqlite3_context* context, int, sqlite3_value** argv)
{
    QDateTime moment;
    if (readDate(context, argv[0], moment))
        resultDate(context, moment);
}

void jetDateValue(sqlite3_context* context, int, sqlite3_value** argv)
{
    QDateTime moment;
    if (readDate(context, argv[0], moment))
        resultDate(context, momentOf(moment.date(), QTime(0, 0)));
}

void jetTimeValue(sqlite3_context* context, int, sqlite3_value** argv)
{
    QDateTime moment;
    if (readDate(context, argv[0], moment))
        resultText(context, app::datetext::timeText(moment.time()));
}

} // namespace

void registerDateFunctions(sqlite3* handle)
{
    define(handle, "jet_now", 0, jetNow, false);
    define(handle, "jet_date", 0, jetDate, false);
    define(handle, "jet_time", 0, jetTime, false);
    define(handle, "jet_year", 1, datePart<yearOf>);
    define(handle, "jet_month", 1, datePart<monthOf>);
    define(handle, "jet_day", 1, datePart<dayOf>);
    define(handle, "jet_hour", 1, datePart<hourOf>);
    define(handle, "jet_minute", 1, datePart<minuteOf>);
    define(handle, "jet_second", 1, datePart<secondOf>);
    define(handle, "jet_weekday", 1, jetWeekday);
    define(handle, "jet_weekday", 2, jetWeekday);
    define(handle, "jet_dateadd", 3, jetDateAdd);
    for (int arguments = 3; arguments <= 5; ++arguments)
        define(handle, "jet_datediff", arguments, jetDateDiff);
    for (int arguments = 2; arguments <= 4; ++arguments)
        define(handle, "jet_datepart", arguments, jetDatePart);
    define(handle, "jet_dateserial", 3, jetDateSerial);
    define(handle, "jet_cdate", 1, jetCDate);
    define(handle, "jet_cvdate", 1, jetCDate);
    define(handle, "jet_datevalue", 1, jetDateValue);
    define(handle, "jet_timevalue", 1, jetTimeValue);
}

} // namespace db::jetfn
