#include "cli/CliCommands.h"

#include "app/AppError.h"
#include "app/Win1252.h"
#include "db/engine/SqliteConnection.h"

#include <QFile>
#include <cstdio>

namespace cli {

namespace {

void printError(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s\n", shown.toUtf8().constData());
}

int usage()
{
    printError(QStringLiteral(
        "Usage : contrats-cli [--data-dir DOSSIER] COMMANDE\n"
        "Commandes :\n"
        "  create-database SCHEMA.sql FICHIER   crée une base vide à partir d'un script\n"));
    return 2;
}

int createDatabase(const QStringList& args)
{
    if (args.size() != 2)
        return usage();
    const QString schema = app::win1252::readTextFile(args[0]);
    if (QFile::exists(args[1]))
        throw app::AppError(QStringLiteral("Le fichier « %1 » existe déjà.").arg(args[1]));
    db::SqliteConnection connection;
    connection.open(args[1], true);
    connection.executeNative(QStringLiteral("PRAGMA journal_mode=DELETE"));
    connection.executeScript(schema);
    connection.executeNative(QStringLiteral("VACUUM"));
    connection.close();
    return 0;
}

} // namespace

int run(const QStringList& arguments)
{
    QStringList args = arguments;
    QString dataDir;
    if (args.size() >= 2 && args[0] == QLatin1String("--data-dir")) {
        dataDir = args[1];
        args = args.mid(2);
    }
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("create-database"))
            return createDatabase(args);
    } catch (const app::AppError& error) {
        printError(error.text());
        return 1;
    }
    return usage();
}

} // namespace cli
