#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace ui {

// The list of dossiers, to choose the one to open.
class TFileList : public QDialog {
    Q_OBJECT
  public:
    explicit TFileList(QWidget* parent = nullptr);

    // Shows the list modally; on confirmation gives the chosen dossier's Id and name.
    static bool choose(QWidget* parent, int& id, QString& name);

    QLabel* Title = nullptr;
    QTreeWidget* Tree_Global = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;

  private:
    void fill();
    void updateButtons();
};

} // namespace ui
