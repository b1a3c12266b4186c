#include "ui/TEnterStr.h"

#include "ui/DialogParts.h"
#include "ui/PrepareForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TEnterStr::TEnterStr(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EnterStr"));

    auto* titleBar = MakeTitleBar(this, QStringLiteral("  Saisie d'une chaine de caractère"), Title);

    Lab_Title = new QLabel(this);
    Lab_Title->setObjectName(QStringLiteral("Lab_Title"));
    Ed_Str = new QLineEdit(this);
    Ed_Str->setObjectName(QStringLiteral("Ed_Str"));
    Ed_Str->setMaxLength(255);
    Ed_Str->setMinimumWidth(300);
    Lab_Title->setBuddy(Ed_Str);

    auto* buttons = MakeOkCancel(this, Btn_Ok, Btn_Cancel);
    const auto updateOk = [this] { Btn_Ok->setEnabled(!Ed_Str->text().isEmpty()); };
    connect(Ed_Str, &QLineEdit::textChanged, this, updateOk);
    updateOk();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(Lab_Title);
    layout->addWidget(Ed_Str);
    layout->addLayout(buttons);

    PrepareForm(this);
}

bool TEnterStr::ask(QWidget* parent, const QString& title, QString& text) {
    TEnterStr dialog(parent);
    dialog.Lab_Title->setText(title);
    dialog.Ed_Str->setText(text);
    dialog.Ed_Str->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.Ed_Str->text();
    return true;
}

} // namespace ui
