#pragma once

#include "app/UserDialogs.h"

namespace ui {

// The program's message boxes: title ProductName, French Yes/No buttons.
class WidgetDialogs : public app::UserDialogs {
  public:
    void message(app::MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
};

// "\r" in catalogue texts starts a new line; a box needs "\n".
QString boxText(const QString& text);

} // namespace ui
