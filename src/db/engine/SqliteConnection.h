#pragma once

#include "db/engine/SqliteStatement.h"

#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace db {

struct ColumnInfo {
    QString name;
    QString declaredType; // as declared, upper case: "TEXT(128)", "INT16", "LONGTEXT", ...
    bool primaryKey = false;
};

// The only owner of an engine connection. Statements given to execute() and prepare() are Jet SQL and
// go through the Jet dialect translator; the *Native calls take the engine's own SQL.
class SqliteConnection {
public:
    SqliteConnection();
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens an existing database file (never creates one unless create is true), checks that it is
    // a database, sets the journal and busy timeout and registers the Jet functions and comparisons.
    // Throws AppError with a French text that ends with the engine's own text.
    void open(const QString& path, bool create = false);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    const QString& path() const { return m_path; }

    // Jet SQL: translated, then run. Returns the number of rows changed.
    int execute(const QString& jetSql);
    SqliteStatement prepare(const QString& jetSql);

    int executeNative(const QString& sql);
    // Runs a script of several statements in the engine's own SQL.
    void executeScript(const QString& sql);
    SqliteStatement prepareNative(const QString& sql);

    qint64 lastInsertId() const;
    int changes() const;

    QStringList tableNames();
    QList<ColumnInfo> columns(const QString& table);
    bool hasTable(const QString& table);

    // Nested transactions are savepoints.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

    // The engine library's version, e.g. "3.40.1", and as a number (3040001).
    static QString engineVersion();
    static int engineVersionNumber();
    // The oldest engine this program accepts.
    static constexpr int MinimumEngineVersion = 3035000;
    static QString minimumEngineVersionText() { return QStringLiteral("3.35.0"); }

    sqlite3* handle() const { return m_db; }

private:
    // True (and no level left) when the engine has no transaction open any more.
    bool forgetEndedTransaction();

    sqlite3* m_db = nullptr;
    QString m_path;
    int m_depth = 0;
};

// Commits on commit(), rolls back when left without it (an exception, an early return).
class Transaction {
public:
    explicit Transaction(SqliteConnection& connection) : m_connection(connection) { m_connection.begin(); }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_connection.rollback();
            } catch (...) {
            }
        }
    }
    void commit()
    {
        m_connection.commit();
        m_done = true;
    }

private:
    SqliteConnection& m_connection;
    bool m_done = false;
};

} // namespace db
