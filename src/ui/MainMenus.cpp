#include "ui/MainMenus.h"

#include "ui/Icons.h"
#include "ui/TitleColours.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* menu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MainMenus::MainMenus(QMainWindow& window) : QObject(&window) {
    QMenuBar* bar = window.menuBar();
    Popup_File = menu(bar, "Popup_File", QStringLiteral("&Fichier"));
    Popup_File_Open = item(Popup_File, "Popup_File_Open", QStringLiteral("&Ouvrir un dossier"));
    Popup_File_Close = item(Popup_File, "Popup_File_Close", QStringLiteral("&Fermer ce dossier"));
    Popup_File->addSeparator();
    Popup_File_Add = item(Popup_File, "Popup_File_Add", QStringLiteral("&Créer un dossier"));
    Popup_File_Edit = item(Popup_File, "Popup_File_Edit", QStringLiteral("&Modifier ce dossier"));
    Popup_File_Delete = item(Popup_File, "Popup_File_Delete", QStringLiteral("&Supprimer ce dossier"));
    Popup_File->addSeparator();
    Popup_File_Properties = item(Popup_File, "Popup_File_Properties", QStringLiteral("&Propriétés"));
    Popup_File->addSeparator();
    Popup_File_Exit = item(Popup_File, "Popup_File_Exit", QStringLiteral("&Quitter"));

    // The menu "&Liste" is also the side button's popup.
    Popup_List = menu(bar, "Popup_List", QStringLiteral("&Liste"));
    Popup_List_All = item(Popup_List, "Popup_List_All", QStringLiteral("&Tous les contrats"));

    Popup_Tools = menu(bar, "Popup_Tools", QStringLiteral("&Outils"));
    Popup_Tools_Sort = item(Popup_Tools, "Popup_Tools_Sort", QStringLiteral("&Trier la base sur ..."));
    Popup_Tools_Sort->setIcon(ButtonIcon(QStringLiteral("sort")));

    m_sideBar = new QWidget(&window);
    m_sideBar->setObjectName(QStringLiteral("Pan_LeftBar"));
    m_sideBar->setAutoFillBackground(true);
    QPalette palette = m_sideBar->palette();
    palette.setColor(QPalette::Window, TitleColours::inactiveTo);
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, TitleColours::inactiveFrom);
    m_sideBar->setPalette(palette);
    Btn_List = new QToolButton(m_sideBar);
    Btn_List->setObjectName(QStringLiteral("Btn_List"));
    Btn_List->setText(QStringLiteral("Liste"));
    Btn_List->setToolTip(QStringLiteral("Listes de contrats"));
    Btn_List->setIcon(ButtonIcon(QStringLiteral("list")));
    Btn_List->setIconSize(QSize(32, 32));
    Btn_List->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Btn_List->setAutoRaise(true);
    Btn_List->setFixedWidth(52);
    auto* layout = new QVBoxLayout(m_sideBar);
    layout->setContentsMargins(2, 8, 2, 8);
    layout->addWidget(Btn_List);
    layout->addStretch(1);
}

void MainMenus::popupList() {
    Popup_List->popup(Btn_List->mapToGlobal(QPoint(Btn_List->width(), 0)));
}

} // namespace ui
