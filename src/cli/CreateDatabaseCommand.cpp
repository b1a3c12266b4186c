#include "cli/CreateDatabaseCommand.h"

#include "app/AppError.h"
#include "app/Win1252.h"
#include "cli/Console.h"
#include "db/engine/SqliteConnection.h"

#include <QFile>

namespace cli {

int createDatabaseCommand(const QStringList& args) {
    if (args.size() != 2) {
        printError(QStringLiteral("La commande create-database attend un script et un fichier."));
        return 2;
    }
    const QString schema = app::win1252::readTextFile(args[0]);
    if (QFile::exists(args[1]))
        throw app::AppError(QStringLiteral("Le fichier « %1 » existe déjà.").arg(args[1]));
    db::SqliteConnection connection;
    try {
        connection.open(args[1], true);
        connection.executeNative(QStringLiteral("PRAGMA journal_mode=DELETE"));
        connection.executeScript(schema);
        connection.executeNative(QStringLiteral("VACUUM"));
        connection.close();
    } catch (const app::AppError&) {
        // A half-made database would pass for the empty one and stand in the way of the next attempt.
        connection.close();
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            QFile::remove(args[1] + QLatin1String(suffix));
        throw;
    }
    return 0;
}

} // namespace cli
