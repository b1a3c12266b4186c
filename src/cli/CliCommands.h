#pragma once

#include <QStringList>

namespace cli {

// Runs one command of the command-line tool; returns the process exit status.
int run(const QStringList& arguments);

} // namespace cli
