#include "db/VersionRecord.h"

#include "app/AppError.h"
#include "db/engine/SqliteConnection.h"

namespace db {

namespace {
QString recordFilter()
{
    return QStringLiteral(" WHERE [ID_CLASS]=-99 AND [ID_ATTRIBUTE]=-99 AND [USERID]=-99");
}
} // namespace

QString GetDatabaseVersion(SqliteConnection& connection, const QString& table, const QString& column)
{
    try {
        SqliteStatement statement =
            connection.prepare(QStringLiteral("SELECT [%1] FROM [%2]").arg(column, table) + recordFilter());
        if (statement.step() && !statement.isNull(0))
            return statement.textValue(0).left(255);
    } catch (const app::AppError&) {
    }
    return QStringLiteral("0");
}

void SetDatabaseVersion(SqliteConnection& connection, const QString& version, const QString& table,
                        const QString& column)
{
    SqliteStatement update = connection.prepare(QStringLiteral("UPDATE [%1] SET [%2]=?").arg(table, column) +
                                                recordFilter());
    update.bind(1, version);
    if (update.run() > 0)
        return;
    SqliteStatement insert = connection.prepare(
        QStringLiteral("INSERT INTO [%1] ([%2], [ID_CLASS], [ID_ATTRIBUTE], [USERID]) VALUES (?, -99, -99, -99)")
            .arg(table, column));
    insert.bind(1, version);
    insert.run();
}

int VersionNumber(const QString& version)
{
    QString digits = version;
    const int point = digits.indexOf(QLatin1Char('.'));
    if (point >= 0)
        digits.remove(point, 1);
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? number : 0;
}

} // namespace db
