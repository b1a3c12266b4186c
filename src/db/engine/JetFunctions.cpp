#include "db/engine/JetFunctions.h"

namespace db {
void registerJetExtensions(sqlite3*) {} // placeholder until the functions land
} // namespace db
