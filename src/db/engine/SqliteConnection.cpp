#include "db/engine/SqliteConnection.h"

#include "app/AppError.h"
#include "db/engine/EngineErrors.h"
#include "db/engine/JetDialect.h"
#include "db/engine/JetFunctions.h"

#include <QFileInfo>
#include <sqlite3.h>
#include <sys/vfs.h>

namespace db {

namespace {

// WAL needs shared memory between processes, which network file systems do not offer.
bool onNetworkFileSystem(const QString& path)
{
    struct statfs info {};
    if (statfs(QFileInfo(path).absolutePath().toLocal8Bit().constData(), &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE (sshfs and the like)
        return true;
    default:
        return false;
    }
}

} // namespace

SqliteConnection::SqliteConnection() = default;

SqliteConnection::~SqliteConnection() { close(); }

void SqliteConnection::open(const QString& path, bool create)
{
    close();
    if (isFormerFormatDatabase(path))
        throw app::AppError(QStringLiteral("Le fichier « %1 » est une base de données de l'ancien format.\r"
                                           "Elle sera importée par une version ultérieure du logiciel.")
                                .arg(path));
    if (!create && !QFileInfo::exists(path))
        throw app::AppError(QStringLiteral("La base de données « %1 » est introuvable.").arg(path));

    // One connection is only ever used by the thread that opened it: no locking of each engine call.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3* handle = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = engineErrorText(handle, rc);
        sqlite3_close(handle);
        throw app::AppError(QStringLiteral("Impossible d'ouvrir la base de données « %1 ».\r").arg(path) + text);
    }
    m_db = handle;
    m_path = path;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 5000);
    // [Name] becomes "Name": without this, a misspelt name would silently read as the text 'Name'.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    try {
        registerJetExtensions(m_db);
        // Reading the schema is what tells a database from any other file.
        executeNative(QStringLiteral("PRAGMA schema_version"));
        const bool network = onNetworkFileSystem(path);
        executeNative(network ? QStringLiteral("PRAGMA journal_mode=DELETE") : QStringLiteral("PRAGMA journal_mode=WAL"));
        executeNative(QStringLiteral("PRAGMA synchronous=NORMAL"));
        executeNative(QStringLiteral("PRAGMA cache_size=-8000"));
    } catch (const app::AppError& error) {
        close();
        throw app::AppError(QStringLiteral("Impossible d'ouvrir la base de données « %1 ».\r").arg(path) +
                            error.text());
    }
}

void SqliteConnection::close()
{
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_depth = 0;
}

static void requireOpen(sqlite3* db)
{
    if (!db)
        throw app::AppError(QStringLiteral("La base de données n'est pas ouverte."));
}

int SqliteConnection::execute(const QString& jetSql) { return executeNative(jet::translate(jetSql)); }

SqliteStatement SqliteConnection::prepare(const QString& jetSql) { return prepareNative(jet::translate(jetSql)); }

int SqliteConnection::executeNative(const QString& sql)
{
    SqliteStatement statement = prepareNative(sql);
    return statement.run();
}

void SqliteConnection::executeScript(const QString& sql)
{
    requireOpen(m_db);
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        sqlite3_free(error);
        throw app::AppError(engineErrorText(m_db, rc));
    }
}

SqliteStatement SqliteConnection::prepareNative(const QString& sql)
{
    requireOpen(m_db);
    return SqliteStatement(m_db, sql);
}

qint64 SqliteConnection::lastInsertId() const { return sqlite3_last_insert_rowid(m_db); }

int SqliteConnection::changes() const { return sqlite3_changes(m_db); }

QStringList SqliteConnection::tableNames()
{
    QStringList names;
    SqliteStatement statement = prepareNative(QStringLiteral(
        "SELECT name FROM sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name"));
    while (statement.step())
        names << statement.textValue(0);
    return names;
}

QList<ColumnInfo> SqliteConnection::columns(const QString& table)
{
    QList<ColumnInfo> list;
    SqliteStatement statement = prepareNative(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"));
    statement.bind(1, table);
    while (statement.step())
        list.append({statement.textValue(0), statement.textValue(1).toUpper(), statement.intValue(2) != 0});
    return list;
}

bool SqliteConnection::hasTable(const QString& table)
{
    return tableNames().contains(table, Qt::CaseInsensitive);
}

void SqliteConnection::begin()
{
    executeNative(QStringLiteral("SAVEPOINT level%1").arg(m_depth + 1));
    ++m_depth;
}

void SqliteConnection::commit()
{
    if (m_depth == 0)
        return;
    try {
        executeNative(QStringLiteral("RELEASE SAVEPOINT level%1").arg(m_depth));
    } catch (const app::AppError&) {
        forgetEndedTransaction();
        throw;
    }
    --m_depth;
}

void SqliteConnection::rollback()
{
    if (m_depth == 0)
        return;
    try {
        executeNative(QStringLiteral("ROLLBACK TO SAVEPOINT level%1").arg(m_depth));
        executeNative(QStringLiteral("RELEASE SAVEPOINT level%1").arg(m_depth));
    } catch (const app::AppError&) {
        // Already undone when the engine ended the whole transaction itself.
        if (forgetEndedTransaction())
            return;
        throw;
    }
    --m_depth;
}

bool SqliteConnection::forgetEndedTransaction()
{
    // Some failures (a full disk, a trigger's ROLLBACK) make the engine roll the whole transaction back
    // and with it every savepoint; the levels counted here are then gone as well.
    if (!m_db || !sqlite3_get_autocommit(m_db))
        return false;
    m_depth = 0;
    return true;
}

QString SqliteConnection::engineVersion() { return QString::fromLatin1(sqlite3_libversion()); }

int SqliteConnection::engineVersionNumber() { return sqlite3_libversion_number(); }

} // namespace db
