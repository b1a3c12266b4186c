#pragma once

#include <QString>

namespace contracts {

// Opens a dossier's contracts: CurrentDossierId, its settings, the contract dataset filtered on it.
void OpenDossierContracts(int dossierId, const QString& dossierName);

// Main-window creation: opens the first dossier of the list when it has no password; otherwise, and when
// reading the list fails, leaves the contract dataset open and empty. Returns false when reading the list
// raised (the caller shows its warning).
bool OpenFirstDossierAtStartup();

} // namespace contracts
