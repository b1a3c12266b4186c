#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;

namespace ui {

// The main window's menu bar and the side bar beside the navigation tree: the dossier commands, the
// contract lists and the sort order. Only the commands the program carries today are offered.
class MainMenus : public QObject {
    Q_OBJECT
  public:
    explicit MainMenus(QMainWindow& window);

    // The side bar with its buttons (Pan_LeftBar), for the window to place.
    QWidget* sideBar() const { return m_sideBar; }
    // Opens the list menu under the side button "Liste".
    void popupList();

    QMenu* Popup_File = nullptr;
    QAction* Popup_File_Open = nullptr;
    QAction* Popup_File_Close = nullptr;
    QAction* Popup_File_Add = nullptr;
    QAction* Popup_File_Edit = nullptr;
    QAction* Popup_File_Delete = nullptr;
    QAction* Popup_File_Properties = nullptr;
    QAction* Popup_File_Exit = nullptr;
    QMenu* Popup_List = nullptr;
    QAction* Popup_List_All = nullptr;
    QMenu* Popup_Tools = nullptr;
    QAction* Popup_Tools_Sort = nullptr;
    QToolButton* Btn_List = nullptr;

  private:
    QWidget* m_sideBar = nullptr;
};

} // namespace ui
