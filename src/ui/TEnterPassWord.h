#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// Asks the password of a protected dossier; the characters show as "*".
class TEnterPassWord : public QDialog {
    Q_OBJECT
  public:
    explicit TEnterPassWord(QWidget* parent = nullptr);

    // True when confirmed, with the typed text.
    static bool ask(QWidget* parent, QString& typed);

    QLabel* Title = nullptr;
    QLabel* Lab_PassWord = nullptr;
    QLineEdit* Ed_PassWord = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace ui
