#pragma once

#include "db/Field.h"
#include "db/engine/JetDialect.h"
#include "db/engine/SqliteStatement.h"

#include <QVariant>
#include <map>
#include <memory>
#include <vector>

namespace db {

class SqliteConnection;

// A changed field of a row being posted: its index, the new stored value and the stored value read before
// the edit (used to detect that another user changed the row meanwhile).
struct FieldChange {
    int field;
    QVariant stored;
    QVariant original;
};

// Where a dataset's rows come from.
class DatasetCursor {
public:
    virtual ~DatasetCursor() = default;
    virtual const std::vector<FieldInfo>& fields() const = 0;
    virtual int count() const = 0;
    // The value in the program's form (see fromStored).
    virtual QVariant value(int row, int field) = 0;
    // The value as the engine holds it.
    virtual QVariant storedValue(int row, int field) = 0;
    // The row's key (rowid); -1 for a read-only snapshot.
    virtual qint64 key(int row) const = 0;
    virtual int rowOfKey(qint64 key) const = 0;
    virtual bool updatable() const = 0;
    // Forgets what was read of a row so that the next value() reads it again.
    virtual void invalidate(int row) = 0;

    // Keyset cursors only; the others throw a French AppError.
    virtual int insertRow(const std::vector<FieldChange>& values) = 0; // returns the new row
    virtual void updateRow(int row, const std::vector<FieldChange>& changes) = 0;
    virtual void deleteRow(int row) = 0;
};

// The ordered keys of a single-table SELECT, with rows read by key when they are needed.
class KeysetCursor : public DatasetCursor {
public:
    KeysetCursor(SqliteConnection& connection, const QString& jetSql);
    ~KeysetCursor() override;

    const std::vector<FieldInfo>& fields() const override { return m_fields; }
    int count() const override { return static_cast<int>(m_keys.size()); }
    QVariant value(int row, int field) override;
    QVariant storedValue(int row, int field) override;
    qint64 key(int row) const override;
    int rowOfKey(qint64 key) const override;
    bool updatable() const override { return true; }
    void invalidate(int row) override;

    int insertRow(const std::vector<FieldChange>& values) override;
    void updateRow(int row, const std::vector<FieldChange>& changes) override;
    void deleteRow(int row) override;

private:
    // Rows are read a page of keys at a time: one statement, one read lock, many rows.
    static constexpr int PageSize = 128;
    struct Slot {
        int type = 0; // engine storage class
        qint64 integer = 0;
        double real = 0;
        int offset = 0;
        int length = 0;
    };
    void describeFields(const jet::SelectShape& shape);
    void readKeys(const QString& alias, const QString& where, const QString& orderBy);
    void fetchPage(int page);
    void want(int field);
    QVariant slotValue(int row, int field);
    QVariant longValue(int row, int field);
    bool rowExists(qint64 key);
    void forgetRows();

    SqliteConnection& m_connection;
    QString m_table; // quoted
    std::vector<FieldInfo> m_fields;
    // Short fields are read by pages, but only those asked for so far: walking five columns of a dossier
    // reads five columns, showing a whole contract reads them all.
    std::vector<int> m_slotOfField; // column among those read by page, -1 until asked for
    int m_shortCount = 0;           // fields read by page
    std::vector<qint64> m_keys;
    std::unique_ptr<SqliteStatement> m_pageStatement;  // rows of up to PageSize listed keys
    std::unique_ptr<SqliteStatement> m_rangeStatement; // rows of a key range, for pages of nearby keys
    int m_page = -1;
    std::vector<bool> m_present; // per row of the page: still in the table
    std::vector<Slot> m_slots;   // PageSize rows of m_shortCount slots
    QByteArray m_bytes;
    int m_longRow = -1;
    std::map<int, QVariant> m_longValues; // of m_longRow
};

// Every row of any other SELECT, read at open; read-only.
class SnapshotCursor : public DatasetCursor {
public:
    SnapshotCursor(SqliteConnection& connection, const QString& jetSql);

    const std::vector<FieldInfo>& fields() const override { return m_fields; }
    int count() const override { return static_cast<int>(m_rows.size()); }
    QVariant value(int row, int field) override;
    QVariant storedValue(int row, int field) override;
    qint64 key(int) const override { return -1; }
    int rowOfKey(qint64) const override { return -1; }
    bool updatable() const override { return false; }
    void invalidate(int) override {}

    int insertRow(const std::vector<FieldChange>&) override;
    void updateRow(int, const std::vector<FieldChange>&) override;
    void deleteRow(int) override;

private:
    std::vector<FieldInfo> m_fields;
    std::vector<std::vector<QVariant>> m_rows;
};

} // namespace db
