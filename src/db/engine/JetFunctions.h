#pragma once

struct sqlite3;

namespace db {

// Registers on a connection the Jet built-ins the engine lacks (DATEADD, IIF, NZ, UCASE, ...), the
// French case-blind comparison in place of NOCASE, and a Unicode-aware, case-blind LIKE.
void registerJetExtensions(sqlite3* handle);

} // namespace db
