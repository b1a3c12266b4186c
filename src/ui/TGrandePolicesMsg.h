#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ui {

// The notice shown at start-up when the screen uses large fonts.
class TGrandePolicesMsg : public QDialog {
    Q_OBJECT
  public:
    explicit TGrandePolicesMsg(QWidget* parent = nullptr);

    static QString noticeText();

    QLabel* Title = nullptr;
    QPlainTextEdit* Memo_Text = nullptr;
    QCheckBox* Check_Hide = nullptr;
    QPushButton* Btn_Close = nullptr;
};

// The large-fonts check of main-window creation; returns the new value of "HideBigFontMsg". At the
// normal 96 dpi, or once the user asked for silence, nothing is shown. Unattended, the notice is
// written through the dialogs and its box stays unticked.
bool RunLargeFontsCheck(QWidget* parent, int logicalDpiX, bool alreadyHidden, bool interactive);

} // namespace ui
