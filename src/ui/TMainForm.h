#pragma once

#include "ui/CommandStatesView.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class QToolButton;
class QTreeWidgetItem;

namespace ui {

class ContractEditor;
class DossierActions;
class MainMenus;
class NavigationTree;

// The main window: the navigation tree with the record buttons under it on the left, the contract
// record on the right, the menus and the side bar. Creation loads the settings, runs the large-fonts
// check and opens the first dossier; the first show puts the window where it was left; closing
// finishes a pending edit and saves the placement with the settings.
class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    struct Options {
        // false when nobody watches the screen: notices go through the dialogs, no browser opens.
        bool interactive = true;
    };

    explicit TMainForm(Options options, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Closes as the user would, but never stays open: a pending edit that cannot be posted is given
    // up (and reported on stderr), since the session is going away.
    void closeForTermination();

    void setVisible(bool visible) override;

    // Loads a dossier: its contracts in the sort file's order, the title, the tree, the custom labels.
    // A contract edit still pending is posted first (its error stops the opening).
    void OpenDossierContracts(int dossierId, const QString& dossierName);
    // The window once the open dossier's data is closed: title, first pages, empty tree, default labels.
    void ShowClosedDossier();
    // Heading and fields of the current contract.
    void ShowCurrentContract();
    // Enables each command by the rules of the window's state.
    void RefreshCommandStates();
    // Makes the contract of the selected tree node the current one.
    void SelectTreeContract();
    // Writes what was typed into a field and not yet written; false when the value was refused.
    bool commitEdits();
    // Runs a command on the record: typing written first, an error shown in French (a contract that
    // another copy deleted meanwhile given up), the command states refreshed afterwards.
    void RunRecordCommand(const std::function<void()>& command);
    // After a failed recording: when another copy of the program deleted the contract being edited, the
    // edit is given up (there is nothing left to record it into) and the contracts are read again.
    // True when that happened.
    bool DropVanishedContract();

    QWidget* TitleBar = nullptr;
    QLabel* Title = nullptr;
    MainMenus* menus = nullptr;
    NavigationTree* Tree_Global = nullptr;
    ContractEditor* editor = nullptr;
    DossierActions* dossiers = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildFrame();
    QWidget* buildTreePanel();
    void connectCommands();
    void connectDataModule();
    void runCreationSteps();
    void openFirstDossier();
    void setTitle(const QString& dossierName);
    void treeClicked(QTreeWidgetItem* node);
    void sortContracts();
    void listAllContracts();
    void placeOnFirstShow();
    bool finishPendingEdit();
    void closeDatasets();
    void rememberPlacement();

    Options m_options;
    bool m_placed = false;
    bool m_terminating = false;
    bool m_closed = false;
    // Set while a dossier is being loaded: the record is shown once, at the end.
    bool m_loading = false;
    CommandStatesView m_states;
};

// Opens the maker's web site (catalogue entry Common/WebSite) with the desktop's browser.
void OpenWebSite();

} // namespace ui
