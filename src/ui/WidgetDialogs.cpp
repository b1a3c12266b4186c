#include "ui/WidgetDialogs.h"

#include "app/Globals.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

QMessageBox::Icon iconOf(app::MessageKind kind) {
    switch (kind) {
    case app::MessageKind::Information:
        return QMessageBox::Information;
    case app::MessageKind::Warning:
        return QMessageBox::Warning;
    case app::MessageKind::Error:
        return QMessageBox::Critical;
    case app::MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString boxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void WidgetDialogs::message(app::MessageKind kind, const QString& text) {
    QMessageBox box(iconOf(kind), app::ProductName, boxText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WidgetDialogs::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, app::ProductName, boxText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace ui
