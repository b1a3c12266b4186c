#include "db/engine/JetDialect.h"

namespace db::jet {
QString translate(const QString& jetSql) { return jetSql; } // placeholder until the translator lands
} // namespace db::jet
