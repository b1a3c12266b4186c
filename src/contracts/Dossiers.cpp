#include "contracts/Dossiers.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"

namespace contracts {

namespace {

constexpr int MaximumPasswordLength = 255;

const QString GoneDossier = QStringLiteral("Ce dossier n'existe plus : il a sans doute été supprimé.");

// MainFile with an extra WHERE line for the time of a reading; its own statement comes back afterwards.
class FilteredMainFile {
  public:
    FilteredMainFile(db::Dataset& dataset, int id) : m_dataset(dataset), m_sql(dataset.sql()) {
        m_dataset.close();
        m_dataset.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id=%1").arg(id));
        m_dataset.open();
    }
    ~FilteredMainFile() {
        m_dataset.close();
        m_dataset.setSql(m_sql);
    }
    FilteredMainFile(const FilteredMainFile&) = delete;
    FilteredMainFile& operator=(const FilteredMainFile&) = delete;

  private:
    db::Dataset& m_dataset;
    QStringList m_sql;
};

// Closes MainFile however the command ends.
struct MainFileCloser {
    db::Dataset& dataset;
    ~MainFileCloser() { dataset.close(); }
};

} // namespace

QString ReadDossierPassword(db::TDataModule1& module, int id) {
    FilteredMainFile filtered(module.MainFile, id);
    if (db::IsDatasetEmpty(module.MainFile))
        throw app::AppError(GoneDossier);
    return module.MainFile.text(QStringLiteral("LoginPassword")).left(MaximumPasswordLength);
}

bool PasswordMatches(const QString& typed, const QString& stored) {
    return typed == stored;
}

void CloseDossierData(db::TDataModule1& module) {
    app::SaveSettings();
    db::PostIfEditing(module.Contract);
    app::globals().currentDossierId = -1;
    db::Dataset& contract = module.Contract;
    contract.close();
    contract.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=-99"));
    contract.open();
    module.ContractFile.close();
}

void DeleteDossierData(db::TDataModule1& module, int id, db::DeletionProgress* progress) {
    // The cascade goes through the contract dataset: its rows come back as they were when the deletion
    // fails or concerns another dossier than the open one.
    db::Dataset& contract = module.Contract;
    db::PostIfEditing(contract);
    const bool wasOpen = contract.isOpen();
    const QStringList contractSql = contract.sql();
    const qint64 currentContract = wasOpen && !db::IsDatasetEmpty(contract) ? contract.currentKey() : -1;
    const auto restoreContracts = [&] {
        contract.close();
        contract.setSql(contractSql);
        if (!wasOpen)
            return;
        contract.open();
        if (currentContract >= 0)
            contract.locateKey(currentContract);
    };
    {
        MainFileCloser closer{module.MainFile};
        module.MainFile.close();
        module.MainFile.open();
        if (!module.MainFile.locate(QStringLiteral("ID"), id))
            throw app::AppError(GoneDossier);
        module.setDeletionProgress(progress);
        try {
            module.MainFile.remove();
        } catch (...) {
            module.setDeletionProgress(nullptr);
            restoreContracts();
            throw;
        }
        module.setDeletionProgress(nullptr);
    }
    if (app::globals().currentDossierId != id) {
        restoreContracts();
        app::DeleteDossierSettings(id);
        return;
    }
    // Closed before its keys go, so that saving the settings on the way out cannot write them back.
    CloseDossierData(module);
    app::DeleteDossierSettings(id);
}

int AddDossier(db::TDataModule1& module, const QString& name, const QString& password, const QString& owner,
               const QString& observations) {
    if (name.trimmed().isEmpty())
        throw app::AppError(QStringLiteral("Le nom du dossier ne peut pas être vide."));
    db::Dataset& dossiers = module.MainFile;
    MainFileCloser closer{dossiers};
    dossiers.close();
    dossiers.open();
    dossiers.append();
    dossiers.setValue(QStringLiteral("LoginName"), name);
    dossiers.setValue(QStringLiteral("LoginPassword"), password);
    dossiers.setValue(QStringLiteral("FullName"), owner);
    dossiers.setValue(QStringLiteral("Color"), observations);
    dossiers.post();
    return static_cast<int>(dossiers.integer(QStringLiteral("ID")));
}

int CountDossiers(db::SqliteConnection& connection) {
    db::SqliteStatement statement = connection.prepare(QStringLiteral("SELECT COUNT(*) FROM PROFILES"));
    return statement.step() ? static_cast<int>(statement.intValue(0)) : 0;
}

QList<DossierSummary> ListDossiers(db::SqliteConnection& connection) {
    QList<DossierSummary> result;
    db::SqliteStatement statement =
        connection.prepare(QStringLiteral("SELECT ID, LoginName, LoginPassword FROM PROFILES"));
    while (statement.step())
        result.append({static_cast<int>(statement.intValue(0)), statement.textValue(1),
                       !statement.textValue(2).isEmpty()});
    return result;
}

} // namespace contracts
