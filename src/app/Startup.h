#pragma once

#include "app/UserDialogs.h"

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace db {
class SqliteConnection;
}

namespace app {

// What start-up shows while it runs: the GUI gives its splash, the command-line tool nothing.
class StartupObserver {
  public:
    virtual ~StartupObserver() = default;
    virtual void showSplash() {}
    virtual void setSplashGauge(int) {}
    virtual void setSplashMessage(const QString&) {}
    // Lets pending window messages run.
    virtual void processEvents() {}
    // The wait box of a first-run transfer that is announced (an older installation being moved).
    virtual void showWaitBox(const QString& /*task*/, const QString& /*message*/, int /*maximum*/) {}
    virtual void setWaitBoxStep(const QString& /*message*/, int /*position*/) {}
    virtual void closeWaitBox() {}
};

struct StartupOptions {
    QString programDir;      // empty: the folder of the shipped resources found from the executable
    QString dataDirOverride; // non-empty: this folder is the data folder
    bool singleInstance = true;
    QString documentsFolder; // empty: the user's documents folder (below which the data root lives)
};

// The start-up sequence up to the main window: single instance, data folders, db.ini, first-run
// transfer, write test, settings, engine check, splash, connection and data modules, version record.
// Every failing step shows its one message through the dialogs and makes run() return false.
class Startup {
  public:
    Startup(StartupOptions options, StartupObserver& observer);
    ~Startup();

    // createDataModules runs once the shared connection is open (the data modules are the front
    // end's); an AppError thrown from it is a connection failure. Returns true when the program may go
    // on to its main window; the splash then stands at 5 of 6, for the front end to finish and close.
    bool run(const std::function<void(db::SqliteConnection&)>& createDataModules);

    // Messages of the version step that are not failures (scripts left in place, newer database).
    const QStringList& warnings() const { return m_warnings; }

  private:
    bool takeInstanceLock();
    bool writeTest();
    bool checkEngine();
    bool openDatabase(const std::function<void(db::SqliteConnection&)>& createDataModules);
    void checkDatabaseVersion();

    StartupOptions m_options;
    StartupObserver& m_observer;
    std::unique_ptr<QLockFile> m_lock;
    QStringList m_warnings;
};

// The French text that stops start-up when the engine library is older than the program accepts;
// empty when the version is accepted.
QString EngineVersionProblem(int versionNumber, const QString& versionText);

// The one connection that every data module shares.
db::SqliteConnection& mainConnection();

// The folder of the shipped resources: beside the executable in the build tree, else
// <prefix>/share/contrats.
QString locateProgramDir();

} // namespace app
