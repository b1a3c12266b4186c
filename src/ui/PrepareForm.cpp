#include "ui/PrepareForm.h"

#include <QDialog>
#include <QLabel>
#include <QWidget>

namespace ui {

namespace {

bool hasVisibleChild(QWidget* window, const char* name) {
    const QWidget* child = window->findChild<QWidget*>(QLatin1String(name));
    // Not yet shown, so isVisible() is false: what counts is whether the design hides it.
    return child && child->isVisibleTo(window);
}

QString withoutLeadingSpaces(const QString& text) {
    int start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    return text.mid(start);
}

} // namespace

void PrepareForm(QWidget* window) {
    if (!window)
        return;
    const QString name = window->objectName();
    if (window->property("tag").toInt() == -1 || name == QLatin1String("Splash") ||
        name == QLatin1String("About"))
        return;

    if (const auto* title = window->findChild<QLabel*>(QStringLiteral("Title")))
        window->setWindowTitle(withoutLeadingSpaces(title->text()));

    const bool resizable = window->findChild<QWidget*>(QStringLiteral("RezisePad")) != nullptr;
    const bool minimise = hasVisibleChild(window, "SysMiniBtn");
    const bool maximise = hasVisibleChild(window, "SysMaxiBtn");
    const bool systemMenu = hasVisibleChild(window, "SysExitBtn") || hasVisibleChild(window, "Exit");

    // Tool tips always show, and a dialog given its owner opens centred on it: Qt does both.

    // The main window is no dialog: it keeps the ordinary frame of an application window.
    if (qobject_cast<QDialog*>(window)) {
        Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (minimise)
            flags |= Qt::WindowMinimizeButtonHint;
        if (maximise)
            flags |= Qt::WindowMaximizeButtonHint;
        if (systemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        window->setWindowFlags(flags);
    }

    if (QWidget* titleBar = window->findChild<QWidget*>(QStringLiteral("TitleBar")))
        titleBar->hide();

    // The client area keeps its designed size once the drawn title bar is gone; a window without a
    // grip cannot be resized.
    if (!resizable && qobject_cast<QDialog*>(window)) {
        window->adjustSize();
        window->setFixedSize(window->sizeHint());
    }
}

} // namespace ui
