#include "db/DatasetCursor.h"

#include "app/AppError.h"
#include "db/engine/SqliteConnection.h"

#include <algorithm>

namespace db {

namespace {

QString quoted(const QString& identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

[[noreturn]] void readOnly()
{
    throw app::AppError(QStringLiteral("Ces données sont en lecture seule : elles ne peuvent pas être modifiées."));
}

} // namespace

// ---------------------------------------------------------------- KeysetCursor

KeysetCursor::KeysetCursor(SqliteConnection& connection, const QString& jetSql) : m_connection(connection)
{
    const jet::SelectShape shape = jet::analyseSelect(jetSql);
    m_table = quoted(shape.table);
    describeFields(shape);
    readKeys(shape.where, shape.orderBy);
}

KeysetCursor::~KeysetCursor() = default;

void KeysetCursor::describeFields(const jet::SelectShape& shape)
{
    const QList<ColumnInfo> columns = m_connection.columns(shape.table);
    if (columns.isEmpty())
        throw app::AppError(QStringLiteral("La table « %1 » n'existe pas dans la base de données.").arg(shape.table));
    auto describe = [](const ColumnInfo& column, const QString& name) {
        FieldInfo field;
        field.name = name;
        field.column = column.name;
        field.declaredType = column.declaredType;
        field.kind = fieldKindOfDeclaredType(column.declaredType);
        if (column.primaryKey && field.kind == FieldKind::Integer)
            field.kind = FieldKind::AutoIncrement;
        return field;
    };
    if (shape.star) {
        for (const ColumnInfo& column : columns)
            m_fields.push_back(describe(column, column.name));
    } else {
        for (const jet::SelectColumn& wanted : shape.columns) {
            const auto found = std::find_if(columns.begin(), columns.end(), [&](const ColumnInfo& c) {
                return c.name.compare(wanted.column, Qt::CaseInsensitive) == 0;
            });
            if (found == columns.end())
                throw app::AppError(QStringLiteral("La colonne « %1 » n'existe pas dans la table « %2 ».")
                                        .arg(wanted.column, shape.table));
            m_fields.push_back(describe(*found, wanted.alias.isEmpty() ? wanted.column : wanted.alias));
        }
    }
    QStringList shortColumns;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (isLongKind(m_fields[i].kind)) {
            m_slotOfField.push_back(-1);
        } else {
            m_slotOfField.push_back(static_cast<int>(m_shortFields.size()));
            m_shortFields.push_back(static_cast<int>(i));
            shortColumns << quoted(m_fields[i].column);
        }
    }
    const QString selected = shortColumns.isEmpty() ? QStringLiteral("rowid") : shortColumns.join(QStringLiteral(", "));
    m_rowStatement = std::make_unique<SqliteStatement>(
        m_connection.prepareNative(QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?").arg(selected, m_table)));
}

void KeysetCursor::readKeys(const QString& where, const QString& orderBy)
{
    QString sql = QStringLiteral("SELECT rowid FROM ") + m_table;
    if (!where.trimmed().isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    // The key ends every order so that rows that sort alike keep one order from one opening to the next.
    sql += QStringLiteral(" ORDER BY ") + (orderBy.trimmed().isEmpty() ? QString() : orderBy + QStringLiteral(", ")) +
           QStringLiteral("rowid");
    SqliteStatement statement = m_connection.prepareNative(sql);
    while (statement.step())
        m_keys.push_back(statement.intValue(0));
}

qint64 KeysetCursor::key(int row) const
{
    return row >= 0 && row < count() ? m_keys[static_cast<size_t>(row)] : -1;
}

int KeysetCursor::rowOfKey(qint64 key) const
{
    const auto found = std::find(m_keys.begin(), m_keys.end(), key);
    return found == m_keys.end() ? -1 : static_cast<int>(found - m_keys.begin());
}

void KeysetCursor::invalidate(int row)
{
    if (row < 0 || row == m_cachedRow) {
        m_cachedRow = -1;
        m_longValues.clear();
    }
}

void KeysetCursor::fetch(int row)
{
    if (row == m_cachedRow)
        return;
    m_cachedRow = -1;
    m_longValues.clear();
    m_rowStatement->reset();
    m_rowStatement->bindInt(1, key(row));
    const bool found = m_rowStatement->step();
    m_slots.assign(m_shortFields.size(), Slot{});
    m_bytes.clear();
    if (found) {
        for (size_t i = 0; i < m_shortFields.size(); ++i) {
            const int column = static_cast<int>(i);
            Slot& slot = m_slots[i];
            const auto storage = m_rowStatement->storage(column);
            slot.type = static_cast<int>(storage);
            if (storage == SqliteStatement::Storage::Integer) {
                slot.integer = m_rowStatement->intValue(column);
            } else if (storage == SqliteStatement::Storage::Float) {
                slot.real = m_rowStatement->doubleValue(column);
            } else if (storage != SqliteStatement::Storage::Null) {
                int size = 0;
                const char* data = m_rowStatement->rawBytes(column, &size);
                slot.offset = static_cast<int>(m_bytes.size());
                slot.length = size;
                m_bytes.append(data, size);
            }
        }
    } else {
        // Deleted by someone else since the keys were read: the row shows empty.
        for (Slot& slot : m_slots)
            slot.type = static_cast<int>(SqliteStatement::Storage::Null);
    }
    // Reset at once: a statement left on a row would hold the database's read lock.
    m_rowStatement->reset();
    m_cachedRow = row;
}

QVariant KeysetCursor::slotValue(int field) const
{
    const Slot& slot = m_slots[static_cast<size_t>(m_slotOfField[static_cast<size_t>(field)])];
    QVariant stored;
    switch (static_cast<SqliteStatement::Storage>(slot.type)) {
    case SqliteStatement::Storage::Integer:
        stored = QVariant(static_cast<qlonglong>(slot.integer));
        break;
    case SqliteStatement::Storage::Float:
        stored = QVariant(slot.real);
        break;
    case SqliteStatement::Storage::Text:
        stored = QVariant(QString::fromUtf8(m_bytes.constData() + slot.offset, slot.length));
        break;
    case SqliteStatement::Storage::Blob:
        stored = QVariant(m_bytes.mid(slot.offset, slot.length));
        break;
    default:
        break;
    }
    return stored;
}

QVariant KeysetCursor::longValue(int row, int field)
{
    const auto cached = m_longValues.find(field);
    if (cached != m_longValues.end())
        return cached->second;
    const FieldInfo& info = m_fields[static_cast<size_t>(field)];
    SqliteStatement statement = m_connection.prepareNative(
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?").arg(quoted(info.column), m_table));
    statement.bindInt(1, key(row));
    const QVariant value = statement.step() ? statement.value(0) : QVariant();
    m_longValues[field] = value;
    return value;
}

QVariant KeysetCursor::storedValue(int row, int field)
{
    if (row < 0 || row >= count())
        return QVariant();
    fetch(row);
    if (m_slotOfField[static_cast<size_t>(field)] < 0)
        return longValue(row, field);
    return slotValue(field);
}

QVariant KeysetCursor::value(int row, int field)
{
    return fromStored(m_fields[static_cast<size_t>(field)].kind, storedValue(row, field));
}

int KeysetCursor::insertRow(const std::vector<FieldChange>& values)
{
    QString sql;
    if (values.empty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table);
    } else {
        QStringList names, marks;
        for (const FieldChange& change : values) {
            names << quoted(m_fields[static_cast<size_t>(change.field)].column);
            marks << QStringLiteral("?");
        }
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(m_table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    }
    SqliteStatement statement = m_connection.prepareNative(sql);
    int index = 1;
    for (const FieldChange& change : values)
        statement.bind(index++, change.stored);
    statement.run();
    m_keys.push_back(m_connection.lastInsertId());
    return count() - 1;
}

bool KeysetCursor::rowExists(qint64 key)
{
    SqliteStatement statement = m_connection.prepareNative(QStringLiteral("SELECT 1 FROM %1 WHERE rowid=?").arg(m_table));
    statement.bindInt(1, key);
    return statement.step();
}

void KeysetCursor::updateRow(int row, const std::vector<FieldChange>& changes)
{
    if (changes.empty())
        return;
    QStringList assignments, checks;
    for (const FieldChange& change : changes) {
        const QString column = quoted(m_fields[static_cast<size_t>(change.field)].column);
        assignments << column + QStringLiteral("=?");
        // Binary comparison: a change of case by another user is a change too.
        checks << column + QStringLiteral(" IS ? COLLATE BINARY");
    }
    SqliteStatement statement = m_connection.prepareNative(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=? AND %3")
                                                               .arg(m_table, assignments.join(QStringLiteral(", ")),
                                                                    checks.join(QStringLiteral(" AND "))));
    int index = 1;
    for (const FieldChange& change : changes)
        statement.bind(index++, change.stored);
    statement.bindInt(index++, key(row));
    for (const FieldChange& change : changes)
        statement.bind(index++, change.original);
    if (statement.run() == 0) {
        if (!rowExists(key(row)))
            throw app::AppError(QStringLiteral(
                "Cet enregistrement a été supprimé par un autre utilisateur.\rVos modifications n'ont pas pu être "
                "enregistrées."));
        throw app::AppError(QStringLiteral(
            "Cet enregistrement a été modifié par un autre utilisateur depuis que vous l'avez ouvert.\r"
            "Vos modifications n'ont pas été enregistrées : annulez-les pour relire l'enregistrement, "
            "puis recommencez."));
    }
    invalidate(row);
}

void KeysetCursor::deleteRow(int row)
{
    SqliteStatement statement = m_connection.prepareNative(QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(m_table));
    statement.bindInt(1, key(row));
    // A row already deleted by someone else is gone all the same.
    statement.run();
    m_keys.erase(m_keys.begin() + row);
    m_cachedRow = -1;
    m_longValues.clear();
}

// ---------------------------------------------------------------- SnapshotCursor

SnapshotCursor::SnapshotCursor(SqliteConnection& connection, const QString& jetSql)
{
    SqliteStatement statement = connection.prepare(jetSql);
    const int columns = statement.columnCount();
    for (int i = 0; i < columns; ++i) {
        FieldInfo field;
        field.name = statement.columnName(i);
        field.declaredType = statement.columnDeclType(i);
        field.kind = fieldKindOfDeclaredType(field.declaredType);
        if (!statement.columnTable(i).isEmpty())
            field.column = field.name;
        m_fields.push_back(field);
    }
    while (statement.step()) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i)
            row.push_back(statement.value(i));
        m_rows.push_back(std::move(row));
    }
}

QVariant SnapshotCursor::storedValue(int row, int field)
{
    if (row < 0 || row >= count())
        return QVariant();
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(field)];
}

QVariant SnapshotCursor::value(int row, int field)
{
    return fromStored(m_fields[static_cast<size_t>(field)].kind, storedValue(row, field));
}

int SnapshotCursor::insertRow(const std::vector<FieldChange>&) { readOnly(); }
void SnapshotCursor::updateRow(int, const std::vector<FieldChange>&) { readOnly(); }
void SnapshotCursor::deleteRow(int) { readOnly(); }

} // namespace db
