#include "ui/DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {

QWidget* MakeTitleBar(QDialog* dialog, const QString& caption, QLabel*& title)
{
    auto* titleBar = new QWidget(dialog);
    titleBar->setObjectName(QStringLiteral("TitleBar"));
    title = new QLabel(caption, titleBar);
    title->setObjectName(QStringLiteral("Title"));
    auto* exit = new QPushButton(QStringLiteral("×"), titleBar);
    exit->setObjectName(QStringLiteral("SysExitBtn"));
    QObject::connect(exit, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addWidget(title, 1);
    titleLayout->addWidget(exit);
    return titleBar;
}

QHBoxLayout* MakeOkCancel(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel)
{
    ok = new QPushButton(QStringLiteral(" &Ok"), dialog);
    ok->setObjectName(QStringLiteral("Btn_Ok"));
    ok->setDefault(true);
    cancel = new QPushButton(QStringLiteral(" &Annuler"), dialog);
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace ui
