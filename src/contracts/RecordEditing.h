#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace db {
class SqliteConnection;
}

namespace contracts {

// Length and Alarm steps: an empty value becomes 1, any other grows by 1.
QVariant IncrementedCount(const QVariant& value);
// A value above 1 shrinks by 1; an empty value, 0 or 1 gives 1 (the buttons never produce 0).
QVariant DecrementedCount(const QVariant& value);

// Date picker steps: a day that the target month lacks becomes that month's last day.
QDate StepMonths(const QDate& date, int months);
QDate StepYears(const QDate& date, int years);

// The pick list of a COMBOITEMS column, read from the table's first row: an empty line on top, then one
// value per stored line, sorted (French order, case-blind) when asked. Throws AppError for a name that is
// not a column name.
QStringList PickListItems(db::SqliteConnection& connection, const QString& comboColumn, bool sorted);

// The fixed list of the state button, in this order.
QStringList StateItems();

// The badge colour of a stored state: SIGNE green, PROJET olive, ARCHIVE navy, anything else near-white.
QColor StateBadgeColour(const QString& state);
// How much the badge's gloss is lowered: 17 for PROJET, 0 otherwise.
int StateBadgeGlossReduction(const QString& state);
// The badge text is always white.
QColor StateBadgeTextColour();

// "#######0.00 €": 1250.5 -> "1250.50 €".
QString AmountText(double amount);
// An amount as typed: "1250,50", "1250.50", "1 250,50 €", "-3" ... Nothing for anything else; an empty
// text gives 0.
std::optional<double> ParseAmountText(const QString& text);

} // namespace contracts
