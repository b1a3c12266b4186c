#include "ui/TEnterFile.h"

#include "app/AppError.h"
#include "app/UserDialogs.h"
#include "db/Dataset.h"
#include "ui/DialogParts.h"
#include "ui/PrepareForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString NameField = QStringLiteral("LoginName");
const QString PasswordField = QStringLiteral("LoginPassword");
const QString OwnerField = QStringLiteral("FullName");
const QString ObservationField = QStringLiteral("Color"); // PROFILES.Comment, as MainFile reads it

// The size a text column was declared with ("TEXT(128)"); 0 when it has none.
int declaredLength(const db::Dataset& dataset, const QString& field) {
    const int index = dataset.fieldIndex(field);
    if (index < 0)
        return 0;
    static const QRegularExpression size(QStringLiteral("\\((\\d+)\\)"));
    const QRegularExpressionMatch match =
        size.match(dataset.fields()[static_cast<size_t>(index)].declaredType);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

TEnterFile::TEnterFile(db::Dataset& mainFile, QWidget* parent) : QDialog(parent), m_mainFile(mainFile) {
    setObjectName(QStringLiteral("EnterFile"));

    auto* titleBar = MakeTitleBar(this, QStringLiteral(" Dossier"), Title);

    Ed_File = boundEdit("Ed_File", NameField);
    Ed_PassWord = boundEdit("Ed_PassWord", PasswordField); // shown in clear, as the owner typed it
    Ed_Name = boundEdit("Ed_Name", OwnerField);
    Memo_Observation = new QPlainTextEdit(m_mainFile.text(ObservationField), this);
    Memo_Observation->setObjectName(QStringLiteral("Memo_Observation"));
    Memo_Observation->setTabChangesFocus(true);
    connect(Memo_Observation, &QPlainTextEdit::textChanged, this,
            [this] { write(ObservationField, Memo_Observation->toPlainText()); });

    auto* buttons = MakeOkCancel(this, Btn_Ok, Btn_Cancel);
    const auto updateOk = [this] { Btn_Ok->setEnabled(!Ed_File->text().isEmpty()); };
    connect(Ed_File, &QLineEdit::textChanged, this, updateOk);
    updateOk();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Dossier"), Ed_File);
    form->addRow(QStringLiteral("Mot de passe"), Ed_PassWord);
    form->addRow(QStringLiteral("Propriétaire"), Ed_Name);
    form->addRow(QStringLiteral("Observations"), Memo_Observation);
    Ed_File->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addLayout(form);
    layout->addLayout(buttons);

    PrepareForm(this);
}

QLineEdit* TEnterFile::boundEdit(const char* name, const QString& field) {
    auto* edit = new QLineEdit(m_mainFile.text(field), this);
    edit->setObjectName(QLatin1String(name));
    if (const int length = declaredLength(m_mainFile, field); length > 0)
        edit->setMaxLength(length);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { write(field, text); });
    return edit;
}

void TEnterFile::write(const QString& field, const QString& text) {
    try {
        m_mainFile.setValue(field, text);
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
    }
}

void TEnterFile::accept() {
    if (Ed_File->text().isEmpty())
        return;
    try {
        m_mainFile.post();
    } catch (const app::AppError& error) {
        // What was typed stays in the dialog: the user may correct it or cancel.
        app::dialogs().message(app::MessageKind::Error, error.text());
        return;
    }
    QDialog::accept();
}

void TEnterFile::reject() {
    if (m_mainFile.isEditing())
        m_mainFile.cancel();
    QDialog::reject();
}

bool TEnterFile::edit(QWidget* parent, db::Dataset& mainFile) {
    try {
        TEnterFile dialog(mainFile, parent);
        return dialog.exec() == QDialog::Accepted;
    } catch (const app::AppError& error) {
        if (mainFile.isEditing())
            mainFile.cancel();
        app::dialogs().message(app::MessageKind::Error, error.text());
        return false;
    }
}

} // namespace ui
