#include "db/Dataset.h"

#include "app/AppError.h"
#include "db/DatasetCursor.h"
#include "db/engine/JetDialect.h"
#include "db/engine/SqliteConnection.h"

namespace db {

Dataset::Dataset(SqliteConnection& connection, const QString& name, const QStringList& sql, QObject* parent)
    : QObject(parent), m_connection(connection), m_name(name), m_sql(sql)
{
    setObjectName(name);
}

Dataset::~Dataset() = default;

// ---------------------------------------------------------------- SQL lines

void Dataset::setSql(const QStringList& lines)
{
    close();
    m_sql = lines;
}

void Dataset::setSqlLine(int index, const QString& line)
{
    close();
    if (index >= 0 && index < m_sql.size())
        m_sql[index] = line;
    else
        m_sql.append(line);
}

void Dataset::replaceSqlLine(const QString& keyword, const QString& line)
{
    setSqlLine(FindSqlLine(m_sql, keyword), line);
}

// ---------------------------------------------------------------- opening

void Dataset::open()
{
    if (isOpen())
        return;
    const QString text = sqlText();
    if (jet::analyseSelect(text).singleTable)
        m_cursor = std::make_unique<KeysetCursor>(m_connection, text);
    else
        m_cursor = std::make_unique<SnapshotCursor>(m_connection, text);
    m_fieldIndex.clear();
    m_exactIndex.clear();
    const auto& list = m_cursor->fields();
    for (size_t i = 0; i < list.size(); ++i) {
        if (!m_fieldIndex.contains(list[i].name.toLower()))
            m_fieldIndex.insert(list[i].name.toLower(), static_cast<int>(i));
        if (!m_exactIndex.contains(list[i].name))
            m_exactIndex.insert(list[i].name, static_cast<int>(i));
    }
    m_row = m_cursor->count() > 0 ? 0 : -1;
    m_bof = true;
    m_eof = m_cursor->count() == 0;
    clearEdit();
    setState(State::Browse);
    emit dataChanged();
}

void Dataset::close()
{
    if (!isOpen())
        return;
    clearEdit();
    m_cursor.reset();
    m_fieldIndex.clear();
    m_exactIndex.clear();
    m_row = -1;
    m_bof = m_eof = true;
    setState(State::Inactive);
    emit dataChanged();
}

bool Dataset::isUpdatable() const { return m_cursor && m_cursor->updatable(); }

void Dataset::requireOpen() const
{
    if (!isOpen())
        throw app::AppError(QStringLiteral("Les données « %1 » ne sont pas ouvertes.").arg(m_name));
}

void Dataset::requireRow() const
{
    requireOpen();
    if (m_row < 0 || m_row >= m_cursor->count())
        throw app::AppError(QStringLiteral("Il n'y a pas d'enregistrement courant."));
}

void Dataset::requireUpdatable() const
{
    if (!isUpdatable())
        throw app::AppError(QStringLiteral("Ces données sont en lecture seule : elles ne peuvent pas être modifiées."));
}

void Dataset::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void Dataset::clearEdit()
{
    m_changes.clear();
    m_stored.clear();
    m_originals.clear();
}

// ---------------------------------------------------------------- navigation

void Dataset::postPendingEdit()
{
    if (isEditing())
        post();
}

void Dataset::scrolled() { emit dataChanged(); }

void Dataset::first()
{
    requireOpen();
    postPendingEdit();
    m_row = m_cursor->count() > 0 ? 0 : -1;
    m_bof = true;
    m_eof = m_cursor->count() == 0;
    scrolled();
}

void Dataset::last()
{
    requireOpen();
    postPendingEdit();
    m_row = m_cursor->count() - 1;
    m_eof = true;
    m_bof = m_cursor->count() == 0;
    scrolled();
}

// Moving leaves the other end: a row reached past its last (or first) row is at one end only, so that
// a dataset of one row never reads as empty (at its beginning and its end at once) after a walk.
void Dataset::next()
{
    requireOpen();
    postPendingEdit();
    if (m_eof)
        return;
    m_bof = false;
    if (m_row + 1 < m_cursor->count()) {
        ++m_row;
        scrolled();
    } else {
        m_eof = true;
    }
}

void Dataset::prior()
{
    requireOpen();
    postPendingEdit();
    if (m_bof)
        return;
    m_eof = false;
    if (m_row > 0) {
        --m_row;
        scrolled();
    } else {
        m_bof = true;
    }
}

int Dataset::recordCount() const { return m_cursor ? m_cursor->count() : 0; }

void Dataset::moveTo(int row)
{
    requireOpen();
    postPendingEdit();
    const int count = m_cursor->count();
    if (count == 0)
        return;
    m_row = std::clamp(row, 0, count - 1);
    m_bof = m_eof = false;
    scrolled();
}

bool Dataset::locateKey(qint64 key)
{
    requireOpen();
    const int row = m_cursor->rowOfKey(key);
    if (row < 0)
        return false;
    moveTo(row);
    return true;
}

bool Dataset::locate(const QString& field, const QVariant& value)
{
    requireOpen();
    const int index = fieldIndex(field);
    if (index < 0)
        throw app::AppError(QStringLiteral("Le champ « %1 » n'existe pas.").arg(field));
    if (m_cursor->fields()[static_cast<size_t>(index)].kind == FieldKind::AutoIncrement)
        return locateKey(value.toLongLong());
    const bool text = value.typeId() == QMetaType::QString;
    for (int row = 0; row < m_cursor->count(); ++row) {
        const QVariant candidate = m_cursor->value(row, index);
        const bool same = text ? candidate.toString().compare(value.toString(), Qt::CaseInsensitive) == 0
                               : candidate == value;
        if (same) {
            moveTo(row);
            return true;
        }
    }
    return false;
}

void Dataset::refreshCurrent()
{
    requireOpen();
    m_cursor->invalidate(m_row);
    emit dataChanged();
}

// ---------------------------------------------------------------- fields

const std::vector<FieldInfo>& Dataset::fields() const
{
    static const std::vector<FieldInfo> none;
    return m_cursor ? m_cursor->fields() : none;
}

int Dataset::fieldIndex(const QString& name) const
{
    const auto exact = m_exactIndex.constFind(name);
    return exact != m_exactIndex.cend() ? exact.value() : m_fieldIndex.value(name.toLower(), -1);
}

QVariant Dataset::value(int index) const
{
    if (!m_cursor || index < 0 || index >= static_cast<int>(m_cursor->fields().size()))
        return QVariant();
    if (isEditing()) {
        const auto changed = m_changes.find(index);
        if (changed != m_changes.end())
            return changed->second;
        if (m_state == State::Insert)
            return QVariant();
    }
    return m_cursor->value(m_row, index);
}

QVariant Dataset::value(const QString& field) const
{
    const int index = fieldIndex(field);
    if (index < 0 && isOpen())
        throw app::AppError(QStringLiteral("Le champ « %1 » n'existe pas dans « %2 ».").arg(field, m_name));
    return value(index);
}

QString Dataset::text(const QString& field) const
{
    const int index = fieldIndex(field);
    const FieldKind kind = index >= 0 ? fields()[static_cast<size_t>(index)].kind : FieldKind::Unknown;
    return displayText(kind, value(field));
}

qint64 Dataset::integer(const QString& field) const { return value(field).toLongLong(); }
double Dataset::number(const QString& field) const { return value(field).toDouble(); }
bool Dataset::boolean(const QString& field) const { return value(field).toBool(); }
QDateTime Dataset::dateTime(const QString& field) const { return value(field).toDateTime(); }
QDate Dataset::date(const QString& field) const { return value(field).toDate(); }
bool Dataset::isNull(const QString& field) const { return value(field).isNull(); }

qint64 Dataset::currentKey() const
{
    // A row being inserted has no key until it is posted; m_row is still the row shown before it.
    if (!m_cursor || m_state == State::Insert)
        return -1;
    return m_cursor->key(m_row);
}

void Dataset::setValue(const QString& field, const QVariant& value)
{
    requireOpen();
    const int index = fieldIndex(field);
    if (index < 0)
        throw app::AppError(QStringLiteral("Le champ « %1 » n'existe pas dans « %2 ».").arg(field, m_name));
    const FieldInfo& info = m_cursor->fields()[static_cast<size_t>(index)];
    // Refused values throw here, before anything changes.
    const QVariant stored = toStored(info, value);
    if (m_state == State::Browse)
        edit();
    if (m_state == State::Edit && !m_originals.count(index))
        m_originals[index] = m_cursor->storedValue(m_row, index);
    m_stored[index] = stored;
    m_changes[index] = fromStored(info.kind, stored);
    emit fieldChanged(info.name);
    emit dataChanged();
}

// ---------------------------------------------------------------- editing

void Dataset::append()
{
    requireOpen();
    requireUpdatable();
    postPendingEdit();
    m_rowBeforeInsert = m_row;
    clearEdit();
    setState(State::Insert);
    try {
        emit newRecord();
    } catch (...) {
        // A rule that refuses the new row leaves the dataset as it was.
        cancel();
        throw;
    }
    emit dataChanged();
}

void Dataset::edit()
{
    if (isEditing())
        return;
    requireRow();
    requireUpdatable();
    clearEdit();
    setState(State::Edit);
}

void Dataset::post()
{
    requireOpen();
    if (m_state == State::Insert) {
        std::vector<FieldChange> values;
        for (const auto& [field, stored] : m_stored)
            values.push_back({field, stored, QVariant()});
        m_row = m_cursor->insertRow(values);
        m_bof = m_eof = false;
    } else if (m_state == State::Edit) {
        std::vector<FieldChange> changes;
        for (const auto& [field, stored] : m_stored)
            changes.push_back({field, stored, m_originals[field]});
        m_cursor->updateRow(m_row, changes);
    } else {
        return;
    }
    clearEdit();
    m_cursor->invalidate(m_row);
    setState(State::Browse);
    emit afterPost();
    emit dataChanged();
}

void Dataset::cancel()
{
    if (!isEditing())
        return;
    if (m_state == State::Insert && m_cursor->count() > 0)
        m_row = std::clamp(m_rowBeforeInsert, 0, m_cursor->count() - 1);
    clearEdit();
    m_cursor->invalidate(m_row);
    setState(State::Browse);
    emit dataChanged();
}

void Dataset::remove()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    requireRow();
    requireUpdatable();
    {
        Transaction transaction(m_connection);
        emit beforeDelete();
        m_cursor->deleteRow(m_row);
        transaction.commit();
    }
    const int count = m_cursor->count();
    if (m_row >= count)
        m_row = count - 1;
    m_bof = m_row <= 0;
    m_eof = count == 0;
    emit afterDelete();
    emit dataChanged();
}

// ---------------------------------------------------------------- helpers

bool IsDatasetEmpty(const Dataset& dataset) { return dataset.bof() && dataset.eof(); }

void PostIfEditing(Dataset& dataset)
{
    if (dataset.isEditing())
        dataset.post();
}

void EditIfBrowsing(Dataset& dataset)
{
    if (dataset.state() == Dataset::State::Browse)
        dataset.edit();
}

int ExecuteSql(Dataset& work, const QString& statement)
{
    work.close();
    work.setSql({statement});
    const int changed = work.connection().execute(statement);
    work.close();
    return changed;
}

void ReopenKeepingPosition(Dataset& dataset)
{
    qint64 key = -1;
    try {
        if (dataset.isOpen() && !IsDatasetEmpty(dataset))
            key = dataset.currentKey();
    } catch (const app::AppError&) {
        key = -1;
    }
    dataset.close();
    dataset.open();
    if (key != -1)
        dataset.locateKey(key);
}

int FindSqlLine(const QStringList& sql, const QString& keyword)
{
    const QString wanted = keyword.toUpper();
    for (int i = 0; i < sql.size(); ++i)
        if (sql[i].toUpper().contains(wanted))
            return i;
    return -1;
}

QString ContractCaption(const Dataset& contract, const QString& prefix, const QString& suffix)
{
    if (!contract.isOpen() || (contract.recNo() < 0 && !contract.isEditing()))
        return QString();
    QString middle = contract.text(QStringLiteral("TITLE"));
    if (middle.isEmpty())
        middle = QStringLiteral("Pas de désignation");
    const QString number = contract.text(QStringLiteral("NOCONTRACT"));
    if (!number.isEmpty())
        middle += QStringLiteral(" - ") + number;
    return (prefix + middle + suffix).left(255);
}

} // namespace db
