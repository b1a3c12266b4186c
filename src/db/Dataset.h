#pragma once

#include "db/Field.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <vector>

namespace db {

class SqliteConnection;
class DatasetCursor;

// A dataset as the windows and record rules use it: SQL held as lines (a SELECT line, a WHERE line and an
// ORDER BY line that callers replace), a current row, and the edit cycle with its events.
// Single-table SELECTs are updatable keyset cursors (ordered keys read at open, rows fetched on demand,
// memo and blob values only when asked); any other SELECT is a read-only snapshot.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Dataset(SqliteConnection& connection, const QString& name, const QStringList& sql = {}, QObject* parent = nullptr);
    ~Dataset() override;

    const QString& name() const { return m_name; }
    SqliteConnection& connection() const { return m_connection; }

    // --- SQL lines
    const QStringList& sql() const { return m_sql; }
    void setSql(const QStringList& lines);        // closes the dataset
    void setSqlLine(int index, const QString& line);
    // Replaces the first line containing keyword (case-blind); appends the line when there is none.
    void replaceSqlLine(const QString& keyword, const QString& line);
    QString sqlText() const { return m_sql.join(QLatin1Char('\n')); }

    // --- opening
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    bool isUpdatable() const;
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    // --- navigation
    void first();
    void last();
    void next();
    void prior();
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    int recordCount() const;
    int recNo() const { return m_row; } // from 0; -1 when empty
    void moveTo(int row);
    // Moves to the first row whose field equals the value (case-blind for text); false when none.
    bool locate(const QString& field, const QVariant& value);
    bool locateKey(qint64 key);
    // Re-reads the current row from the database.
    void refreshCurrent();

    // --- fields of the current row
    const std::vector<FieldInfo>& fields() const;
    int fieldIndex(const QString& name) const; // -1 when absent (case-blind)
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    QVariant value(const QString& field) const;
    QVariant value(int index) const;
    QString text(const QString& field) const;      // value as text (dates dd/mm/yyyy)
    qint64 integer(const QString& field) const;    // 0 for NULL
    double number(const QString& field) const;
    bool boolean(const QString& field) const;
    QDateTime dateTime(const QString& field) const;
    QDate date(const QString& field) const;
    bool isNull(const QString& field) const;
    // Sets a field of the current row; puts a browsing row in edit state first.
    void setValue(const QString& field, const QVariant& value);
    // The row key of the current row (the table's rowid), -1 when none or while a row is being inserted.
    qint64 currentKey() const;

    // --- editing
    void append();  // insert a new row (events: newRecord)
    void edit();
    void post();    // throws AppError; on a conflict the edit stays pending
    void cancel();
    void remove();  // delete the current row (events: beforeDelete, afterDelete)

signals:
    void newRecord();
    void beforeDelete();
    void afterDelete();
    void afterPost();
    void fieldChanged(const QString& field);
    // The current row changed: another row, a reopened dataset, an edited field, a cancelled edit.
    void dataChanged();
    void stateChanged();

private:
    void requireOpen() const;
    void requireRow() const;
    void requireUpdatable() const;
    void setState(State state);
    void scrolled();
    void postPendingEdit();
    void clearEdit();

    SqliteConnection& m_connection;
    QString m_name;
    QStringList m_sql;
    State m_state = State::Inactive;
    std::unique_ptr<DatasetCursor> m_cursor;
    int m_row = -1;
    bool m_bof = true;
    bool m_eof = true;
    int m_rowBeforeInsert = -1;
    std::map<int, QVariant> m_changes;   // field -> new value (program form) while editing
    std::map<int, QVariant> m_stored;    // field -> new value as stored
    std::map<int, QVariant> m_originals; // field -> value as stored when the edit began
    QHash<QString, int> m_fieldIndex;    // lower-case name -> index
    QHash<QString, int> m_exactIndex;    // name as the result gives it -> index (no case folding)
};

// Helpers every window uses.
bool IsDatasetEmpty(const Dataset& dataset);
void PostIfEditing(Dataset& dataset);
void EditIfBrowsing(Dataset& dataset);
// Runs one statement on the work dataset's connection (the dataset is closed first and left closed).
int ExecuteSql(Dataset& work, const QString& statement);
void ReopenKeepingPosition(Dataset& dataset);
int FindSqlLine(const QStringList& sql, const QString& keyword);
// prefix + title (or "Pas de désignation") + " - " + number (when not empty) + suffix; at most 255 characters.
QString ContractCaption(const Dataset& contract, const QString& prefix, const QString& suffix);

} // namespace db
