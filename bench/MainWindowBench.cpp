// The main window on a large dossier: opening it (contracts, navigation tree, labels, first contract shown)
// against the sqlite3 shell running the statements the opening runs, and moving to the next contract with
// everything it shows. See README.md.
#include "BenchTools.h"

#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Startup.h"
#include "app/UserDialogs.h"
#include "contracts/NavigationRules.h"
#include "db/TDataModule1.h"
#include "db/engine/JetDialect.h"
#include "db/engine/SqliteConnection.h"
#include "ui/DossierActions.h"
#include "ui/NavigationTree.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr double MaximumOpeningRatio = 1.5;
constexpr double MaximumStepMilliseconds = 15.0;

void say(const QString& text) {
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

struct Options {
    QString dataDir;
    int runs = 5;
    int steps = 2000;
};

bool readOptions(const QStringList& args, Options& options) {
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data-dir") && i + 1 < args.size())
            options.dataDir = args[++i];
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            options.runs = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--steps") && i + 1 < args.size())
            options.steps = std::max(10, args[++i].toInt());
        else
            return false;
    }
    return !options.dataDir.isEmpty();
}

struct Dossier {
    int id = -1;
    int contracts = 0;
    QString name;
};

// The dossier with the most contracts.
Dossier largestDossier(db::SqliteConnection& connection) {
    db::SqliteStatement statement = connection.prepareNative(
        QStringLiteral("SELECT CONTRACT.Id_File, COUNT(*), PROFILES.LoginName FROM CONTRACT JOIN PROFILES ON "
                       "PROFILES.ID = CONTRACT.Id_File GROUP BY CONTRACT.Id_File ORDER BY 2 DESC LIMIT 1"));
    if (!statement.step())
        throw std::runtime_error("la base ne contient aucun contrat : lancez d'abord contrats-cli fixture");
    return {int(statement.intValue(0)), int(statement.intValue(1)), statement.textValue(2)};
}

// What the engine runs when the window opens a dossier, in the engine's own SQL: the keys of the dossier's
// contracts in their order and the first page of rows shown, the attached files of no contract, the
// category rows, the people and companies under their top nodes, the location rows, the custom labels and
// the dossier count of the command states.
QString openingStatements(int dossier) {
    const QString id = QString::number(dossier);
    return QStringList{
               QStringLiteral("SELECT Id FROM CONTRACT WHERE Id_File=%1 ORDER BY Id").arg(id),
               QStringLiteral("SELECT * FROM CONTRACT WHERE Id_File=%1 ORDER BY Id LIMIT 128").arg(id),
               QStringLiteral("SELECT Id FROM CONTRACTFILE WHERE Id_Ref=-1"),
               QStringLiteral("SELECT * FROM TREE WHERE Id_File=%1 ORDER BY NodePos").arg(id),
               db::jet::translate(contracts::PeopleNodesStatement()),
               db::jet::translate(contracts::CompanyNodesStatement()),
               QStringLiteral("SELECT * FROM TREE_LOCATION WHERE Id_File=-1 ORDER BY NodePos"),
               QStringLiteral("SELECT * FROM CUSTOMLAB WHERE Id_File=%1").arg(id),
               QStringLiteral("SELECT COUNT(*) FROM PROFILES")}
               .join(QStringLiteral(";\n")) +
           QLatin1Char(';');
}

int run(const Options& options) {
    app::ConsoleDialogs dialogs;
    app::setDialogs(&dialogs);
    app::StartupObserver observer;
    app::StartupOptions startupOptions;
    startupOptions.programDir = QStringLiteral(CONTRATS_PROGRAM_DIR "/");
    startupOptions.dataDirOverride = options.dataDir;
    startupOptions.singleInstance = false;
    app::Startup startup(startupOptions, observer);
    std::unique_ptr<db::TDataModule1> module;
    if (!startup.run([&](db::SqliteConnection& connection) {
            module = std::make_unique<db::TDataModule1>(connection);
        }) ||
        !module)
        return 2;
    db::SqliteConnection& connection = app::mainConnection();
    const Dossier dossier = largestDossier(connection);
    say(QStringLiteral("dossier: %1 \"%2\" (%3 contracts)")
            .arg(dossier.id)
            .arg(dossier.name)
            .arg(dossier.contracts));

    ui::TMainForm window(ui::TMainForm::Options{false});
    window.resize(1024, 700);
    window.show();
    QApplication::processEvents();

    // Opening: the dossier is closed (untimed) before each opening, as a user would do it.
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty())
        throw std::runtime_error("le shell sqlite3 est introuvable (paquet sqlite3)");
    const QStringList shellArguments{connection.path(), openingStatements(dossier.id)};
    const double shellTime = bench::bestOf(options.runs, [&] { bench::runQuietly(shell, shellArguments); });
    double openingTime = 1e9;
    for (int i = 0; i < options.runs; ++i) {
        if (app::globals().currentDossierId != -1)
            window.dossiers->CloseDossier();
        QApplication::processEvents();
        openingTime = std::min(openingTime, bench::bestOf(1, [&] {
                                   window.OpenDossierContracts(dossier.id, dossier.name);
                                   QApplication::processEvents();
                               }));
    }
    if (app::globals().currentDossierId != dossier.id || window.Tree_Global->topLevelItemCount() == 0)
        throw std::runtime_error("le dossier ne s'est pas ouvert");
    const double openingRatio = openingTime / shellTime;
    say(QStringLiteral("sqlite3 shell running the opening's statements: %1 (best of %2)")
            .arg(bench::seconds(shellTime))
            .arg(options.runs));
    say(QStringLiteral(
            "window opening the dossier (contracts, tree, labels, first contract): %1 (best of %2)")
            .arg(bench::seconds(openingTime))
            .arg(options.runs));
    say(QStringLiteral("opening ratio: %1 (target: at most %2)")
            .arg(openingRatio, 0, 'f', 2)
            .arg(MaximumOpeningRatio, 0, 'f', 1));

    // Next contract: the button, then the window painted with the new contract (heading, fields, badge,
    // command states).
    auto* next = window.findChild<QToolButton*>(QStringLiteral("Btn_Main_Next"));
    if (!next)
        throw std::runtime_error("le bouton Btn_Main_Next est introuvable");
    const int steps = std::min(options.steps, dossier.contracts - 1);
    std::vector<double> times;
    times.reserve(static_cast<size_t>(steps));
    const qint64 before = module->Contract.currentKey();
    for (int i = 0; i < steps; ++i) {
        QElapsedTimer timer;
        timer.start();
        next->click();
        QApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    if (module->Contract.currentKey() == before || module->Contract.recNo() != steps)
        throw std::runtime_error("le bouton suivant n'a pas parcouru le dossier");
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double slowest = times.back();
    const double p95 = times[times.size() * 95 / 100];
    say(QStringLiteral(
            "next contract shown: median %1 ms, 95th percentile %2 ms, slowest %3 ms over %4 steps "
            "(target: median under %5 ms)")
            .arg(median, 0, 'f', 2)
            .arg(p95, 0, 'f', 2)
            .arg(slowest, 0, 'f', 2)
            .arg(steps)
            .arg(MaximumStepMilliseconds, 0, 'f', 0));

    // For information: the grouping node that lists every contract of the dossier.
    QTreeWidgetItem* all = window.Tree_Global->topLevelItem(window.Tree_Global->topLevelItemCount() - 1);
    const double allTime = bench::bestOf(1, [&] {
        window.Tree_Global->LoadGroupingNode(all);
        QApplication::processEvents();
    });
    say(QStringLiteral("\"%1\" listing %2 contract nodes: %3 (no target)")
            .arg(all->text(0))
            .arg(all->childCount())
            .arg(bench::seconds(allTime)));

    window.close();
    QStringList missed;
    if (openingRatio > MaximumOpeningRatio)
        missed << QStringLiteral("opening ratio");
    if (median >= MaximumStepMilliseconds)
        missed << QStringLiteral("next contract");
    say(missed.isEmpty() ? QStringLiteral("result: every target met")
                         : QStringLiteral("result: target missed: ") + missed.join(QStringLiteral(", ")));
    return missed.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // No screen is needed: the window draws into memory as it would on one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Options options;
    if (!readOptions(application.arguments().mid(1), options)) {
        std::fprintf(stderr, "Usage : bench_mainwindow --data-dir DOSSIER [--runs N] [--steps N]\n");
        return 2;
    }
    try {
        return run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
