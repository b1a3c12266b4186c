#include "ui/RecordButtons.h"

#include "app/UserDialogs.h"
#include "db/TDataModule1.h"
#include "ui/ContractEditor.h"
#include "ui/Icons.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace ui {

namespace {

// The hourglass for the time of a scope.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

RecordButtons::RecordButtons(TMainForm& form, QWidget* parent) : QWidget(parent), m_form(form) {
    setObjectName(QStringLiteral("Pan_Main_Btn"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    const auto button = [this, row](const char* name, const char* icon, const char* hint) {
        auto* created = new QToolButton(this);
        created->setObjectName(QString::fromLatin1(name));
        created->setIcon(ButtonIcon(QString::fromLatin1(icon)));
        created->setToolTip(QString::fromUtf8(hint));
        created->setAutoRaise(true);
        created->setIconSize(QSize(20, 20));
        row->addWidget(created);
        return created;
    };
    const auto move = [this](void (db::Dataset::*step)()) {
        return [this, step] {
            m_form.RunRecordCommand([step] {
                if (db::TDataModule1* module = db::dataModule1())
                    (module->Contract.*step)();
            });
        };
    };
    connect(button("Btn_Main_First", "first", "Premier contrat"), &QToolButton::clicked, this,
            move(&db::Dataset::first));
    connect(button("Btn_Main_Prior", "prior", "Contrat précédent"), &QToolButton::clicked, this,
            move(&db::Dataset::prior));
    connect(button("Btn_Main_Next", "next", "Contrat suivant"), &QToolButton::clicked, this,
            move(&db::Dataset::next));
    connect(button("Btn_Main_Last", "last", "Dernier contrat"), &QToolButton::clicked, this,
            move(&db::Dataset::last));
    row->addSpacing(8);
    connect(button("Btn_Main_Add", "add", "Ajouter un contrat"), &QToolButton::clicked, this,
            &RecordButtons::addContract);
    connect(button("Btn_Main_Delete", "delete", "Supprimer ce contrat"), &QToolButton::clicked, this,
            &RecordButtons::deleteContract);
    connect(button("Btn_Main_Record", "record", "Enregistrer"), &QToolButton::clicked, this, [this] {
        m_form.RunRecordCommand([] {
            if (db::TDataModule1* module = db::dataModule1())
                db::PostIfEditing(module->Contract);
        });
    });
    row->addStretch(1);
}

void RecordButtons::addContract() {
    m_form.RunRecordCommand([this] {
        db::TDataModule1* module = db::dataModule1();
        if (!module)
            return;
        // The data module gives the new contract its defaults and posts it at once.
        module->Contract.append();
        m_form.editor->showFirstPages();
        m_form.editor->Ed_Designation->setFocus();
    });
}

void RecordButtons::deleteContract() {
    m_form.RunRecordCommand([this] {
        db::TDataModule1* module = db::dataModule1();
        if (!module || db::IsDatasetEmpty(module->Contract) ||
            !app::dialogs().confirm(QStringLiteral("Confirmez-vous la suppression de ce contrat ?")))
            return;
        const WaitCursor waiting;
        // The window is given back whether the deletion succeeds or not.
        m_form.setEnabled(false);
        try {
            module->Contract.remove();
        } catch (...) {
            m_form.setEnabled(true);
            throw;
        }
        m_form.setEnabled(true);
    });
}

} // namespace ui
