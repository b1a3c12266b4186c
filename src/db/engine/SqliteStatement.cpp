#include "db/engine/SqliteStatement.h"

#include "app/AppError.h"
#include "db/engine/EngineErrors.h"

#include <sqlite3.h>

namespace db {

SqliteStatement::SqliteStatement(sqlite3* handle, const QString& sql) : m_db(handle), m_sql(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, utf8.constData(), static_cast<int>(utf8.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        m_stmt = nullptr;
        fail(rc);
    }
    // The engine would run the first statement and drop the others without a word.
    const char* end = utf8.constData() + utf8.size();
    if (m_stmt && tail && tail < end) {
        sqlite3_stmt* next = nullptr;
        const int nextRc = sqlite3_prepare_v2(m_db, tail, static_cast<int>(end - tail), &next, nullptr);
        sqlite3_finalize(next);
        if (nextRc != SQLITE_OK || next) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw app::AppError(
                QStringLiteral("La requête contient plusieurs instructions : elles doivent être exécutées "
                               "une à une.\rRequête : ") +
                m_sql);
        }
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_sql(std::move(other.m_sql))
{
    other.m_stmt = nullptr;
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        m_sql = std::move(other.m_sql);
        other.m_stmt = nullptr;
    }
    return *this;
}

void SqliteStatement::fail(int code) const { throw app::AppError(engineErrorText(m_db, code, m_sql)); }

void SqliteStatement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(m_stmt, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(rc);
}

void SqliteStatement::bindInt(int index, qint64 value)
{
    const int rc = sqlite3_bind_int64(m_stmt, index, value);
    if (rc != SQLITE_OK)
        fail(rc);
}

void SqliteStatement::clearBindings() { sqlite3_clear_bindings(m_stmt); }

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const int code = sqlite3_reset(m_stmt);
    fail(code != SQLITE_OK ? code : rc);
}

int SqliteStatement::run()
{
    while (step()) {
    }
    return sqlite3_changes(m_db);
}

void SqliteStatement::reset() { sqlite3_reset(m_stmt); }

int SqliteStatement::columnCount() const { return sqlite3_column_count(m_stmt); }

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QString SqliteStatement::columnDeclType(int column) const
{
    const char* type = sqlite3_column_decltype(m_stmt, column);
    return type ? QString::fromUtf8(type).toUpper() : QString();
}

QString SqliteStatement::columnTable(int column) const
{
    const char* table = sqlite3_column_table_name(m_stmt, column);
    return table ? QString::fromUtf8(table) : QString();
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT:
        return QVariant(textValue(column));
    case SQLITE_BLOB: {
        const void* data = sqlite3_column_blob(m_stmt, column);
        const int size = sqlite3_column_bytes(m_stmt, column);
        return QVariant(QByteArray(static_cast<const char*>(data), size));
    }
    default:
        return QVariant();
    }
}

bool SqliteStatement::isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

qint64 SqliteStatement::intValue(int column) const { return sqlite3_column_int64(m_stmt, column); }

double SqliteStatement::doubleValue(int column) const { return sqlite3_column_double(m_stmt, column); }

QString SqliteStatement::textValue(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
}

const char* SqliteStatement::utf8Value(int column, int* bytes) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    *bytes = sqlite3_column_bytes(m_stmt, column);
    return text;
}

SqliteStatement::Storage SqliteStatement::storage(int column) const
{
    return static_cast<Storage>(sqlite3_column_type(m_stmt, column));
}

const char* SqliteStatement::rawBytes(int column, int* bytes) const
{
    if (sqlite3_column_type(m_stmt, column) == SQLITE_BLOB) {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        *bytes = sqlite3_column_bytes(m_stmt, column);
        return data;
    }
    return utf8Value(column, bytes);
}

} // namespace db
