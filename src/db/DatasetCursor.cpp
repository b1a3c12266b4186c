#include "db/DatasetCursor.h"

#include "app/AppError.h"
#include "db/engine/JetSyntax.h"
#include "db/engine/SqliteConnection.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace db {

namespace {

QString quoted(const QString& identifier)
{
    return jet::sqliteSyntax().quoteName(identifier);
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
    readKeys(shape.tableAlias, shape.where, shape.orderBy);
}

KeysetCursor::~KeysetCursor() = default;

void KeysetCursor::describeFields(const jet::SelectShape& shape)
{
    const QList<ColumnInfo> columns = m_connection.columns(shape.table);
    if (columns.isEmpty())
        throw app::AppError(QStringLiteral("La table « %1 » n'existe pas dans la base de données.").arg(shape.table));
    // Only a lone key column declared INTEGER is the engine's row key; any other key is a plain column.
    const auto keys =
        std::count_if(columns.begin(), columns.end(), [](const ColumnInfo& c) { return c.primaryKey; });
    auto describe = [keys](const ColumnInfo& column, const QString& name) {
        FieldInfo field;
        field.name = name;
        field.column = column.name;
        field.declaredType = column.declaredType;
        field.kind = fieldKindOfDeclaredType(column.declaredType);
        if (column.primaryKey && keys == 1 && column.declaredType == QLatin1String("INTEGER"))
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
    m_slotOfField.assign(m_fields.size(), -1);
}

void KeysetCursor::want(int field)
{
    m_slotOfField[static_cast<size_t>(field)] = m_shortCount++;
    std::vector<QString> selected(static_cast<size_t>(m_shortCount));
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_slotOfField[i] >= 0)
            selected[static_cast<size_t>(m_slotOfField[i])] = quoted(m_fields[i].column);
    const QString columns = QStringLiteral("rowid, ") + QStringList(selected.begin(), selected.end()).join(QStringLiteral(", "));
    QStringList marks;
    for (int i = 0; i < PageSize; ++i)
        marks << QStringLiteral("?");
    m_pageStatement = std::make_unique<SqliteStatement>(m_connection.prepareNative(
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid IN (%3)").arg(columns, m_table, marks.join(QLatin1Char(',')))));
    m_rangeStatement = std::make_unique<SqliteStatement>(m_connection.prepareNative(
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid BETWEEN ? AND ?").arg(columns, m_table)));
    m_page = -1;
}

void KeysetCursor::readKeys(const QString& alias, const QString& where, const QString& orderBy)
{
    QString sql = QStringLiteral("SELECT rowid FROM ") + m_table;
    // The WHERE and ORDER BY lines name the table by its alias when the statement gives one.
    if (!alias.isEmpty())
        sql += QStringLiteral(" AS ") + quoted(alias);
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

void KeysetCursor::forgetRows()
{
    m_page = -1;
    m_longRow = -1;
    m_longValues.clear();
}

void KeysetCursor::invalidate(int row)
{
    if (row < 0 || row / PageSize == m_page)
        m_page = -1;
    if (row < 0 || row == m_longRow) {
        m_longRow = -1;
        m_longValues.clear();
    }
}

void KeysetCursor::fetchPage(int page)
{
    m_page = -1;
    const int first = page * PageSize;
    const int rows = std::min(PageSize, count() - first);
    std::unordered_map<qint64, int> positionOfKey;
    positionOfKey.reserve(static_cast<size_t>(rows));
    qint64 lowest = std::numeric_limits<qint64>::max();
    qint64 highest = std::numeric_limits<qint64>::min();
    for (int i = 0; i < rows; ++i) {
        const qint64 key = m_keys[static_cast<size_t>(first + i)];
        positionOfKey.emplace(key, i);
        lowest = std::min(lowest, key);
        highest = std::max(highest, key);
    }
    // Keys close together (a dossier in the order of its Ids) are read by one walk along the table;
    // scattered keys one by one.
    const bool nearby = rows > 0 && highest - lowest < 2 * static_cast<qint64>(rows);
    SqliteStatement& statement = nearby ? *m_rangeStatement : *m_pageStatement;
    statement.reset();
    if (nearby) {
        statement.bindInt(1, lowest);
        statement.bindInt(2, highest);
    } else {
        for (int i = 0; i < PageSize; ++i) {
            if (i < rows)
                statement.bindInt(i + 1, m_keys[static_cast<size_t>(first + i)]);
            else
                statement.bind(i + 1, QVariant());
        }
    }
    m_present.assign(PageSize, false);
    m_slots.assign(static_cast<size_t>(PageSize * m_shortCount), Slot{});
    m_bytes.clear();
    try {
        while (statement.step()) {
            const auto found = positionOfKey.find(statement.intValue(0));
            if (found == positionOfKey.end())
                continue;
            m_present[static_cast<size_t>(found->second)] = true;
            Slot* rowSlots = m_slots.data() + static_cast<ptrdiff_t>(found->second) * m_shortCount;
            for (int c = 0; c < m_shortCount; ++c) {
                const int column = c + 1;
                Slot& slot = rowSlots[c];
                const auto storage = statement.storage(column);
                slot.type = static_cast<int>(storage);
                if (storage == SqliteStatement::Storage::Integer) {
                    slot.integer = statement.intValue(column);
                } else if (storage == SqliteStatement::Storage::Float) {
                    slot.real = statement.doubleValue(column);
                } else if (storage != SqliteStatement::Storage::Null) {
                    int size = 0;
                    const char* data = statement.rawBytes(column, &size);
                    slot.offset = static_cast<int>(m_bytes.size());
                    slot.length = size;
                    m_bytes.append(data, size);
                }
            }
        }
    } catch (...) {
        statement.reset();
        throw;
    }
    // Reset at once: a statement left on a row would hold the database's read lock.
    statement.reset();
    m_page = page;
}

QVariant KeysetCursor::slotValue(int row, int field)
{
    if (m_slotOfField[static_cast<size_t>(field)] < 0)
        want(field);
    if (row / PageSize != m_page)
        fetchPage(row / PageSize);
    const int position = row % PageSize;
    // A row deleted by someone else since the keys were read shows empty.
    if (!m_present[static_cast<size_t>(position)])
        return QVariant();
    const Slot& slot = m_slots[static_cast<size_t>(position * m_shortCount + m_slotOfField[static_cast<size_t>(field)])];
    switch (static_cast<SqliteStatement::Storage>(slot.type)) {
    case SqliteStatement::Storage::Integer:
        return QVariant(static_cast<qlonglong>(slot.integer));
    case SqliteStatement::Storage::Float:
        return QVariant(slot.real);
    case SqliteStatement::Storage::Text:
        return QVariant(QString::fromUtf8(m_bytes.constData() + slot.offset, slot.length));
    case SqliteStatement::Storage::Blob:
        return QVariant(m_bytes.mid(slot.offset, slot.length));
    default:
        return QVariant();
    }
}

QVariant KeysetCursor::longValue(int row, int field)
{
    if (row != m_longRow) {
        m_longRow = row;
        m_longValues.clear();
    }
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
    if (isLongKind(m_fields[static_cast<size_t>(field)].kind))
        return longValue(row, field);
    return slotValue(row, field);
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
    forgetRows();
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
    forgetRows();
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
