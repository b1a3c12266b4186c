#include "ui/CommandStatesView.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace ui {

namespace {

// The grids and lists of the parties, events, images and files.
const char* const ContractChildControls[] = {"Grid_PeopleList", "Grid_CompanyList", "Grid_Event",
                                             "ListView_Document_Img", "Grid_Document_File"};

void setEnabledOn(QObject* target, bool enabled) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setEnabled(enabled);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setEnabled(enabled);
        // The menu bar shows the menu through its action.
        menu->menuAction()->setEnabled(enabled);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        if (widget->testAttribute(Qt::WA_Disabled) == enabled)
            widget->setEnabled(enabled);
    }
}

} // namespace

void CommandStatesView::findTargets(const std::vector<std::pair<QString, bool>>& named) {
    for (const auto& [name, enabled] : named) {
        QList<QPointer<QObject>>& targets = m_targets[name];
        if (name == QLatin1String("contractChildCommands")) {
            for (const char* control : ContractChildControls)
                if (QObject* found = m_window.findChild<QObject*>(QLatin1String(control)))
                    targets << found;
            continue;
        }
        for (QObject* found : m_window.findChildren<QObject*>(name))
            targets << found;
    }
}

void CommandStatesView::apply(const contracts::CommandStates& states) {
    const auto named = contracts::NamedCommandStates(states);
    if (m_targets.isEmpty())
        findTargets(named);
    for (const auto& [name, enabled] : named)
        for (const QPointer<QObject>& target : m_targets.value(name))
            if (target)
                setEnabledOn(target, enabled);
}

} // namespace ui
