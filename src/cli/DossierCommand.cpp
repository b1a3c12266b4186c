#include "cli/DossierCommand.h"

#include "app/Startup.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "contracts/Dossiers.h"

namespace cli {

namespace {

int addDossier(const QString& dataDir, const QStringList& args) {
    if (args.isEmpty()) {
        printError(QStringLiteral("Indiquez le nom du dossier : dossier add NOM [--password MOT_DE_PASSE]."));
        return 2;
    }
    const QString name = args[0];
    QString password;
    for (int i = 1; i < args.size(); i += 2) {
        if (args[i] != QLatin1String("--password")) {
            printError(QStringLiteral("Option inconnue : « %1 ».").arg(args[i]));
            return 2;
        }
        if (i + 1 >= args.size()) {
            printError(QStringLiteral("L'option --password attend une valeur."));
            return 2;
        }
        password = args[i + 1];
    }
    if (name.trimmed().isEmpty()) {
        printError(QStringLiteral("Le nom du dossier ne peut pas être vide."));
        return 2;
    }
    CliSession session(dataDir);
    if (!session.start())
        return 1;
    printLine(QString::number(contracts::AddDossier(session.dataModule(), name, password)));
    return 0;
}

int listDossiers(const QString& dataDir, const QStringList& args) {
    if (!args.isEmpty()) {
        printError(QStringLiteral("La commande dossier list ne prend pas d'argument."));
        return 2;
    }
    CliSession session(dataDir);
    if (!session.start())
        return 1;
    printLine(QStringLiteral("Id\tNom\tMot de passe"));
    for (const contracts::DossierSummary& dossier : contracts::ListDossiers(app::mainConnection()))
        printLine(
            QStringLiteral("%1\t%2\t%3")
                .arg(dossier.id)
                .arg(dossier.name, dossier.hasPassword ? QStringLiteral("oui") : QStringLiteral("non")));
    return 0;
}

} // namespace

int dossierCommand(const QString& dataDir, const QStringList& args) {
    const QString action = args.value(0);
    if (action == QLatin1String("add"))
        return addDossier(dataDir, args.mid(1));
    if (action == QLatin1String("list"))
        return listDossiers(dataDir, args.mid(1));
    printError(QStringLiteral("Usage : dossier add NOM [--password MOT_DE_PASSE] | dossier list"));
    return 2;
}

} // namespace cli
