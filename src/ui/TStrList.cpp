#include "ui/TStrList.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace ui {

TStrList::TStrList(const QStringList& items, const QColor& colour, QWidget* parent)
    : QWidget(parent, Qt::Popup) {
    setObjectName(QStringLiteral("StrList"));
    setAttribute(Qt::WA_DeleteOnClose);

    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->addItems(items);
    List->setUniformItemSizes(true);
    List->setFrameShape(QFrame::Box);
    List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = List->palette();
    palette.setColor(QPalette::Base, colour);
    List->setPalette(palette);
    List->viewport()->installEventFilter(this);
    List->installEventFilter(this);

    // The popup takes the height of its rows, however few.
    List->setMinimumSize(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(List);
    setFocusProxy(List);
}

int TStrList::rowHeight() const {
    const int hint = List->count() > 0 ? List->sizeHintForRow(0) : -1;
    return hint > 0 ? hint : List->fontMetrics().height() + 2;
}

void TStrList::selectText(const QString& text) {
    if (List->count() <= 1) {
        List->setCurrentItem(nullptr);
        List->clearSelection();
        return;
    }
    int row = 0;
    for (int i = 0; i < List->count(); ++i)
        if (List->item(i)->text().compare(text, Qt::CaseInsensitive) == 0) {
            row = i;
            break;
        }
    List->setCurrentRow(row);
    List->scrollToItem(List->item(row), QAbstractItemView::PositionAtCenter);
}

bool TStrList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (QListWidgetItem* item = List->itemAt(mouse->position().toPoint())) {
            choose(item);
            return true;
        }
    } else if (watched == List && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QListWidgetItem* item = List->currentItem())
                choose(item);
            return true;
        }
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TStrList::choose(QListWidgetItem* item) {
    if (m_done)
        return;
    m_done = true;
    const QString text = item->text();
    close();
    emit chosen(text);
}

} // namespace ui
