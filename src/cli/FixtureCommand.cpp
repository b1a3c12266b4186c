#include "cli/FixtureCommand.h"

#include "app/Startup.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "cli/FixtureGenerator.h"

#include <QElapsedTimer>

namespace cli {

namespace {

constexpr int MaximumContracts = 10000000;

bool readOptions(const QStringList& args, FixtureOptions& options) {
    bool haveCount = false;
    for (int i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            printError(QStringLiteral("L'option %1 attend une valeur.").arg(args[i]));
            return false;
        }
        const QString& option = args[i];
        const QString& value = args[i + 1];
        bool ok = false;
        if (option == QLatin1String("--contracts")) {
            options.contracts = value.toInt(&ok);
            if (!ok || options.contracts < 0 || options.contracts > MaximumContracts) {
                printError(QStringLiteral("Nombre de contrats incorrect : « %1 ».").arg(value));
                return false;
            }
            haveCount = true;
        } else if (option == QLatin1String("--seed")) {
            options.seed = value.toULongLong(&ok);
            if (!ok) {
                printError(QStringLiteral("Graine incorrecte : « %1 ».").arg(value));
                return false;
            }
        } else if (option == QLatin1String("--name")) {
            options.dossierName = value.trimmed();
            if (options.dossierName.isEmpty() || options.dossierName.size() > 128) {
                printError(QStringLiteral("Le nom du dossier doit compter de 1 à 128 caractères."));
                return false;
            }
        } else {
            printError(QStringLiteral("Option inconnue : « %1 ».").arg(option));
            return false;
        }
    }
    if (!haveCount)
        printError(QStringLiteral("Indiquez le nombre de contrats : --contracts N."));
    return haveCount;
}

} // namespace

int fixtureCommand(const QString& dataDir, const QStringList& args) {
    FixtureOptions options;
    if (!readOptions(args, options))
        return 2;
    CliSession session(dataDir);
    if (!session.start())
        return 1;
    QElapsedTimer timer;
    timer.start();
    const FixtureSummary made = FixtureGenerator(app::mainConnection(), options).run();
    printLine(QStringLiteral("dossier: %1").arg(made.dossierId));
    printLine(QStringLiteral("dossier name: ") + made.dossierName);
    printLine(QStringLiteral("contracts: %1").arg(made.contracts));
    printLine(QStringLiteral("people: %1").arg(made.people));
    printLine(QStringLiteral("companies: %1").arg(made.companies));
    printLine(QStringLiteral("people links: %1").arg(made.peopleLinks));
    printLine(QStringLiteral("company links: %1").arg(made.companyLinks));
    printLine(QStringLiteral("events: %1").arg(made.events));
    printLine(QStringLiteral("category nodes: %1").arg(made.categoryNodes));
    printLine(QStringLiteral("location nodes: %1").arg(made.locationNodes));
    printLine(QStringLiteral("seconds: %1").arg(double(timer.elapsed()) / 1000.0, 0, 'f', 2));
    return 0;
}

} // namespace cli
