#pragma once

#include <QStringList>

namespace cli {

// "fixture --contracts N [--seed S] [--name NAME]": adds a demonstration dossier to the database and
// prints what it made, one "name: value" line each. Returns the exit status.
int fixtureCommand(const QString& dataDir, const QStringList& args);

} // namespace cli
