#include "ui/PickList.h"

#include "app/AppError.h"
#include "app/DateText.h"
#include "app/UserDialogs.h"
#include "contracts/RecordEditing.h"
#include "db/Dataset.h"
#include "db/TDataModule1.h"
#include "ui/TSelectDate.h"
#include "ui/TStrList.h"

#include <QCollator>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace ui {

namespace {

QRect screenRectOf(const QLineEdit* edit) {
    return QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size());
}

QRect screenOf(const QLineEdit* edit) {
    const QScreen* screen = edit->screen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Writes the field, then shows the value in the edit with the focus there and its text selected.
void writeField(QLineEdit* edit, db::Dataset* dataset, const QString& field, const QVariant& value,
                const QString& text) {
    try {
        if (dataset) {
            db::EditIfBrowsing(*dataset);
            dataset->setValue(field, value);
        }
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
        return;
    }
    if (!edit)
        return;
    edit->setText(text);
    edit->setFocus(Qt::PopupFocusReason);
    edit->selectAll();
}

QStringList pickListItems(bool sorted, const QStringList& fixedItems, db::Dataset* dataset,
                          const QString& comboColumn) {
    if (!comboColumn.isEmpty()) {
        db::TDataModule1* module = db::dataModule1();
        if (!dataset && !module)
            return {};
        return contracts::PickListItems(dataset ? dataset->connection() : module->connection(), comboColumn,
                                        sorted);
    }
    QStringList items = fixedItems;
    if (sorted) {
        QCollator collator(QLocale(QLocale::French, QLocale::France));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(items.begin(), items.end(), [&collator](const QString& a, const QString& b) {
            return collator.compare(a, b) < 0;
        });
    }
    return items;
}

} // namespace

QRect PickListGeometry(const QRect& edit, int rowHeight, int lineCount, const QRect& screen) {
    const int rows = std::clamp(lineCount, 1, PickListMaxRows);
    const int height = rows * rowHeight + 3;
    int top = edit.top() + edit.height();
    if (top + height > screen.bottom() + 1)
        top = edit.top() - height;
    return QRect(edit.left(), top, edit.width(), height);
}

QRect DatePickerGeometry(const QRect& edit, const QSize& picker, const QRect& screen) {
    int top = edit.top() + 15;
    const int limit = screen.bottom() + 1 - 30;
    if (top + picker.height() > limit)
        top = limit - picker.height();
    return QRect(QPoint(edit.left(), top), picker);
}

void ShowPickList(QLineEdit* edit, bool sorted, const QStringList& fixedItems, db::Dataset* dataset,
                  const QString& field, const QString& comboColumn, const QColor& colour) {
    if (!edit)
        return;
    QStringList items;
    try {
        if (dataset)
            db::EditIfBrowsing(*dataset);
        items = pickListItems(sorted, fixedItems, dataset, comboColumn);
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
        return;
    }

    auto* popup = new TStrList(items, colour, edit->window());
    popup->setGeometry(
        PickListGeometry(screenRectOf(edit), popup->rowHeight(), int(items.size()), screenOf(edit)));
    popup->selectText(edit->text());
    QPointer<QLineEdit> target(edit);
    QPointer<db::Dataset> bound(dataset);
    QObject::connect(popup, &TStrList::chosen, edit, [target, bound, field](const QString& text) {
        writeField(target, bound, field, text, text);
    });
    popup->show();
    popup->List->setFocus(Qt::PopupFocusReason);
}

void ShowDatePicker(QLineEdit* edit, db::Dataset* dataset, const QString& field) {
    if (!edit)
        return;
    try {
        if (dataset)
            db::EditIfBrowsing(*dataset);
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
        return;
    }

    auto* picker = new TSelectDate(app::datetext::fromDisplay(edit->text()), edit->window());
    picker->adjustSize();
    picker->setGeometry(DatePickerGeometry(screenRectOf(edit), picker->size(), screenOf(edit)));
    QPointer<QLineEdit> target(edit);
    QPointer<db::Dataset> bound(dataset);
    QObject::connect(picker, &TSelectDate::chosen, edit, [target, bound, field](const QDate& date) {
        writeField(target, bound, field, date, app::datetext::toDisplay(date));
    });
    QObject::connect(picker, &TSelectDate::cleared, edit,
                     [target, bound, field] { writeField(target, bound, field, QVariant(), QString()); });
    picker->show();
    picker->setFocus(Qt::PopupFocusReason);
}

} // namespace ui
