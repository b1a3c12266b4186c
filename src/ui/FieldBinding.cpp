#include "ui/FieldBinding.h"

#include "app/AppError.h"
#include "app/UserDialogs.h"
#include "contracts/RecordEditing.h"
#include "db/Dataset.h"
#include "ui/Icons.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolButton>

namespace ui {

namespace {

// Calls an action on Enter or on a double-click, and swallows the event.
class ActionFilter : public QObject {
  public:
    ActionFilter(QWidget* control, QEvent::Type type, std::function<void()> action)
        : QObject(control), m_type(type), m_action(std::move(action)) {
        control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != m_type)
            return QObject::eventFilter(watched, event);
        if (m_type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter)
                return false;
        }
        m_action();
        return true;
    }

  private:
    QEvent::Type m_type;
    std::function<void()> m_action;
};

} // namespace

void OnEnterKey(QLineEdit* edit, std::function<void()> action) {
    new ActionFilter(edit, QEvent::KeyPress, std::move(action));
}

void OnDoubleClick(QWidget* control, std::function<void()> action) {
    new ActionFilter(control, QEvent::MouseButtonDblClick, std::move(action));
}

QLabel* FieldLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QToolButton* CommandButton(QWidget* parent, const QString& name, const QString& icon, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(ButtonIcon(icon));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

QWidget* EditWithButtons(QWidget* parent, QWidget* edit, std::initializer_list<QWidget*> buttons) {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit, 1);
    for (QWidget* button : buttons)
        layout->addWidget(button);
    return box;
}

QTableWidget* EmptyGrid(QWidget* parent, const QString& name, const QStringList& columns) {
    auto* grid = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(columns);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

FieldBinding::FieldBinding(db::Dataset& dataset, QObject* parent) : QObject(parent), m_dataset(dataset) {}

void FieldBinding::bind(QLineEdit* edit, const QString& field, Form form) {
    const size_t index = m_entries.size();
    m_entries.push_back({edit, field, form, false});
    edit->setProperty("boundReadOnly", edit->isReadOnly());
    connect(edit, &QLineEdit::textEdited, this, [this, index] { typing(m_entries[index]); });
    connect(edit, &QLineEdit::editingFinished, this, [this, index] { commit(m_entries[index]); });
    edit->installEventFilter(this);
}

QLineEdit* FieldBinding::newEdit(QWidget* parent, const QString& name, const QString& field, Form form,
                                 bool readOnly, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    bind(edit, field, form);
    return edit;
}

void FieldBinding::bind(QPlainTextEdit* memo, const QString& field) {
    const size_t index = m_entries.size();
    m_entries.push_back({memo, field, Form::Text, false});
    memo->setProperty("boundReadOnly", memo->isReadOnly());
    // Tab goes on to the next field of the form, as in the one-line fields, instead of typing a tab.
    memo->setTabChangesFocus(true);
    connect(memo, &QPlainTextEdit::textChanged, this, [this, index] {
        if (!m_showing)
            typing(m_entries[index]);
    });
    memo->installEventFilter(this);
}

void FieldBinding::bind(QCheckBox* check, const QString& field) {
    const size_t index = m_entries.size();
    m_entries.push_back({check, field, Form::Text, false});
    connect(check, &QCheckBox::clicked, this, [this, index](bool checked) {
        Entry& entry = m_entries[index];
        if (!hasRow()) {
            show(entry);
            return;
        }
        try {
            m_dataset.setValue(entry.field, checked);
        } catch (const app::AppError& error) {
            show(entry);
            app::dialogs().message(app::MessageKind::Error, error.text());
        }
    });
}

void FieldBinding::typing(Entry& entry) {
    entry.dirty = true;
    // The row is in edit state from the first key on, as the record button shows.
    if (m_dataset.state() == db::Dataset::State::Browse && hasRow()) {
        try {
            m_dataset.edit();
        } catch (const app::AppError&) {
            // A row that cannot be edited says so when the typing is written.
        }
    }
}

bool FieldBinding::hasRow() const {
    return m_dataset.isOpen() && (m_dataset.isEditing() || !db::IsDatasetEmpty(m_dataset));
}

FieldBinding::Entry* FieldBinding::entryOf(QObject* widget) {
    for (Entry& entry : m_entries)
        if (entry.widget == widget)
            return &entry;
    return nullptr;
}

void FieldBinding::showRow() {
    const bool row = hasRow();
    // A row being inserted has no key of its own yet: it is never "the same row" as the one shown.
    const qint64 key = !row                                              ? -1
                       : m_dataset.state() == db::Dataset::State::Insert ? -3
                                                                         : m_dataset.currentKey();
    const bool sameRow = key == m_shownKey && key != -3;
    m_shownKey = key;
    setReadOnlyAll(!row);
    for (Entry& entry : m_entries) {
        if (entry.dirty && sameRow)
            continue;
        entry.dirty = false;
        show(entry);
    }
}

bool FieldBinding::commitPending() {
    bool ok = true;
    for (Entry& entry : m_entries)
        ok = commit(entry) && ok;
    return ok;
}

void FieldBinding::discardPending() {
    for (Entry& entry : m_entries)
        entry.dirty = false;
    showRow();
}

QString FieldBinding::shownText(const Entry& entry, bool typing) const {
    if (!hasRow())
        return QString();
    if (entry.form == Form::Amount) {
        const QVariant amount = m_dataset.value(entry.field);
        if (amount.isNull())
            return QString();
        return typing ? QString::number(amount.toDouble(), 'f', 2) : contracts::AmountText(amount.toDouble());
    }
    return m_dataset.text(entry.field);
}

QString FieldBinding::typedText(const Entry& entry) const {
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(entry.widget))
        return memo->toPlainText();
    QString text = static_cast<const QLineEdit*>(entry.widget)->text();
    if (entry.form == Form::Amount)
        text.remove(QChar(0x20AC)); // the currency sign of the shown form, typed along or left in place
    if (entry.form != Form::Text)
        text = text.trimmed();
    return text;
}

void FieldBinding::show(Entry& entry) {
    m_showing = true;
    if (auto* edit = qobject_cast<QLineEdit*>(entry.widget)) {
        const QString text = shownText(entry, edit->hasFocus());
        if (edit->text() != text) {
            edit->setText(text);
            // A long value shows from its beginning.
            if (!edit->hasFocus())
                edit->setCursorPosition(0);
        }
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(entry.widget)) {
        const QString text = shownText(entry, false);
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
    } else if (auto* check = qobject_cast<QCheckBox*>(entry.widget)) {
        check->setChecked(hasRow() && m_dataset.boolean(entry.field));
    }
    m_showing = false;
}

bool FieldBinding::commit(Entry& entry) {
    if (!entry.dirty)
        return true;
    entry.dirty = false;
    if (!hasRow()) {
        show(entry);
        return true;
    }
    const QString typed = typedText(entry);
    if (typed == shownText(entry, true))
        return true;
    QVariant value = typed.isEmpty() && entry.form != Form::Text ? QVariant() : QVariant(typed);
    try {
        // The engine would take "inf" or "nan" for numbers: an amount is digits with one decimal mark.
        if (entry.form == Form::Amount && !typed.isEmpty()) {
            const std::optional<double> amount = contracts::ParseAmountText(typed);
            if (!amount)
                throw app::AppError(
                    QStringLiteral("La valeur « %1 » ne convient pas au champ %2 : un montant attendu.")
                        .arg(typed, entry.field));
            value = *amount;
        }
        m_dataset.setValue(entry.field, value);
    } catch (const app::AppError& error) {
        // The field keeps its previous value; the user sees why.
        show(entry);
        app::dialogs().message(app::MessageKind::Error, error.text());
        return false;
    }
    return true;
}

void FieldBinding::setReadOnlyAll(bool readOnly) {
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    for (Entry& entry : m_entries) {
        const bool fixed = entry.widget->property("boundReadOnly").toBool();
        if (auto* edit = qobject_cast<QLineEdit*>(entry.widget))
            edit->setReadOnly(readOnly || fixed);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(entry.widget))
            memo->setReadOnly(readOnly || fixed);
    }
}

bool FieldBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) {
        if (Entry* entry = entryOf(watched)) {
            if (event->type() == QEvent::FocusOut)
                commit(*entry);
            // The amount is typed bare and shown with its currency.
            if (entry->form == Form::Amount && !entry->dirty) {
                m_showing = true;
                auto* edit = static_cast<QLineEdit*>(entry->widget);
                const QString text = shownText(*entry, event->type() == QEvent::FocusIn);
                if (edit->text() != text)
                    edit->setText(text);
                m_showing = false;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
