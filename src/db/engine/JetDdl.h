#pragma once

#include "db/engine/JetTokenizer.h"

namespace db::jet {

class EngineSyntax;

// Jet's data definition statements (CREATE TABLE, ALTER TABLE ADD/DROP, DROP TABLE, CREATE INDEX,
// DROP INDEX ... ON) in the engine's forms. Returns an empty text for any other statement.
QString translateDdl(const Tokens& tokens, const EngineSyntax& syntax);

} // namespace db::jet
