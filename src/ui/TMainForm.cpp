#include "ui/TMainForm.h"

#include "app/AppError.h"
#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "app/TextCatalogue.h"
#include "app/UserDialogs.h"
#include "app/WindowPlacement.h"
#include "contracts/CommandStates.h"
#include "contracts/CustomLabels.h"
#include "contracts/DossierOpening.h"
#include "contracts/Dossiers.h"
#include "contracts/SortOrder.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"
#include "ui/CommandStatesView.h"
#include "ui/ContractEditor.h"
#include "ui/DossierActions.h"
#include "ui/Icons.h"
#include "ui/MainMenus.h"
#include "ui/NavigationTree.h"
#include "ui/PrepareForm.h"
#include "ui/RecordButtons.h"
#include "ui/TContractList.h"
#include "ui/TEnterProperties.h"
#include "ui/TGrandePolicesMsg.h"
#include "ui/TSortList.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
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

void reportError(const app::AppError& error) {
    app::dialogs().message(app::MessageKind::Error, error.text());
}

// The hourglass for the time of a scope.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void OpenWebSite() {
    QDesktopServices::openUrl(
        QUrl(app::GetText(QStringLiteral("Common"), QStringLiteral("WebSite"), app::WebAddress)));
}

TMainForm::TMainForm(Options options, QWidget* parent)
    : QMainWindow(parent), m_options(options), m_states(*this) {
    setObjectName(QStringLiteral("MainForm"));
    buildFrame();
    connectCommands();
    connectDataModule();
    runCreationSteps();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildFrame() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Pan_Main"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The drawn title bar of the design; standard frames replace it (PrepareForm).
    TitleBar = new QWidget(central);
    TitleBar->setObjectName(QStringLiteral("TitleBar"));
    Title = new QLabel(TitleBar);
    Title->setObjectName(QStringLiteral("Title"));
    auto* titleLayout = new QHBoxLayout(TitleBar);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addWidget(Title, 1);
    setTitle(QString());
    layout->addWidget(TitleBar);

    menus = new MainMenus(*this);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(menus->sideBar());
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setObjectName(QStringLiteral("Splitter_Main"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildTreePanel());
    editor = new ContractEditor(*Tree_Global, splitter);
    splitter->addWidget(editor);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 630});
    body->addWidget(splitter, 1);
    layout->addLayout(body, 1);
    // The window takes whatever size it was left at, however small: the controls then share what there is.
    central->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setCentralWidget(central);
    dossiers = new DossierActions(*this);
}

QWidget* TMainForm::buildTreePanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Pan_Tree"));
    Tree_Global = new NavigationTree(panel);
    auto* buttons = new RecordButtons(*this, panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Tree_Global, 1);
    layout->addWidget(buttons);
    panel->setMinimumWidth(150);
    return panel;
}

void TMainForm::connectCommands() {
    connect(menus->Popup_File_Open, &QAction::triggered, dossiers, &DossierActions::ChooseAndOpenDossier);
    connect(menus->Popup_File_Close, &QAction::triggered, dossiers, &DossierActions::CloseDossier);
    connect(menus->Popup_File_Add, &QAction::triggered, dossiers, &DossierActions::CreateDossier);
    connect(menus->Popup_File_Edit, &QAction::triggered, dossiers, &DossierActions::EditDossier);
    connect(menus->Popup_File_Delete, &QAction::triggered, dossiers, &DossierActions::DeleteDossier);
    connect(menus->Popup_File_Properties, &QAction::triggered, this, [this] {
        EditProperties(this);
        RefreshCommandStates();
    });
    connect(menus->Popup_File_Exit, &QAction::triggered, this, &QWidget::close);
    connect(menus->Popup_List_All, &QAction::triggered, this, &TMainForm::listAllContracts);
    connect(menus->Popup_Tools_Sort, &QAction::triggered, this, &TMainForm::sortContracts);
    connect(menus->Btn_List, &QToolButton::clicked, this, [this] {
        RunRecordCommand([this] {
            if (db::TDataModule1* module = db::dataModule1())
                db::PostIfEditing(module->Contract);
            menus->popupList();
        });
    });

    connect(Tree_Global, &QTreeWidget::itemClicked, this, &TMainForm::treeClicked);
    connect(Tree_Global, &NavigationTree::keyboardMoved, this, &TMainForm::SelectTreeContract);
    connect(editor, &ContractEditor::commandsChanged, this, &TMainForm::RefreshCommandStates);
}

void TMainForm::connectDataModule() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return;
    db::Dataset& contract = module->Contract;
    connect(&contract, &db::Dataset::dataChanged, this, [this, &contract] {
        if (m_loading)
            return;
        if (contract.state() != db::Dataset::State::Insert)
            ShowCurrentContract();
        RefreshCommandStates();
    });
    connect(&contract, &db::Dataset::stateChanged, this, [this] {
        if (!m_loading)
            RefreshCommandStates();
    });
    connect(module, &db::TDataModule1::contractDeleting, this, [this](qint64 id) {
        Tree_Global->RemoveContractNodes(QStringLiteral("contract"), QString(), id);
    });
    connect(module, &db::TDataModule1::contractCaptionChanged, this,
            [this](qint64 id, const QString& caption) { Tree_Global->RecaptionContractNodes(caption, id); });
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
    try {
        app::SaveSettings();
    } catch (const app::AppError& error) {
        reportError(error);
    }

    // No application display name: Qt would append it to every window caption.
    PrepareForm(this);
    editor->showFirstPages();
    ShowClosedDossier();
    openFirstDossier();
    ShowCurrentContract();
    RefreshCommandStates();
}

void TMainForm::openFirstDossier() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return;
    bool readable = false;
    {
        const QScopedValueRollback<bool> loading(m_loading, true);
        readable = contracts::OpenFirstDossierAtStartup();
    }
    const int dossier = app::globals().currentDossierId;
    if (dossier != -1) {
        try {
            QString name;
            for (const contracts::DossierSummary& summary : contracts::ListDossiers(module->connection()))
                if (summary.id == dossier)
                    name = summary.name;
            setTitle(name);
            Tree_Global->BuildNavigationTree();
            editor->setCustomLabels(contracts::LoadCustomLabels(module->connection(), dossier));
        } catch (const app::AppError& error) {
            reportError(error);
        }
    }
    if (readable)
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

void TMainForm::setTitle(const QString& dossierName) {
    QString text = QStringLiteral(" ") + app::ProductName + QStringLiteral(" ") + app::ProductVersion;
    if (!dossierName.isEmpty())
        text += QStringLiteral(" - ") + dossierName;
    Title->setText(text);
    setWindowTitle(text.mid(1));
}

// ---------------------------------------------------------------- dossiers

void TMainForm::OpenDossierContracts(int dossierId, const QString& dossierName) {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return;
    if (!commitEdits())
        return;
    // An edit of the contract shown until now is kept, not dropped with the dataset.
    db::PostIfEditing(module->Contract);
    {
        const QScopedValueRollback<bool> loading(m_loading, true);
        setTitle(dossierName);
        contracts::OpenDossierContracts(dossierId, dossierName);
        Tree_Global->BuildNavigationTree();
        editor->setCustomLabels(contracts::LoadCustomLabels(module->connection(), dossierId));
    }
    ShowCurrentContract();
    RefreshCommandStates();
}

void TMainForm::ShowClosedDossier() {
    setTitle(QString());
    editor->showFirstPages();
    Tree_Global->clear();
    // No dossier, no labels of its own: the default captions, and nothing written for dossier -1.
    editor->setCustomLabels({});
    ShowCurrentContract();
    RefreshCommandStates();
}

// ---------------------------------------------------------------- the record

void TMainForm::ShowCurrentContract() {
    if (db::dataModule1())
        editor->showContract();
}

bool TMainForm::commitEdits() {
    return editor->commitPending();
}

void TMainForm::RunRecordCommand(const std::function<void()>& command) {
    try {
        if (commitEdits())
            command();
    } catch (const app::AppError& error) {
        reportError(error);
        DropVanishedContract();
    }
    RefreshCommandStates();
}

bool TMainForm::DropVanishedContract() {
    db::TDataModule1* module = db::dataModule1();
    if (!module || module->Contract.state() != db::Dataset::State::Edit)
        return false;
    db::Dataset& contract = module->Contract;
    const qint64 id = contract.currentKey();
    try {
        db::SqliteStatement row =
            module->connection().prepareNative(QStringLiteral("SELECT 1 FROM CONTRACT WHERE Id=?"));
        row.bindInt(1, id);
        if (row.step())
            return false;
        editor->cancelEdit();
        Tree_Global->RemoveContractNodes(QStringLiteral("contract"), QString(), id);
        db::ReopenKeepingPosition(contract);
    } catch (const app::AppError& error) {
        reportError(error);
    }
    return true;
}

void TMainForm::sortContracts() {
    RunRecordCommand([this] {
        db::TDataModule1* module = db::dataModule1();
        if (module && ChooseSortOrder(this))
            contracts::ApplySortOrder(module->Contract, contracts::DefaultContractOrder);
    });
}

void TMainForm::listAllContracts() {
    RunRecordCommand([this] {
        if (db::TDataModule1* module = db::dataModule1())
            db::PostIfEditing(module->Contract);
        ShowAllContracts(this);
    });
}

// ---------------------------------------------------------------- the tree

void TMainForm::treeClicked(QTreeWidgetItem* node) {
    RunRecordCommand([this, node] {
        db::TDataModule1* module = db::dataModule1();
        if (!module)
            return;
        db::PostIfEditing(module->Contract);
        Tree_Global->LoadGroupingNode(node);
    });
    SelectTreeContract();
}

void TMainForm::SelectTreeContract() {
    const qint64 id = Tree_Global->selectedContract();
    db::TDataModule1* module = db::dataModule1();
    if (id < 0 || !module)
        return;
    RunRecordCommand([module, id] {
        const WaitCursor waiting;
        // A contract that is no longer in the dossier leaves the current one in place.
        module->Contract.locateKey(id);
    });
}

// ---------------------------------------------------------------- command states

void TMainForm::RefreshCommandStates() {
    db::TDataModule1* module = db::dataModule1();
    contracts::CommandInputs inputs;
    inputs.databaseExists = module && app::DatabaseExists();
    inputs.dossierOpen = app::globals().currentDossierId != -1;
    if (module) {
        try {
            inputs.anyDossier = contracts::CountDossiers(module->connection()) > 0;
        } catch (const app::AppError&) {
            inputs.anyDossier = false;
        }
        const db::Dataset& contract = module->Contract;
        inputs.editing = contract.isEditing();
        inputs.empty = !contract.isOpen() || db::IsDatasetEmpty(contract);
        inputs.atFirst = inputs.empty || contract.recNo() <= 0;
        inputs.atLast = inputs.empty || contract.recNo() >= contract.recordCount() - 1;
    }
    m_states.apply(contracts::ComputeCommandStates(inputs));
}

// ---------------------------------------------------------------- placement and closing

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
            reportError(error);
    }
    m_closed = true;
    event->accept();
}

bool TMainForm::finishPendingEdit() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        return true;
    // A value the field refuses keeps the window open for the user to correct it.
    if (!commitEdits() && !m_terminating)
        return false;
    try {
        db::PostIfEditing(module->Contract);
        return true;
    } catch (const app::AppError& error) {
        if (!m_terminating) {
            // The user keeps the window and the edit, to correct or cancel it, unless the contract is gone.
            reportError(error);
            return DropVanishedContract();
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
