#include "ui/TEnterPassWord.h"

#include "ui/PrepareForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TEnterPassWord::TEnterPassWord(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EnterPassWord"));

    auto* titleBar = new QWidget(this);
    titleBar->setObjectName(QStringLiteral("TitleBar"));
    Title = new QLabel(QStringLiteral("  Identification"), titleBar);
    Title->setObjectName(QStringLiteral("Title"));
    auto* exit = new QPushButton(QStringLiteral("×"), titleBar);
    exit->setObjectName(QStringLiteral("SysExitBtn"));
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addWidget(Title, 1);
    titleLayout->addWidget(exit);

    Lab_PassWord = new QLabel(QStringLiteral("Saisssez le mot de passes"), this);
    Lab_PassWord->setObjectName(QStringLiteral("Lab_PassWord"));
    Ed_PassWord = new QLineEdit(this);
    Ed_PassWord->setObjectName(QStringLiteral("Ed_PassWord"));
    Ed_PassWord->setEchoMode(QLineEdit::Password);
    Ed_PassWord->setMaxLength(255);
    Ed_PassWord->setMinimumWidth(260);
    Lab_PassWord->setBuddy(Ed_PassWord);

    Btn_Ok = new QPushButton(QStringLiteral(" &Ok"), this);
    Btn_Ok->setObjectName(QStringLiteral("Btn_Ok"));
    // Enter in the field presses it, while it is enabled.
    Btn_Ok->setDefault(true);
    Btn_Cancel = new QPushButton(QStringLiteral(" &Annuler"), this);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    const auto updateOk = [this] { Btn_Ok->setEnabled(!Ed_PassWord->text().isEmpty()); };
    connect(Ed_PassWord, &QLineEdit::textChanged, this, updateOk);
    updateOk();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Cancel);
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
