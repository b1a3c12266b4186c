#include "contracts/CustomLabels.h"

#include "app/AppError.h"
#include "db/engine/SqliteConnection.h"

namespace contracts {

namespace {

QString columnName(int number) {
    return QStringLiteral("Contract_Misc%1").arg(number, 2, 10, QLatin1Char('0'));
}

bool hasRow(db::SqliteConnection& connection, int dossierId) {
    db::SqliteStatement statement =
        connection.prepare(QStringLiteral("SELECT COUNT(*) FROM CUSTOMLAB WHERE Id_File=?"));
    statement.bindInt(1, dossierId);
    return statement.step() && statement.intValue(0) > 0;
}

void appendRowWhenMissing(db::SqliteConnection& connection, int dossierId) {
    if (hasRow(connection, dossierId))
        return;
    db::SqliteStatement insert =
        connection.prepare(QStringLiteral("INSERT INTO CUSTOMLAB (Id_File) VALUES (?)"));
    insert.bindInt(1, dossierId);
    insert.run();
}

} // namespace

QString DefaultLabelCaption(int number) {
    return QStringLiteral("Divers %1").arg(number);
}

QStringList LoadCustomLabels(db::SqliteConnection& connection, int dossierId) {
    appendRowWhenMissing(connection, dossierId);
    QStringList columns;
    for (int number = 1; number <= ContractLabelCount; ++number)
        columns << columnName(number);
    db::SqliteStatement statement = connection.prepare(
        QStringLiteral("SELECT %1 FROM CUSTOMLAB WHERE Id_File=?").arg(columns.join(QStringLiteral(", "))));
    statement.bindInt(1, dossierId);
    const bool found = statement.step();
    QStringList captions;
    for (int number = 1; number <= ContractLabelCount; ++number) {
        const QString stored = found ? statement.textValue(number - 1) : QString();
        // An empty label would leave nothing to double-click to rename it.
        captions << (stored.isEmpty() ? DefaultLabelCaption(number) : stored);
    }
    return captions;
}

void RenameCustomLabel(db::SqliteConnection& connection, int dossierId, int number, const QString& caption) {
    if (number < 1 || number > ContractLabelCount)
        throw app::AppError(QStringLiteral("Le libellé n° %1 n'existe pas.").arg(number));
    if (caption.isEmpty())
        throw app::AppError(QStringLiteral("Le libellé ne peut pas être vide."));
    db::Transaction transaction(connection);
    appendRowWhenMissing(connection, dossierId);
    db::SqliteStatement update = connection.prepare(
        QStringLiteral("UPDATE CUSTOMLAB SET %1=? WHERE Id_File=?").arg(columnName(number)));
    update.bind(1, caption);
    update.bindInt(2, dossierId);
    update.run();
    transaction.commit();
}

} // namespace contracts
