#include "ui/TEnterPassWord.h"

#include "ui/DialogParts.h"
#include "ui/PrepareForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TEnterPassWord::TEnterPassWord(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EnterPassWord"));

    auto* titleBar = MakeTitleBar(this, QStringLiteral("  Identification"), Title);

    Lab_PassWord = new QLabel(QStringLiteral("Saisssez le mot de passes"), this);
    Lab_PassWord->setObjectName(QStringLiteral("Lab_PassWord"));
    Ed_PassWord = new QLineEdit(this);
    Ed_PassWord->setObjectName(QStringLiteral("Ed_PassWord"));
    Ed_PassWord->setEchoMode(QLineEdit::Password);
    Ed_PassWord->setMaxLength(255);
    Ed_PassWord->setMinimumWidth(260);
    Lab_PassWord->setBuddy(Ed_PassWord);

    // OK is the default button: Enter in the field presses it while it is enabled.
    auto* buttons = MakeOkCancel(this, Btn_Ok, Btn_Cancel);
    const auto updateOk = [this] { Btn_Ok->setEnabled(!Ed_PassWord->text().isEmpty()); };
    connect(Ed_PassWord, &QLineEdit::textChanged, this, updateOk);
    updateOk();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(Lab_PassWord);
    layout->addWidget(Ed_PassWord);
    layout->addLayout(buttons);

    PrepareForm(this);
}

bool TEnterPassWord::ask(QWidget* parent, QString& typed) {
    TEnterPassWord dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    typed = dialog.Ed_PassWord->text();
    return true;
}

} // namespace ui
