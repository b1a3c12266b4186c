#pragma once

#include <QStringList>

namespace cli {

// "sql STATEMENT": one Jet SQL statement on the program's shared connection. A SELECT prints a header
// line of column names and one line per row, values separated by a tab; any other statement prints the
// number of rows it changed. Returns the exit status.
int sqlCommand(const QString& dataDir, const QStringList& args);

} // namespace cli
