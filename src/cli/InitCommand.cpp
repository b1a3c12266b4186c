#include "cli/InitCommand.h"

#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Startup.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "db/VersionRecord.h"

namespace cli {

int initCommand(const QString& dataDir, const QStringList& args) {
    if (!args.isEmpty()) {
        printError(QStringLiteral("La commande init ne prend pas d'argument."));
        return 2;
    }
    CliSession session(dataDir);
    if (!session.start())
        return 1;
    const app::DatabaseConfig& config = app::databaseConfig();
    printLine(QStringLiteral("data folder: ") + app::globals().dataDir);
    printLine(QStringLiteral("database folder: ") + config.databaseDir);
    printLine(QStringLiteral("database file: ") + config.databaseFile());
    printLine(QStringLiteral("database version: ") + db::GetDatabaseVersion(app::mainConnection()));
    return 0;
}

} // namespace cli
