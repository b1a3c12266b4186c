#pragma once

#include <QString>
#include <QStringList>

namespace cli {

// "dossier add NAME [--password P]" prints the new dossier's Id; "dossier list" prints one line per
// dossier (Id, name, "oui"/"non" for a password) under a header, separated by tabulations.
int dossierCommand(const QString& dataDir, const QStringList& args);

} // namespace cli
