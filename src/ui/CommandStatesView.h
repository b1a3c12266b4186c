#pragma once

#include "contracts/CommandStates.h"

#include <QHash>
#include <QList>
#include <QPointer>

class QObject;
class QWidget;

namespace ui {

// Applies the enabled state of the main window's commands to its controls, menus and menu items, found by
// their names once. The grids and lists whose commands come with later features follow the one gate of
// those commands.
class CommandStatesView {
  public:
    explicit CommandStatesView(QWidget& window) : m_window(window) {}

    void apply(const contracts::CommandStates& states);

  private:
    void findTargets(const std::vector<std::pair<QString, bool>>& named);

    QWidget& m_window;
    QHash<QString, QList<QPointer<QObject>>> m_targets;
};

} // namespace ui
