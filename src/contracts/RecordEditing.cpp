#include "contracts/RecordEditing.h"

#include "app/AppError.h"
#include "db/engine/FrenchText.h"
#include "db/engine/SqliteConnection.h"

#include <QRegularExpression>
#include <algorithm>

namespace contracts {

namespace {

// The count held by a Length or Alarm value; nothing for an empty or unreadable value.
std::optional<qint64> countOf(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return std::nullopt;
    bool ok = false;
    const qint64 n = value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace

QVariant IncrementedCount(const QVariant& value) {
    const std::optional<qint64> n = countOf(value);
    return n ? QVariant(*n + 1) : QVariant(qint64(1));
}

QVariant DecrementedCount(const QVariant& value) {
    const std::optional<qint64> n = countOf(value);
    return (n && *n > 1) ? QVariant(*n - 1) : QVariant(qint64(1));
}

// QDate clamps a missing day to the month's last day, as the picker wants.
QDate StepMonths(const QDate& date, int months) {
    return date.addMonths(months);
}

QDate StepYears(const QDate& date, int years) {
    return date.addYears(years);
}

QStringList PickListItems(db::SqliteConnection& connection, const QString& comboColumn, bool sorted) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(comboColumn).hasMatch())
        throw app::AppError(QStringLiteral("Liste de choix inconnue : « %1 ».").arg(comboColumn));
    db::SqliteStatement statement =
        connection.prepare(QStringLiteral("SELECT %1 FROM COMBOITEMS ORDER BY Id").arg(comboColumn));
    QStringList items;
    if (statement.step() && !statement.isNull(0)) {
        static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
        items = statement.textValue(0).split(lineBreak);
        // A final line break does not start another value.
        if (!items.isEmpty() && items.last().isEmpty())
            items.removeLast();
    }
    items.prepend(QString());
    if (sorted)
        std::stable_sort(items.begin(), items.end(), db::french::lessThan);
    return items;
}

QStringList StateItems() {
    return {QStringLiteral("SIGNE"), QStringLiteral("PROJET"), QStringLiteral("ARCHIVE")};
}

QColor StateBadgeColour(const QString& state) {
    if (state == QLatin1String("SIGNE"))
        return QColor(0, 128, 0);
    if (state == QLatin1String("PROJET"))
        return QColor(170, 170, 0);
    if (state == QLatin1String("ARCHIVE"))
        return QColor(0, 0, 128);
    return QColor(254, 254, 254);
}

int StateBadgeGlossReduction(const QString& state) {
    return state == QLatin1String("PROJET") ? 17 : 0;
}

QColor StateBadgeTextColour() {
    return QColor(255, 255, 255);
}

QString AmountText(double amount) {
    QString text = QString::number(amount, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return text + QStringLiteral(" €");
}

std::optional<double> ParseAmountText(const QString& text) {
    QString plain = text;
    plain.remove(QStringLiteral("€"));
    plain.remove(QLatin1Char(' '));
    plain.remove(QChar(0x00A0)); // no-break space
    plain.remove(QChar(0x202F)); // narrow no-break space
    if (plain.isEmpty())
        return 0.0;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (!number.match(plain).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace contracts
