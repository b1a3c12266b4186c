#pragma once

#include "app/Startup.h"
#include "app/UserDialogs.h"

#include <QString>
#include <memory>

namespace db {
class TDataModule1;
}

namespace cli {

// The program's start-up for a command of the tool: the given data folder (the program's own when empty),
// no single-instance lock, messages on stderr, questions answered No, and the main data module.
class CliSession {
  public:
    explicit CliSession(const QString& dataDir);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // False when start-up failed; its message is already on stderr.
    bool start();
    db::TDataModule1& dataModule() const { return *m_dataModule; }

  private:
    QString m_dataDir;
    app::ConsoleDialogs m_dialogs;
    app::StartupObserver m_observer;
    std::unique_ptr<db::TDataModule1> m_dataModule;
    std::unique_ptr<app::Startup> m_startup;
};

} // namespace cli
