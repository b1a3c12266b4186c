#pragma once

#include <QStringList>

namespace cli {

// "init": runs the program's start-up on the data folder and prints where the database is, one
// "name: value" line each. Returns the exit status.
int initCommand(const QString& dataDir, const QStringList& args);

} // namespace cli
