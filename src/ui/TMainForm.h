#pragma once

#include <QMainWindow>

class QLabel;
class QMenu;

namespace ui {

// The main window. Creation loads the settings, runs the large-fonts check and opens the first
// dossier; the first show puts the window where it was left; closing finishes a pending edit and
// saves the placement with the settings.
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

    QWidget* TitleBar = nullptr;
    QLabel* Title = nullptr;
    QMenu* Popup_File = nullptr;
    QAction* Popup_File_Exit = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildFrame();
    void buildMenus();
    void runCreationSteps();
    void openFirstDossier();
    void placeOnFirstShow();
    bool finishPendingEdit();
    void closeDatasets();
    void rememberPlacement();

    Options m_options;
    bool m_placed = false;
    bool m_terminating = false;
    bool m_closed = false;
};

// Opens the maker's web site (catalogue entry Common/WebSite) with the desktop's browser.
void OpenWebSite();

} // namespace ui
