#include "app/Startup.h"
#include "app/UserDialogs.h"
#include "db/TDataModule1.h"
#include "ui/FrenchUi.h"
#include "ui/TMainForm.h"
#include "ui/TSplash.h"
#include "ui/TerminationSignals.h"
#include "ui/WidgetDialogs.h"

#include <QApplication>
#include <QTimer>
#include <memory>

namespace {

// Nothing else is read from the command line: "--data-dir DIR" points the program at a data folder
// other than the usual one, as the command-line tool allows.
app::StartupOptions optionsFrom(const QStringList& arguments) {
    app::StartupOptions options;
    const qsizetype at = arguments.indexOf(QStringLiteral("--data-dir"));
    if (at >= 0 && at + 1 < arguments.size())
        options.dataDirOverride = arguments.at(at + 1);
    return options;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::installFrenchUi(application);

    const bool unattended = ui::consoleDialogsRequested();
    ui::WidgetDialogs widgetDialogs;
    app::ConsoleDialogs consoleDialogs;
    app::setDialogs(unattended ? static_cast<app::UserDialogs*>(&consoleDialogs) : &widgetDialogs);

    auto splash = std::make_unique<ui::TSplash>();
    app::Startup startup(optionsFrom(application.arguments().mid(1)), *splash);
    std::unique_ptr<db::TDataModule1> dataModule;
    if (!startup.run([&](db::SqliteConnection& connection) {
            dataModule = std::make_unique<db::TDataModule1>(connection);
        }))
        return 1;

    // Until now a termination signal simply ends the process: nothing needs saving yet. From the main
    // window's creation on, it closes that window in order, even when it came during the creation.
    ui::TerminationSignals termination;
    // Start-up has left the splash at "Chargement du logiciel ..." with its gauge at 5.
    ui::TMainForm mainForm(ui::TMainForm::Options{!unattended});
    splash->setSplashGauge(6);
    splash.reset();

    QObject::connect(&termination, &ui::TerminationSignals::terminationRequested, &mainForm,
                     &ui::TMainForm::closeForTermination);
    mainForm.show();
    if (termination.requested())
        QTimer::singleShot(0, &mainForm, &ui::TMainForm::closeForTermination);
    const int code = application.exec();
    app::setDialogs(nullptr);
    return code;
}
