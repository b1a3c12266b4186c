#include "ui/TMainForm.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "app/TextCatalogue.h"
#include "app/UserDialogs.h"
#include "app/WindowPlacement.h"
#include "contracts/DossierOpening.h"
#include "db/TDataModule1.h"
#include "ui/PrepareForm.h"
#include "ui/TGrandePolicesMsg.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

namespace {

app::SavedPlacement savedPlacement() {
    const app::Settings& s = app::settings();
    return {s.left, s.top, s.width, s.height, s.state};
}

void storePlacement(const app::SavedPlacement& placement) {
    app::Settings& s = app::settings();
    s.left = placement.left;
    s.top = placement.top;
    s.width = placement.width;
    s.height = placement.height;
    s.state = placement.state;
}

void reportOnConsole(const QString& text) {
    app::ConsoleDialogs().message(app::MessageKind::Error, text);
}

} // namespace

void OpenWebSite() {
    QDesktopServices::openUrl(
        QUrl(app::GetText(QStringLiteral("Common"), QStringLiteral("WebSite"), app::WebAddress)));
}

TMainForm::TMainForm(Options options, QWidget* parent) : QMainWindow(parent), m_options(options) {
    setObjectName(QStringLiteral("MainForm"));
    buildFrame();
    buildMenus();
    runCreationSteps();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildFrame() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Pan_Main"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);

    // The drawn title bar of the design; standard frames replace it (PrepareForm).
    TitleBar = new QWidget(central);
    TitleBar->setObjectName(QStringLiteral("TitleBar"));
    Title = new QLabel(QStringLiteral(" ") + app::ProductName + QStringLiteral(" ") + app::ProductVersion,
                       TitleBar);
    Title->setObjectName(QStringLiteral("Title"));
    auto* titleLayout = new QHBoxLayout(TitleBar);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addWidget(Title, 1);

    layout->addWidget(TitleBar);
    layout->addStretch(1);
    setCentralWidget(central);
}

void TMainForm::buildMenus() {
    Popup_File = menuBar()->addMenu(QStringLiteral("&Fichier"));
    Popup_File->setObjectName(QStringLiteral("Popup_File"));
    Popup_File_Exit = Popup_File->addAction(QStringLiteral("&Quitter"));
    Popup_File_Exit->setObjectName(QStringLiteral("Popup_File_Exit"));
    connect(Popup_File_Exit, &QAction::triggered, this, &QWidget::close);
}

void TMainForm::runCreationSteps() {
    // No dossier is open from here on: the settings loaded and saved below are not any dossier's.
    app::globals().currentDossierId = -1;
    app::LoadSettings();
    app::Settings& s = app::settings();
    const QScreen* display = screen();
    const int dpi = display ? qRound(display->logicalDotsPerInchX()) : 96;
    s.hideBigFontMsg = RunLargeFontsCheck(this, dpi, s.hideBigFontMsg, m_options.interactive);
    s.firstLaunch = false;
    app::SaveSettings();

    // No application display name: Qt would append it to every window caption.
    PrepareForm(this);

    openFirstDossier();
}

void TMainForm::openFirstDossier() {
    if (!db::dataModule1())
        return;
    if (contracts::OpenFirstDossierAtStartup())
        return;
    app::dialogs().message(
        app::MessageKind::Warning,
        QStringLiteral(
            "INSTABILITE DETECTEE !!\r\rL'exécutable de ce logiciel ne semble pas être compatible. "
            "Installer une mise à jour peut résoudre ce problème.\rTéléchargez et installez la mise "
            "à jour gratuite de ce logiciel sur le site ") +
            app::WebAddress + QStringLiteral(" (rubrique : MISES A JOUR)"));
    if (m_options.interactive)
        OpenWebSite();
}

void TMainForm::setVisible(bool visible) {
    if (visible && !m_placed) {
        m_placed = true;
        placeOnFirstShow();
    }
    QMainWindow::setVisible(visible);
}

void TMainForm::placeOnFirstShow() {
    const QScreen* display = screen();
    if (!display)
        return;
    const app::FirstShowPlacement placed =
        app::placeOnFirstShow(savedPlacement(), display->availableGeometry());
    resize(placed.clientWidth, placed.clientHeight);
    move(placed.left, placed.top); // a top-level window's position is its frame's
    if (placed.maximise)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::closeForTermination() {
    m_terminating = true;
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    if (!finishPendingEdit()) {
        event->ignore();
        return;
    }
    closeDatasets();
    rememberPlacement();
    try {
        app::SaveSettings();
    } catch (const app::AppError& error) {
        if (m_terminating)
            reportOnConsole(error.text());
        else
            app::dialogs().message(app::MessageKind::Error, error.text());
    }
    m_closed = true;
    event->accept();
}

bool TMainForm::finishPendingEdit() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return true;
    try {
        db::PostIfEditing(module->Contract);
        return true;
    } catch (const app::AppError& error) {
        if (!m_terminating) {
            // The user keeps the window and the edit, to correct or cancel it.
            app::dialogs().message(app::MessageKind::Error, error.text());
            return false;
        }
        reportOnConsole(error.text());
        module->Contract.cancel();
        return true;
    }
}

void TMainForm::closeDatasets() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return;
    module->Contract.close();
    module->ContractFile.close();
    module->Event.close();
}

void TMainForm::rememberPlacement() {
    app::ShownState state = app::ShownState::Normal;
    if (isMaximized())
        state = app::ShownState::Maximized;
    else if (isMinimized())
        state = app::ShownState::Minimized;
    storePlacement(app::rememberOnClose(savedPlacement(), state, frameGeometry().topLeft(), size()));
}

} // namespace ui
