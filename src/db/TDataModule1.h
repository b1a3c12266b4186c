#pragma once

#include "db/Dataset.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

namespace db {

class SqliteConnection;

// Reports the progress of a long deletion (the dossier's wait box).
class DeletionProgress {
public:
    virtual ~DeletionProgress() = default;
    virtual void setMessage(const QString& text) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void advance() = 0;
};

// The main data module: the datasets the windows read and edit, and the record rules that keep the
// data whole (defaults of new rows, what goes with a deleted row, files on disk included).
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(SqliteConnection& connection, QObject* parent = nullptr);
    ~TDataModule1() override;

    SqliteConnection& connection() const { return m_connection; }

    Dataset MainFile;
    Dataset Contract;
    Dataset ContractFile;
    Dataset ContractImg;
    Dataset People;
    Dataset PeopleList;
    Dataset Company;
    Dataset CompanyList;
    Dataset ContractPeople;
    Dataset ContractCompany;
    Dataset Event;
    Dataset Tree;
    Dataset TreeLocation;
    Dataset ComboItems;
    Dataset CustomLabel;
    Dataset Backup;
    Dataset UserAccount;
    Dataset SearchQuery;
    Dataset Query; // work dataset for statements issued by code

    // Set by the window that deletes a dossier; null otherwise.
    void setDeletionProgress(DeletionProgress* progress) { m_progress = progress; }

    // Files named after a row: folder of the database + "Images/Doc" + Id + ".jpg" and the like.
    static QString pageImagePath(qint64 id);
    static QString attachedFilePath(qint64 id);
    static QString personImagePath(qint64 id);
    static QString companyImagePath(qint64 id);

signals:
    // A contract is about to go: the navigation tree removes its nodes.
    void contractDeleting(qint64 contractId);
    // The designation of a contract changed: the navigation tree recaptions its nodes.
    void contractCaptionChanged(qint64 contractId, const QString& caption);

private:
    void attachRules();
    void onNewContract();
    void onContractDeleting();
    void deleteDossierRows();
    void queueFileDeletion(const QString& table, qint64 id, const QString& path);
    void flushFileDeletions();

    SqliteConnection& m_connection;
    DeletionProgress* m_progress = nullptr;
    struct PendingFile {
        QString table;
        qint64 id;
        QString path;
    };
    std::vector<PendingFile> m_pendingFiles;
};

// The process's main data module (null before start-up created it).
TDataModule1* dataModule1();

} // namespace db
