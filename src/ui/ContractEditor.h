#pragma once

#include "ui/FieldBinding.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace ui {

class CustomFieldsPage;
class DescriptionPage;
class NavigationTree;
class StateBadge;

// The right side of the main window: the contract record over the current row of the contract dataset,
// its heading and state badge, the pages "Général" (description, detail and keywords beside the images and
// files), "Personnalisé" (the custom fields) and "Evénements".
class ContractEditor : public QWidget {
    Q_OBJECT
  public:
    explicit ContractEditor(NavigationTree& tree, QWidget* parent = nullptr);
    ~ContractEditor() override;

    // Heading and fields of the current contract.
    void showContract();
    void setHeading();
    // Writes what was typed in a field not yet left; false when a value was refused.
    bool commitPending();
    // Gives up the edit of the contract: typed text and changes not yet recorded (Escape).
    void cancelEdit();
    // Page 0 of the notebooks, tab 0 of the three tab controls.
    void showFirstPages();
    // The captions of Lab_Misc01 to Lab_Misc12.
    void setCustomLabels(const QStringList& captions);

    QLabel* Lab_Title_Mat = nullptr;
    QLineEdit* Ed_State = nullptr;
    StateBadge* AquaImage_Status = nullptr;
    QToolButton* Btn_State = nullptr;
    QTabBar* Tab_Main = nullptr;
    QStackedWidget* AANotebook1 = nullptr;
    QTabBar* Tab_Contract = nullptr;
    QStackedWidget* AANotebook2 = nullptr;
    QTabBar* Tab_Img_File = nullptr;
    QStackedWidget* AANotebook3 = nullptr;
    QLineEdit* Ed_Designation = nullptr;
    QLineEdit* Ed_Location = nullptr;
    DescriptionPage* description = nullptr;
    CustomFieldsPage* custom = nullptr;

  signals:
    // A tab changed or a command ran: the window's commands follow.
    void commandsChanged();

  private:
    QWidget* buildTitleBar();
    QWidget* buildGeneralPage();
    QWidget* buildDetailPage();
    QWidget* buildKeywordPage();
    QWidget* buildAttachmentPanel();
    QWidget* buildEventPage();

    void runCommand(const std::function<void()>& command);
    void pickState();
    void removeLocation();
    void stateShown(const QString& state);

    NavigationTree& m_tree;
    FieldBinding* m_binding = nullptr;
    CommandRunner m_run;
    // The state noted when the state list was opened; empty when none.
    QString m_notedState;
};

} // namespace ui
