#include "db/engine/JetFunctionSupport.h"

#include "app/AppError.h"
#include "app/DateText.h"
#include "db/engine/EngineErrors.h"

#include <QRegularExpression>
#include <cmath>

namespace db::jetfn {

QString text(sqlite3_value* value)
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return utf8 ? QString::fromUtf8(utf8, sqlite3_value_bytes(value)) : QString();
}

bool isNull(sqlite3_value* value)
{
    return sqlite3_value_type(value) == SQLITE_NULL;
}

bool isNumber(sqlite3_value* value)
{
    const int type = sqlite3_value_type(value);
    return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

double number(sqlite3_value* value)
{
    return sqlite3_value_double(value);
}

void resultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text64(context, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                          SQLITE_TRANSIENT, SQLITE_UTF8);
}

void resultError(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_error(context, utf8.constData(), static_cast<int>(utf8.size()));
}

QDateTime momentOf(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC);
}

namespace {
const QDateTime& dayZero()
{
    static const QDateTime zero = momentOf(QDate(1899, 12, 30), QTime(0, 0));
    return zero;
}
} // namespace

QDateTime fromJetDayNumber(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3e6)
        return {};
    const double whole = std::floor(days);
    const auto seconds = static_cast<qint64>(std::llround((days - whole) * 86400.0));
    return dayZero().addDays(static_cast<qint64>(whole)).addSecs(seconds);
}

double toJetDayNumber(const QDateTime& moment)
{
    const qint64 days = dayZero().date().daysTo(moment.date());
    return static_cast<double>(days) + moment.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime dateValue(sqlite3_value* value)
{
    if (isNumber(value))
        return fromJetDayNumber(number(value));
    const QString source = text(value).trimmed();
    QDate isoDate;
    QTime isoTime;
    bool hasTime = false;
    if (app::datetext::parseIso(source, isoDate, isoTime, hasTime))
        return momentOf(isoDate, isoTime);
    const QDateTime shown = app::datetext::fromDisplayMoment(source);
    if (shown.isValid())
        return momentOf(shown.date(), shown.time());
    static const QRegularExpression timeAlone(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = timeAlone.match(source);
    if (m.hasMatch()) {
        const QTime time(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        return time.isValid() ? momentOf(dayZero().date(), time) : QDateTime();
    }
    return {};
}

double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

void define(sqlite3* handle, const char* name, int arguments,
            void (*function)(sqlite3_context*, int, sqlite3_value**), bool deterministic)
{
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    const int rc = sqlite3_create_function_v2(handle, name, arguments, flags, nullptr, function, nullptr,
                                              nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw app::AppError(engineErrorText(handle, rc));
}

} // namespace db::jetfn
