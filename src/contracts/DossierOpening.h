#pragma once

#include <QString>

namespace contracts {

// The order of the contract dataset and the list windows when the sort file gives none.
inline const QString DefaultContractOrder = QStringLiteral("Contract.Id");

// The data part of opening a dossier: CurrentDossierId, its settings, the contract dataset filtered on it
// and sorted by the sort file, the attached-file dataset opened, the category dataset (Tree) filtered on
// it. The window builds its tree and labels afterwards.
void OpenDossierContracts(int dossierId, const QString& dossierName);

// Main-window creation: opens the first dossier of the list when it has no password; otherwise, and when
// reading the list fails, leaves the contract dataset open and empty. Returns false when reading the list
// raised (the caller shows its warning).
bool OpenFirstDossierAtStartup();

} // namespace contracts
