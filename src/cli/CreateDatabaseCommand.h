#pragma once

#include <QStringList>

namespace cli {

// "create-database SCHEMA.sql FILE": makes the empty database that the build ships. Returns the exit status.
int createDatabaseCommand(const QStringList& args);

} // namespace cli
