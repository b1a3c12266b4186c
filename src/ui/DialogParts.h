#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace ui {

// The drawn title bar of a dialog: the label "Title" holding the caption (PrepareForm turns it into the
// window's caption under standard frames and hides the bar) and the close button "SysExitBtn", which
// rejects the dialog.
QWidget* MakeTitleBar(QDialog* dialog, const QString& caption, QLabel*& title);

// The buttons " &Ok" (default button, accepts) and " &Annuler" (rejects), named Btn_Ok and Btn_Cancel,
// at the right of the row returned.
QHBoxLayout* MakeOkCancel(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel);

} // namespace ui
