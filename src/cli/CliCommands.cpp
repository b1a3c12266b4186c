#include "cli/CliCommands.h"

#include "app/AppError.h"
#include "cli/Console.h"
#include "cli/CreateDatabaseCommand.h"
#include "cli/DossierCommand.h"
#include "cli/FixtureCommand.h"
#include "cli/InitCommand.h"
#include "cli/SqlCommand.h"

#include <QDir>

namespace cli {

namespace {

int usage() {
    printError(QStringLiteral(
        "Usage : contrats-cli [--data-dir DOSSIER] COMMANDE\n"
        "Sans --data-dir, le dossier de données est celui du programme.\n"
        "Commandes :\n"
        "  init                                 démarre comme le programme et affiche les dossiers et la\n"
        "                                       version de la base\n"
        "  sql \"INSTRUCTION\"                    exécute une instruction SQL Jet ; un SELECT affiche ses\n"
        "                                       lignes séparées par des tabulations (\\t, \\r et \\n dans\n"
        "                                       une valeur), les autres le nombre de lignes modifiées\n"
        "  fixture --contracts N [--seed S] [--name NOM]\n"
        "                                       ajoute un dossier de démonstration de N contrats\n"
        "  create-database SCHEMA.sql FICHIER   crée une base vide à partir d'un script\n"
        "  dossier add NOM [--password MOT]     crée un dossier et affiche son Id\n"
        "  dossier list                         affiche les dossiers : Id, nom, mot de passe (oui/non)\n"));
    return 2;
}

} // namespace

int run(const QStringList& arguments) {
    QStringList args = arguments;
    QString dataDir;
    if (!args.isEmpty() && args[0] == QLatin1String("--data-dir")) {
        if (args.size() < 2 || args[1].isEmpty())
            return usage();
        dataDir = QDir(args[1]).absolutePath();
        args = args.mid(2);
    }
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("init"))
            return initCommand(dataDir, args);
        if (command == QLatin1String("sql"))
            return sqlCommand(dataDir, args);
        if (command == QLatin1String("fixture"))
            return fixtureCommand(dataDir, args);
        if (command == QLatin1String("dossier"))
            return dossierCommand(dataDir, args);
        if (command == QLatin1String("create-database"))
            return createDatabaseCommand(args);
    } catch (const app::AppError& error) {
        printError(error.text());
        return 1;
    }
    printError(QStringLiteral("Commande inconnue : « %1 ».").arg(command));
    return usage();
}

} // namespace cli
