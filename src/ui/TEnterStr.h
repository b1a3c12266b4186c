#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// Asks one line of text (a label's caption, a folder's name) under a title the caller gives.
class TEnterStr : public QDialog {
    Q_OBJECT
  public:
    explicit TEnterStr(QWidget* parent = nullptr);

    // Shows text for editing; true when confirmed, with the new text (never empty).
    static bool ask(QWidget* parent, const QString& title, QString& text);

    QLabel* Title = nullptr;
    QLabel* Lab_Title = nullptr;
    QLineEdit* Ed_Str = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace ui
