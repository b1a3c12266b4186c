#include "ui/TGrandePolicesMsg.h"

#include "app/UserDialogs.h"
#include "ui/PrepareForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

QString TGrandePolicesMsg::noticeText() {
    return QStringLiteral(
        "Votre système d'exploitation est configuré pour utiliser de grandes polices de caractères.\n\n"
        "Ce logiciel a été conçu pour la taille normale des polices (96 ppp) : certaines fenêtres "
        "peuvent s'afficher de façon incorrecte.\n\n"
        "Nous vous conseillons de choisir le réglage \"Taille normale\" dans les paramètres d'affichage, "
        "ou d'utiliser une résolution d'écran plus faible, par exemple 1024x768.");
}

TGrandePolicesMsg::TGrandePolicesMsg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GrandePolicesMsg"));

    auto* titleBar = new QWidget(this);
    titleBar->setObjectName(QStringLiteral("TitleBar"));
    Title = new QLabel(QStringLiteral(" Détection de grandes polices"), titleBar);
    Title->setObjectName(QStringLiteral("Title"));
    auto* exit = new QToolButton(titleBar);
    exit->setObjectName(QStringLiteral("Exit"));
    exit->setText(QStringLiteral("×"));
    connect(exit, &QToolButton::clicked, this, &QDialog::accept);
    auto* titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addWidget(Title, 1);
    titleLayout->addWidget(exit);

    Memo_Text = new QPlainTextEdit(noticeText(), this);
    Memo_Text->setObjectName(QStringLiteral("Memo_Text"));
    Memo_Text->setReadOnly(true);
    Memo_Text->setMinimumSize(420, 150);

    Check_Hide = new QCheckBox(QStringLiteral("Ne afficher ce message"), this);
    Check_Hide->setObjectName(QStringLiteral("Check_Hide"));
    Btn_Close = new QPushButton(QStringLiteral("&Fermer"), this);
    Btn_Close->setObjectName(QStringLiteral("Btn_Close"));
    Btn_Close->setDefault(true);
    connect(Btn_Close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Check_Hide, 1);
    bottom->addWidget(Btn_Close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(Memo_Text, 1);
    layout->addLayout(bottom);

    PrepareForm(this);
}

bool RunLargeFontsCheck(QWidget* parent, int logicalDpiX, bool alreadyHidden, bool interactive) {
    if (logicalDpiX == 96 || alreadyHidden)
        return true;
    if (!interactive) {
        app::dialogs().message(app::MessageKind::Information, TGrandePolicesMsg::noticeText());
        return false;
    }
    TGrandePolicesMsg notice(parent);
    notice.exec();
    return notice.Check_Hide->isChecked();
}

} // namespace ui
