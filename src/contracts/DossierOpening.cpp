#include "contracts/DossierOpening.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "contracts/SortOrder.h"
#include "db/TDataModule1.h"

namespace contracts {

void OpenDossierContracts(int dossierId, const QString& dossierName) {
    Q_UNUSED(dossierName)
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return;
    app::globals().currentDossierId = dossierId;
    // The dossier's own numbering keys are read once its Id is known.
    app::LoadSettings();
    db::Dataset& contract = module->Contract;
    contract.close();
    contract.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=%1").arg(dossierId));
    // A sort file whose terms the engine refuses falls back to the creation order; choosing the order
    // again in the sort dialog says what is wrong.
    OpenWithSortOrder(contract, DefaultContractOrder);
    module->ContractFile.close();
    module->ContractFile.open();
    // The category tree of the navigation belongs to the dossier.
    db::Dataset& tree = module->Tree;
    tree.close();
    tree.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=%1").arg(dossierId));
}

bool OpenFirstDossierAtStartup() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return true;
    bool readable = true;
    try {
        db::Dataset& dossiers = module->MainFile;
        dossiers.close();
        dossiers.open();
        if (!db::IsDatasetEmpty(dossiers) && dossiers.text(QStringLiteral("LoginPassword")).isEmpty())
            OpenDossierContracts(static_cast<int>(dossiers.integer(QStringLiteral("ID"))),
                                 dossiers.text(QStringLiteral("LoginName")));
        dossiers.close();
    } catch (const app::AppError&) {
        readable = false;
    }
    if (app::globals().currentDossierId == -1) {
        db::Dataset& contract = module->Contract;
        contract.close();
        contract.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=-1"));
        contract.open();
    }
    return readable;
}

} // namespace contracts
