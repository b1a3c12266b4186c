#pragma once

#include <QString>

struct sqlite3;

namespace db {

// A French text for an engine failure; the engine's own text stays at its end so that nothing is hidden.
QString engineErrorText(sqlite3* handle, int code, const QString& sql = QString());

// True when the file starts like a database of the former (Jet/ACE) format.
bool isFormerFormatDatabase(const QString& path);

} // namespace db
