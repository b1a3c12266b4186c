#pragma once

#include <QString>

namespace db {

class SqliteConnection;

// The database's version text, kept in the value table's row -99/-99/-99.
// Any error, and a missing record, give "0".
QString GetDatabaseVersion(SqliteConnection& connection, const QString& table = QStringLiteral("OBJECT_VAL_STR"),
                           const QString& column = QStringLiteral("VALUE"));
// Inserts or updates the record; errors propagate.
void SetDatabaseVersion(SqliteConnection& connection, const QString& version,
                        const QString& table = QStringLiteral("OBJECT_VAL_STR"),
                        const QString& column = QStringLiteral("VALUE"));
// "1.34" gives 134; a text that cannot be read gives 0.
int VersionNumber(const QString& version);

} // namespace db
