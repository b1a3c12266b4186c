#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// One prepared statement of the engine. Values come back as the engine stores them:
// qlonglong, double, QString, QByteArray or a null QVariant.
class SqliteStatement {
public:
    enum class Storage { Integer = 1, Float = 2, Text = 3, Blob = 4, Null = 5 };

    SqliteStatement() = default;
    SqliteStatement(sqlite3* handle, const QString& sql); // throws AppError
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_stmt != nullptr; }
    const QString& sql() const { return m_sql; }

    // Parameters are numbered from 1.
    void bind(int index, const QVariant& value);
    void bindInt(int index, qint64 value);
    void clearBindings();

    // Advances to the next row; false when done. Throws AppError on an engine error.
    bool step();
    // Runs the statement to its end and returns the number of rows it changed.
    int run();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    // Declared type of the table column behind a result column, upper case ("" for expressions).
    QString columnDeclType(int column) const;
    // The table a result column comes from ("" for expressions).
    QString columnTable(int column) const;
    QVariant value(int column) const;
    bool isNull(int column) const;
    qint64 intValue(int column) const;
    double doubleValue(int column) const;
    QString textValue(int column) const;
    // Raw UTF-8 of a text column, valid until the next step.
    const char* utf8Value(int column, int* bytes) const;
    Storage storage(int column) const;
    // The bytes of a text or blob column, valid until the next step.
    const char* rawBytes(int column, int* bytes) const;

private:
    [[noreturn]] void fail(int code) const;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

} // namespace db
