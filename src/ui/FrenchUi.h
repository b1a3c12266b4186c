#pragma once

#include <QString>

class QApplication;

namespace ui {

// French texts for Qt's own buttons and dialogs, French locale for numbers and names of days.
void installFrenchUi(QApplication& application);

// CONTRATS_DIALOGS=console: messages go to stderr and every question is answered No, so that the
// program runs unattended (tests, scripts) without a modal box waiting for a click.
bool consoleDialogsRequested();

} // namespace ui
