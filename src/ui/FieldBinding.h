#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QToolButton;
class QWidget;

namespace db {
class Dataset;
}

namespace ui {

// Keeps edit controls in step with the current row of a dataset. A control shows the row's value when the
// row changes; what the user typed is written back when the control loses the focus or Enter is pressed
// (Dataset::setValue, which puts the row in edit state). A value the field refuses (a wrong amount, a
// date that is no date) is reported in French and the control shows the stored value again: nothing
// half-written reaches the row.
class FieldBinding : public QObject {
    Q_OBJECT
  public:
    enum class Form {
        Text,   // shown and written as typed
        Date,   // dd/mm/yyyy
        Number, // a whole number
        Amount  // "1250.50 €" when shown, the bare number while typed
    };

    explicit FieldBinding(db::Dataset& dataset, QObject* parent = nullptr);

    void bind(QLineEdit* edit, const QString& field, Form form = Form::Text);
    // A new edit bound to the field, taking at most maxLength characters (0: no limit).
    QLineEdit* newEdit(QWidget* parent, const QString& name, const QString& field, Form form = Form::Text,
                       bool readOnly = false, int maxLength = 0);
    void bind(QPlainTextEdit* memo, const QString& field);
    void bind(QCheckBox* check, const QString& field);

    // Shows the current row. A control holding typing not yet written keeps it while the row stays the
    // same one (the typing is written when the control is left).
    void showRow();
    // Writes every control the user changed and did not leave yet; false when a value was refused.
    bool commitPending();
    // Forgets what was typed and not written yet; the controls show the row again.
    void discardPending();
    // True when the dataset has a row to show (an empty dataset leaves the controls read-only).
    bool hasRow() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        QWidget* widget = nullptr;
        QString field;
        Form form = Form::Text;
        bool dirty = false;
    };
    Entry* entryOf(QObject* widget);
    void typing(Entry& entry);
    void show(Entry& entry);
    bool commit(Entry& entry);
    QString shownText(const Entry& entry, bool typing) const;
    QString typedText(const Entry& entry) const;
    void setReadOnlyAll(bool readOnly);

    db::Dataset& m_dataset;
    std::vector<Entry> m_entries;
    qint64 m_shownKey = -2;
    bool m_showing = false;
    bool m_readOnly = false;
};

// Runs a command of the record: what was typed is written first, an error is shown in French, and the
// window's commands follow afterwards.
using CommandRunner = std::function<void(const std::function<void()>&)>;

// The small pieces the pages of the record are made of.
QLabel* FieldLabel(QWidget* parent, const QString& name, const QString& caption);
QToolButton* CommandButton(QWidget* parent, const QString& name, const QString& icon, const QString& hint);
// An edit with its buttons on one line.
QWidget* EditWithButtons(QWidget* parent, QWidget* edit, std::initializer_list<QWidget*> buttons);
// A grid that later commands fill: laid out with its column captions, read-only, selecting rows.
QTableWidget* EmptyGrid(QWidget* parent, const QString& name, const QStringList& columns);

// Runs an action when the user presses Enter in the control (an edit) or double-clicks it (any control).
void OnEnterKey(QLineEdit* edit, std::function<void()> action);
void OnDoubleClick(QWidget* control, std::function<void()> action);

} // namespace ui
