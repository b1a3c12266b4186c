#include "db/engine/JetDdl.h"

#include "db/engine/JetRewriter.h"
#include "db/engine/JetSyntax.h"

namespace db::jet {
QString translateDdl(const Tokens&, const EngineSyntax&) { return {}; }
} // namespace db::jet
