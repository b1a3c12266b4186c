#pragma once

#include "contracts/SortOrder.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace ui {

// The sort dialog: one tickable line per line of the sort file, at most ten ticked.
class TSortList : public QDialog {
    Q_OBJECT
  public:
    TSortList(const QString& path, QWidget* parent = nullptr);

    QLabel* Title = nullptr;
    QListWidget* List_Sort = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;

    void accept() override;

  private:
    void ticked(QListWidgetItem* item);

    QString m_path;
    QList<contracts::SortLine> m_lines;
    bool m_filling = false;
};

// The menu's "Trier la base sur ...": true when the new order was saved in the sort file.
bool ChooseSortOrder(QWidget* parent);

} // namespace ui
