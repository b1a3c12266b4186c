#include "cli/CliSession.h"

#include "app/AppError.h"
#include "cli/Console.h"
#include "db/TDataModule1.h"

namespace cli {

CliSession::CliSession(const QString& dataDir) : m_dataDir(dataDir) {}

CliSession::~CliSession() {
    // The data module goes first: its datasets still use the connection that start-up opened.
    m_dataModule.reset();
    m_startup.reset();
    app::setDialogs(nullptr);
}

bool CliSession::start() {
    app::setDialogs(&m_dialogs);
    app::StartupOptions options;
    options.dataDirOverride = m_dataDir;
    options.singleInstance = false;
    m_startup = std::make_unique<app::Startup>(options, m_observer);
    const bool started = m_startup->run([this](db::SqliteConnection& connection) {
        m_dataModule = std::make_unique<db::TDataModule1>(connection);
    });
    for (const QString& warning : m_startup->warnings())
        printError(warning);
    return started && m_dataModule != nullptr;
}

} // namespace cli
