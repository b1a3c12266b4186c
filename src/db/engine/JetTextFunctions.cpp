// Jet's text, conversion and test functions on the connection. A Null argument gives Null, as in Jet,
// unless the function is there to handle it (NZ, ISNULL).
#include "db/engine/JetFunctionSupport.h"

#include <cmath>
#include <limits>

namespace db::jetfn {

namespace {

bool anyNull(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (isNull(argv[i])) {
            sqlite3_result_null(context);
            return true;
        }
    }
    return false;
}

// A count argument (LEFT, MID, SPACE): negative counts are an error in Jet.
bool readCount(sqlite3_context* context, sqlite3_value* value, qsizetype& count)
{
    const double amount = roundHalfEven(number(value));
    if (amount < 0 || amount > std::numeric_limits<int>::max()) {
        resultError(context, QStringLiteral("Argument ou appel de procédure incorrect."));
        return false;
    }
    count = static_cast<qsizetype>(amount);
    return true;
}

void jetNz(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (!isNull(argv[0]))
        sqlite3_result_value(context, argv[0]);
    else if (argc > 1)
        sqlite3_result_value(context, argv[1]);
    else
        resultText(context, QString()); // in a query, Jet's Nz without a default gives an empty text
}

void jetIsNull(sqlite3_context* context, int, sqlite3_value** argv)
{
    sqlite3_result_int(context, isNull(argv[0]) ? 1 : 0);
}

void jetUCase(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (!anyNull(context, argc, argv))
        resultText(context, displayText(argv[0]).toUpper());
}

void jetLCase(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (!anyNull(context, argc, argv))
        resultText(context, displayText(argv[0]).toLower());
}

void jetLen(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (!anyNull(context, argc, argv))
        sqlite3_result_int64(context, displayText(argv[0]).size());
}

void jetLeft(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    qsizetype count = 0;
    if (!anyNull(context, argc, argv) && readCount(context, argv[1], count))
        resultText(context, displayText(argv[0]).left(count));
}

void jetRight(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    qsizetype count = 0;
    if (!anyNull(context, argc, argv) && readCount(context, argv[1], count))
        resultText(context, displayText(argv[0]).right(count));
}

void jetMid(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (anyNull(context, argc, argv))
        return;
    qsizetype start = 0;
    if (!readCount(context, argv[1], start))
        return;
    if (start < 1) {
        resultError(context, QStringLiteral("Argument ou appel de procédure incorrect."));
        return;
    }
    qsizetype count = -1;
    if (argc > 2 && !readCount(context, argv[2], count))
        return;
    resultText(context, displayText(argv[0]).mid(start - 1, count));
}

// InStr([start,] text, sought[, compare]): compare 0 is exact, otherwise (and by default in a query)
// without regard to case.
void jetInStr(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (anyNull(context, argc, argv))
        return;
    qsizetype start = 1;
    int first = 0;
    if (argc >= 3) {
        if (!readCount(context, argv[0], start))
            return;
        if (start < 1) {
            resultError(context, QStringLiteral("Argument ou appel de procédure incorrect."));
            return;
        }
        first = 1;
    }
    const Qt::CaseSensitivity sensitivity =
        argc == 4 && sqlite3_value_int(argv[3]) == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString haystack = displayText(argv[first]);
    const QString needle = displayText(argv[first + 1]);
    if (start > haystack.size()) {
        sqlite3_result_int(context, 0);
        return;
    }
    sqlite3_result_int64(context, haystack.indexOf(needle, start - 1, sensitivity) + 1);
}

void jetReplace(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (anyNull(context, argc, argv))
        return;
    QString source = displayText(argv[0]);
    const QString sought = displayText(argv[1]);
    if (!sought.isEmpty())
        source.replace(sought, displayText(argv[2]), Qt::CaseInsensitive);
    resultText(context, source);
}

void jetSpace(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    qsizetype count = 0;
    if (!anyNull(context, argc, argv) && readCount(context, argv[0], count))
        resultText(context, QString(count, QLatin1Char(' ')));
}

void jetCStr(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (!anyNull(context, argc, argv))
        resultText(context, displayText(argv[0]));
}

void jetFormat(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(context);
        return;
    }
    resultText(context, argc > 1 && !isNull(argv[1]) ? format(argv[0], text(argv[1])) : displayText(argv[0]));
}

// A numeric argument of a conversion; text is read with a point or a comma.
bool readNumber(sqlite3_context* context, sqlite3_value* value, double& amount)
{
    if (isNumber(value)) {
        amount = number(value);
        return true;
    }
    QString source = text(value).trimmed();
    source.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    amount = source.toDouble(&ok);
    if (!ok)
        resultError(context,
                    QStringLiteral("Type incompatible : « %1 » n'est pas un nombre.").arg(text(value)));
    return ok;
}

template <qint64 Low, qint64 High> void jetCInteger(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    double amount = 0;
    if (anyNull(context, argc, argv) || !readNumber(context, argv[0], amount))
        return;
    const double rounded = roundHalfEven(amount);
    if (!(rounded >= static_cast<double>(Low) && rounded <= static_cast<double>(High))) {
        resultError(context, QStringLiteral("Dépassement de capacité."));
        return;
    }
    sqlite3_result_int64(context, static_cast<qint64>(rounded));
}

void jetCDbl(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    double amount = 0;
    if (!anyNull(context, argc, argv) && readNumber(context, argv[0], amount))
        sqlite3_result_double(context, amount);
}

void jetCBool(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    double amount = 0;
    if (!anyNull(context, argc, argv) && readNumber(context, argv[0], amount))
        sqlite3_result_int(context, amount != 0 ? 1 : 0);
}

// Val reads the number at the start of a text, skipping blanks, and stops at the first other character.
void jetVal(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (anyNull(context, argc, argv))
        return;
    if (isNumber(argv[0])) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    QString digits;
    bool point = false, exponent = false;
    for (const QChar c : text(argv[0])) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            continue;
        const bool sign = c == QLatin1Char('+') || c == QLatin1Char('-');
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
        else if (sign && (digits.isEmpty() || digits.endsWith(QLatin1Char('e'))))
            digits += c;
        else if (c == QLatin1Char('.') && !point && !exponent)
            point = true, digits += c;
        else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && !exponent && !digits.isEmpty())
            exponent = true, digits += QLatin1Char('e');
        else
            break;
    }
    while (!digits.isEmpty() && !digits.back().isDigit() && digits.back() != QLatin1Char('.'))
        digits.chop(1);
    const double amount = digits.toDouble();
    if (!point && !exponent && std::fabs(amount) < 9e15)
        sqlite3_result_int64(context, static_cast<qint64>(amount));
    else
        sqlite3_result_double(context, amount);
}

double roundedDown(double amount)
{
    return std::floor(amount);
}

double roundedTowardZero(double amount)
{
    return std::trunc(amount);
}

// Int (rounded down) and Fix (rounded toward zero); an integer stays as it is.
template <double (*whole)(double)> void jetWhole(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    double amount = 0;
    if (anyNull(context, argc, argv) || !readNumber(context, argv[0], amount))
        return;
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER)
        sqlite3_result_value(context, argv[0]);
    else
        sqlite3_result_double(context, whole(amount));
}

void jetSgn(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    double amount = 0;
    if (!anyNull(context, argc, argv) && readNumber(context, argv[0], amount))
        sqlite3_result_int(context, amount > 0 ? 1 : (amount < 0 ? -1 : 0));
}

} // namespace

void registerTextFunctions(sqlite3* handle)
{
    define(handle, "jet_nz", 1, jetNz);
    define(handle, "jet_nz", 2, jetNz);
    define(handle, "jet_isnull", 1, jetIsNull);
    define(handle, "jet_ucase", 1, jetUCase);
    define(handle, "jet_lcase", 1, jetLCase);
    define(handle, "jet_len", 1, jetLen);
    define(handle, "jet_left", 2, jetLeft);
    define(handle, "jet_right", 2, jetRight);
    define(handle, "jet_mid", 2, jetMid);
    define(handle, "jet_mid", 3, jetMid);
    for (int arguments = 2; arguments <= 4; ++arguments)
        define(handle, "jet_instr", arguments, jetInStr);
    define(handle, "jet_replace", 3, jetReplace);
    define(handle, "jet_space", 1, jetSpace);
    define(handle, "jet_cstr", 1, jetCStr);
    define(handle, "jet_format", 1, jetFormat);
    define(handle, "jet_format", 2, jetFormat);
    define(handle, "jet_cint", 1, jetCInteger<-32768, 32767>);
    define(handle, "jet_clng", 1, jetCInteger<-2147483648LL, 2147483647LL>);
    define(handle, "jet_cdbl", 1, jetCDbl);
    define(handle, "jet_csng", 1, jetCDbl);
    define(handle, "jet_ccur", 1, jetCDbl);
    define(handle, "jet_cbool", 1, jetCBool);
    define(handle, "jet_val", 1, jetVal);
    define(handle, "jet_int", 1, jetWhole<roundedDown>);
    define(handle, "jet_fix", 1, jetWhole<roundedTowardZero>);
    define(handle, "jet_sgn", 1, jetSgn);
}

} // namespace db::jetfn
