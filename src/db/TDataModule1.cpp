#include "db/TDataModule1.h"

#include "app/AppError.h"
#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "contracts/CodeNumbering.h"
#include "db/engine/SqliteConnection.h"

#include <QFile>

namespace db {

namespace {

TDataModule1* instance = nullptr;

QStringList lines(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* line : list)
        result << QString::fromUtf8(line);
    return result;
}

QString storedFile(const QString& relative) { return app::databaseConfig().databaseDir + relative; }

} // namespace

TDataModule1* dataModule1() { return instance; }

TDataModule1::TDataModule1(SqliteConnection& connection, QObject* parent)
    : QObject(parent),
      MainFile(connection, QStringLiteral("MainFile"),
               lines({"SELECT ID, FullName, LoginName, LoginPassword, Administrator, Comment as [Color], "
                      "Custom00144243 as [Size] FROM PROFILES"})),
      Contract(connection, QStringLiteral("Contract"),
               lines({"SELECT * FROM CONTRACT", "WHERE Id_File=-1", "ORDER BY TITLE"})),
      ContractFile(connection, QStringLiteral("ContractFile"), lines({"SELECT * FROM CONTRACTFILE", "WHERE ID_REF=-1"})),
      ContractImg(connection, QStringLiteral("ContractImg"),
                  lines({"SELECT * FROM CONTRACTIMG", "WHERE ID_REF=-1", "ORDER BY Id"})),
      People(connection, QStringLiteral("People"), lines({"SELECT * FROM PEOPLE", "WHERE ID_FILE=-1", "ORDER BY Name"})),
      PeopleList(connection, QStringLiteral("PeopleList"),
                 lines({"SELECT * FROM PEOPLE", "WHERE ID_FILE=-1", "ORDER BY Name"})),
      Company(connection, QStringLiteral("Company"),
              lines({"SELECT * FROM COMPANY", "WHERE ID_FILE=-1", "ORDER BY TITLE"})),
      CompanyList(connection, QStringLiteral("CompanyList"),
                  lines({"SELECT * FROM COMPANY", "WHERE ID_FILE=-1", "ORDER BY TITLE"})),
      ContractPeople(connection, QStringLiteral("ContractPeople"),
                     lines({"SELECT * FROM L_PEOPLE", "WHERE ID_FILE=-1", "ORDER BY Id"})),
      ContractCompany(connection, QStringLiteral("ContractCompany"),
                      lines({"SELECT * FROM L_COMPANY", "WHERE ID_FILE=-1", "ORDER BY Id"})),
      Event(connection, QStringLiteral("Event"), lines({"SELECT * FROM EVENT", "WHERE Id_Ref=-1", "ORDER BY DateEvent"})),
      Tree(connection, QStringLiteral("Tree"), lines({"SELECT * FROM TREE", "WHERE Id_File=-1", "ORDER BY NODEPOS"})),
      TreeLocation(connection, QStringLiteral("TreeLocation"),
                   lines({"SELECT * FROM TREE_LOCATION", "WHERE Id_File=-1", "ORDER BY NODEPOS"})),
      ComboItems(connection, QStringLiteral("ComboItems"), lines({"SELECT * FROM COMBOITEMS"})),
      CustomLabel(connection, QStringLiteral("CustomLabel"), lines({"SELECT * FROM CustomLab", "WHERE Id_File=-1"})),
      Backup(connection, QStringLiteral("Backup"), lines({"SELECT * FROM BACKUP"})),
      UserAccount(connection, QStringLiteral("UserAccount"), lines({"SELECT * FROM USERACCOUNT", "WHERE ID=-1"})),
      SearchQuery(connection, QStringLiteral("SearchQuery"), lines({"SELECT * FROM CONTRACT", "WHERE Id_File=-1"})),
      Query(connection, QStringLiteral("Query"), {}),
      m_connection(connection)
{
    attachRules();
    instance = this;
}

TDataModule1::~TDataModule1()
{
    if (instance == this)
        instance = nullptr;
}

QString TDataModule1::pageImagePath(qint64 id) { return storedFile(QStringLiteral("Images/Doc%1.jpg").arg(id)); }
QString TDataModule1::attachedFilePath(qint64 id) { return storedFile(QStringLiteral("Files/File%1.f").arg(id)); }
QString TDataModule1::personImagePath(qint64 id) { return storedFile(QStringLiteral("Images/People%1.jpg").arg(id)); }
QString TDataModule1::companyImagePath(qint64 id) { return storedFile(QStringLiteral("Images/Company%1.jpg").arg(id)); }

void TDataModule1::attachRules()
{
    connect(&Contract, &Dataset::newRecord, this, &TDataModule1::onNewContract);
    connect(&Contract, &Dataset::beforeDelete, this, &TDataModule1::onContractDeleting);
    connect(&Contract, &Dataset::fieldChanged, this, [this](const QString& field) {
        if (field.compare(QLatin1String("Title"), Qt::CaseInsensitive) == 0)
            emit contractCaptionChanged(Contract.currentKey(), ContractCaption(Contract, QString(), QString()));
    });
    connect(&MainFile, &Dataset::beforeDelete, this, &TDataModule1::deleteDossierRows);

    // New people and companies are shared by every dossier.
    for (Dataset* shared : {&People, &PeopleList, &Company, &CompanyList})
        connect(shared, &Dataset::newRecord, this, [shared] { shared->setValue(QStringLiteral("Id_File"), -1); });

    // Rows whose pictures or archives live on disk take them along, once the deletion is committed.
    const struct {
        Dataset* dataset;
        const char* table;
        QString (*path)(qint64);
    } owners[] = {{&ContractFile, "CONTRACTFILE", &TDataModule1::attachedFilePath},
                  {&ContractImg, "CONTRACTIMG", &TDataModule1::pageImagePath},
                  {&People, "PEOPLE", &TDataModule1::personImagePath},
                  {&PeopleList, "PEOPLE", &TDataModule1::personImagePath},
                  {&Company, "COMPANY", &TDataModule1::companyImagePath},
                  {&CompanyList, "COMPANY", &TDataModule1::companyImagePath}};
    for (const auto& owner : owners) {
        Dataset* dataset = owner.dataset;
        const QString table = QString::fromLatin1(owner.table);
        const auto path = owner.path;
        connect(dataset, &Dataset::beforeDelete, this, [this, dataset, table, path] {
            const qint64 id = dataset->currentKey();
            queueFileDeletion(table, id, path(id));
        });
    }
    for (Dataset* dataset : {&ContractFile, &ContractImg, &People, &PeopleList, &Company, &CompanyList, &Contract,
                             &MainFile})
        connect(dataset, &Dataset::afterDelete, this, &TDataModule1::flushFileDeletions);
}

void TDataModule1::onNewContract()
{
    // Another copy of the program may have deleted the open dossier meanwhile.
    SqliteStatement dossier = m_connection.prepareNative(QStringLiteral("SELECT 1 FROM PROFILES WHERE ID=?"));
    dossier.bindInt(1, app::globals().currentDossierId);
    if (!dossier.step())
        throw app::AppError(QStringLiteral("Ce dossier n'existe plus : il a sans doute été supprimé par un autre poste.\r"
                                           "Aucun contrat n'a été ajouté."));
    Contract.setValue(QStringLiteral("Id_File"), app::globals().currentDossierId);
    Contract.setValue(QStringLiteral("State"), QStringLiteral("PROJET"));
    for (const char* memo : {"Keyword", "Detail", "Remark1", "Remark2", "Misc11", "Misc12"})
        Contract.setValue(QString::fromLatin1(memo), QString());
    Contract.setValue(QStringLiteral("Length"), 12);
    Contract.setValue(QStringLiteral("Alarm"), 0);
    Contract.setValue(QStringLiteral("AnnualCost"), 0.0);
    Contract.setValue(QStringLiteral("TacitRenewal"), true);
    if (app::settings().autoCalcCode)
        Contract.setValue(QStringLiteral("Code"), contracts::NextContractCode());
    // The new contract exists in the table, with its Id, from the moment it is created.
    Contract.post();
    Contract.edit();
}

void TDataModule1::onContractDeleting()
{
    const qint64 id = Contract.currentKey();
    emit contractDeleting(id);
    ExecuteSql(Query, QStringLiteral("DELETE FROM L_PEOPLE WHERE L_PEOPLE.Id_Ref=%1").arg(id));
    ExecuteSql(Query, QStringLiteral("DELETE FROM L_COMPANY WHERE L_COMPANY.Id_Ref=%1").arg(id));
    for (Dataset* children : {&ContractFile, &ContractImg}) {
        children->close();
        children->replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_Ref=%1").arg(id));
        children->open();
        while (!IsDatasetEmpty(*children))
            children->remove();
        children->close();
    }
    ExecuteSql(Query, QStringLiteral("DELETE FROM EVENT WHERE Id_Ref=%1").arg(id));
}

void TDataModule1::deleteDossierRows()
{
    const qint64 dossier = MainFile.integer(QStringLiteral("ID"));
    const QString id = QString::number(dossier);
    ExecuteSql(Query, QStringLiteral("DELETE FROM TREE WHERE TREE.Id_File=") + id);
    ExecuteSql(Query, QStringLiteral("DELETE FROM CUSTOMLAB WHERE CUSTOMLAB.Id_File=") + id);
    // The first row of the pick lists is shared by every dossier, whatever its Id_File says.
    ExecuteSql(Query, QStringLiteral("DELETE FROM COMBOITEMS WHERE COMBOITEMS.Id_File=%1 AND COMBOITEMS.Id<>"
                                     "(SELECT MIN(Id) FROM COMBOITEMS)")
                          .arg(id));
    for (const char* table : {"OBJECT_VAL_BIT", "OBJECT_VAL_INT", "OBJECT_VAL_MEMO", "OBJECT_VAL_OLE",
                              "OBJECT_VAL_REAL", "OBJECT_VAL_STR"}) {
        const QString name = QString::fromLatin1(table);
        ExecuteSql(Query, QStringLiteral("DELETE FROM %1 WHERE %1.USERID=%2").arg(name, id));
    }
    if (m_progress) {
        m_progress->setMessage(QStringLiteral("Suppression des contrats"));
        m_progress->setMaximum(1);
        m_progress->advance();
    }
    Contract.close();
    Contract.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=") + id);
    Contract.open();
    Contract.first();
    if (!IsDatasetEmpty(Contract)) {
        if (m_progress)
            m_progress->setMaximum(Contract.recordCount());
        while (!IsDatasetEmpty(Contract)) {
            if (m_progress)
                m_progress->advance();
            Contract.remove();
        }
    }
    Contract.close();
    if (m_progress)
        m_progress->setMessage(QStringLiteral("Suppression du dossier"));
}

void TDataModule1::queueFileDeletion(const QString& table, qint64 id, const QString& path)
{
    m_pendingFiles.push_back({table, id, path});
}

void TDataModule1::flushFileDeletions()
{
    if (m_connection.transactionDepth() > 0)
        return;
    const std::vector<PendingFile> pending = std::move(m_pendingFiles);
    m_pendingFiles.clear();
    for (const PendingFile& file : pending) {
        // A deletion that failed and was rolled back leaves its row, and the row keeps its file.
        SqliteStatement row = m_connection.prepareNative(QStringLiteral("SELECT 1 FROM \"%1\" WHERE rowid=?").arg(file.table));
        row.bindInt(1, file.id);
        if (!row.step() && QFile::exists(file.path))
            QFile::remove(file.path);
    }
}

} // namespace db
