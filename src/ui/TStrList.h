#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;

namespace ui {

// The pick-list popup: a list of values under a field. A click (or a mouse button released over a
// line) or Enter chooses the line; Escape or a click elsewhere closes it without a choice. It deletes
// itself once closed.
class TStrList : public QWidget {
    Q_OBJECT
  public:
    TStrList(const QStringList& items, const QColor& colour, QWidget* parent = nullptr);

    // Selects the first line, then the line equal to text (case apart) when there is one; a list of one line
    // starts with nothing selected.
    void selectText(const QString& text);
    // The height of one line, to size the popup.
    int rowHeight() const;

    QListWidget* List = nullptr;

  signals:
    void chosen(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void choose(QListWidgetItem* item);

    bool m_done = false;
};

} // namespace ui
