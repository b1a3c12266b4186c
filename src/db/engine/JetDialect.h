#pragma once

#include <QString>

// Turns one statement of the Jet SQL dialect into the engine's SQL.
namespace db::jet {

// Throws app::AppError (French text) on a statement it cannot read, such as an unclosed literal.
QString translate(const QString& jetSql);

} // namespace db::jet
