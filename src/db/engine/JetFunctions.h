#pragma once

struct sqlite3;

namespace db {

// Registers on a connection the Jet built-ins the engine lacks (DATEADD, IIF, NZ, UCASE, ...) under the
// names the Jet translator gives them, the French case-blind comparison in place of NOCASE (and as
// FRENCH), and a Unicode-aware, case-blind LIKE. Throws app::AppError when the engine refuses one.
void registerJetExtensions(sqlite3* handle);

} // namespace db
