// Opening and walking a large dossier through the program's contract dataset, against the sqlite3 shell
// printing the same columns of the same file; and the memory the open dataset takes. See README.md.
#include "BenchTools.h"

#include "app/Startup.h"
#include "app/UserDialogs.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr double MaximumRatio = 2.0;
constexpr qint64 MaximumMemory = 60 * 1000 * 1000;
constexpr int MemoCharacters = 2000;
const char* const WalkedFields[] = {"Title", "NoContract", "State", "Date_Term", "AnnualCost"};

void say(const QString& text) {
    std::printf("%s\n", text.toUtf8().constData());
}

struct Options {
    QString dataDir;
    int runs = 5;
    bool memoCheck = true;
};

bool readOptions(const QStringList& args, Options& options) {
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data-dir") && i + 1 < args.size())
            options.dataDir = args[++i];
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            options.runs = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--no-memo-check"))
            options.memoCheck = false;
        else
            return false;
    }
    return !options.dataDir.isEmpty();
}

// The dossier with the most contracts.
std::pair<int, int> largestDossier(db::SqliteConnection& connection) {
    db::SqliteStatement statement = connection.prepareNative(
        QStringLiteral("SELECT Id_File, COUNT(*) FROM CONTRACT GROUP BY Id_File ORDER BY 2 DESC LIMIT 1"));
    if (!statement.step())
        throw std::runtime_error("la base ne contient aucun contrat : lancez d'abord contrats-cli fixture");
    return {int(statement.intValue(0)), int(statement.intValue(1))};
}

// What the opening of a dossier does to the contract dataset.
void openContracts(db::Dataset& contract, int dossier) {
    contract.close();
    contract.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=%1").arg(dossier));
    contract.replaceSqlLine(QStringLiteral("ORDER BY"), QStringLiteral("ORDER BY Contract.Id"));
    contract.open();
}

// Reads the walked fields of every row; returns the number of rows.
int walk(db::Dataset& contract) {
    int indexes[std::size(WalkedFields)];
    for (std::size_t f = 0; f < std::size(WalkedFields); ++f)
        indexes[f] = contract.fieldIndex(QLatin1String(WalkedFields[f]));
    int rows = 0;
    qint64 values = 0;
    for (contract.first(); !contract.eof(); contract.next()) {
        for (const int index : indexes)
            values += contract.value(index).isNull() ? 0 : 1;
        ++rows;
    }
    if (values == 0 && rows > 0)
        throw std::runtime_error("les champs parcourus sont vides");
    return rows;
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
    qint64 memoryBefore = -1;
    std::unique_ptr<db::TDataModule1> module;
    if (!startup.run([&](db::SqliteConnection& connection) {
            memoryBefore = bench::residentBytes();
            module = std::make_unique<db::TDataModule1>(connection);
        }) ||
        !module)
        return 2;
    db::SqliteConnection& connection = app::mainConnection();
    const auto [dossier, contracts] = largestDossier(connection);
    say(QStringLiteral("dossier: %1 (%2 contracts)").arg(dossier).arg(contracts));

    // Memory: the data module, then the dossier's contracts open on their middle row.
    db::Dataset& contract = module->Contract;
    openContracts(contract, dossier);
    contract.moveTo(contract.recordCount() / 2);
    for (const char* field : WalkedFields)
        contract.value(QLatin1String(field));
    const qint64 memoryAfter = bench::residentBytes();
    const qint64 memory = memoryAfter - memoryBefore;
    say(QStringLiteral("memory before the data module: ") + bench::megabytes(memoryBefore));
    say(QStringLiteral("memory with the dossier open on its middle row: ") + bench::megabytes(memoryAfter));
    say(QStringLiteral("memory difference: %1 (target: under %2)")
            .arg(bench::megabytes(memory), bench::megabytes(MaximumMemory)));

    // The same rows and columns through the sqlite3 shell and through the dataset.
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty())
        throw std::runtime_error("le shell sqlite3 est introuvable (paquet sqlite3)");
    const QStringList shellArguments{
        connection.path(),
        QStringLiteral(
            "SELECT Title, NoContract, State, Date_Term, AnnualCost FROM CONTRACT WHERE Id_File=%1 "
            "ORDER BY Id")
            .arg(dossier)};
    const double shellTime = bench::bestOf(options.runs, [&] { bench::runQuietly(shell, shellArguments); });
    int walked = 0;
    const double datasetTime = bench::bestOf(options.runs, [&] {
        openContracts(contract, dossier);
        walked = walk(contract);
    });
    if (walked != contracts)
        throw std::runtime_error("le parcours n'a pas lu toutes les lignes du dossier");
    const double ratio = datasetTime / shellTime;
    say(QStringLiteral("sqlite3 shell printing the dossier: %1 (best of %2)")
            .arg(bench::seconds(shellTime))
            .arg(options.runs));
    say(QStringLiteral("dataset open and walk: %1 (best of %2)")
            .arg(bench::seconds(datasetTime))
            .arg(options.runs));
    say(QStringLiteral("ratio: %1 (target: at most %2)").arg(ratio, 0, 'f', 2).arg(MaximumRatio, 0, 'f', 1));

    bool memoOk = true;
    if (options.memoCheck) {
        // Opening must not read the memo columns of every row: make them long and open again.
        const auto openOnly = [&] { openContracts(contract, dossier); };
        const double openShort = bench::bestOf(options.runs, openOnly);
        {
            db::Transaction transaction(connection);
            db::SqliteStatement grow = connection.prepareNative(
                QStringLiteral("UPDATE CONTRACT SET Detail = ifnull(Detail, '') || ? WHERE Id_File=?"));
            grow.bind(1, QString(MemoCharacters, QLatin1Char('x')));
            grow.bindInt(2, dossier);
            grow.run();
            transaction.commit();
        }
        const double openLong = bench::bestOf(options.runs, openOnly);
        const double walkLong = bench::bestOf(options.runs, [&] {
            openOnly();
            walk(contract);
        });
        memoOk = openLong <= 2 * openShort + 0.05;
        say(QStringLiteral("open with short memos: ") + bench::seconds(openShort));
        say(QStringLiteral("open with %1 more characters in every Detail: %2 (target: at most 2x + 0.050 s)")
                .arg(MemoCharacters)
                .arg(bench::seconds(openLong)));
        say(QStringLiteral("open and walk with the long memos: ") + bench::seconds(walkLong));
    }
    contract.close();
    module.reset();

    QStringList missed;
    if (ratio > MaximumRatio)
        missed << QStringLiteral("ratio");
    if (memory >= MaximumMemory)
        missed << QStringLiteral("memory");
    if (!memoOk)
        missed << QStringLiteral("memo columns read at open");
    say(missed.isEmpty() ? QStringLiteral("result: every target met")
                         : QStringLiteral("result: target missed: ") + missed.join(QStringLiteral(", ")));
    return missed.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    Options options;
    if (!readOptions(application.arguments().mid(1), options)) {
        std::fprintf(stderr, "Usage : bench_dataset --data-dir DOSSIER [--runs N] [--no-memo-check]\n");
        return 2;
    }
    try {
        return run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
