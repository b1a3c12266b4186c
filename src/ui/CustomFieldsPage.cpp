#include "ui/CustomFieldsPage.h"

#include "app/Globals.h"
#include "contracts/CustomLabels.h"
#include "db/TDataModule1.h"
#include "ui/DescriptionPage.h"
#include "ui/TEnterStr.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace ui {

CustomFieldsPage::CustomFieldsPage(FieldBinding& binding, CommandRunner run, QWidget* parent)
    : QWidget(parent), m_binding(binding), m_run(std::move(run)) {
    setObjectName(QStringLiteral("Page_Custom"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(4);
    for (int number = 1; number <= contracts::ContractLabelCount; ++number) {
        const QString suffix = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
        QLabel* label =
            FieldLabel(this, QStringLiteral("Lab_Misc") + suffix, contracts::DefaultLabelCaption(number));
        label->setToolTip(QStringLiteral("Double-cliquez\npour modifier"));
        OnDoubleClick(label, [this, number] { m_run([this, number] { renameLabel(number); }); });
        Lab_Misc[static_cast<size_t>(number - 1)] = label;
        const QString field = QStringLiteral("Misc") + suffix;
        const int line = number - 1;
        if (number <= 10) {
            QLineEdit* edit = m_binding.newEdit(this, QStringLiteral("Ed_Misc") + suffix, field,
                                                FieldBinding::Form::Text, false, 128);
            QToolButton* button = CommandButton(this, QStringLiteral("Btn_Misc") + suffix,
                                                QStringLiteral("picklist"), QStringLiteral("Liste"));
            // The list's number is the last two characters of the button's name.
            const QString column = QStringLiteral("Contract_Misc") + button->objectName().right(2);
            connect(button, &QToolButton::clicked, this, [this, edit, field, column] {
                m_run([this, edit, field, column] { PickInto(m_binding, edit, field, column); });
            });
            OnEnterKey(edit, [button] { button->click(); });
            grid->addWidget(label, line, 0);
            grid->addWidget(EditWithButtons(this, edit, {button}), line, 1);
        } else {
            auto* memo = new QPlainTextEdit(this);
            memo->setObjectName(QStringLiteral("Memo_Divers") + suffix);
            m_binding.bind(memo, field);
            grid->addWidget(label, line, 0, Qt::AlignTop);
            grid->addWidget(memo, line, 1);
            grid->setRowStretch(line, 1);
        }
    }
}

void CustomFieldsPage::setLabels(const QStringList& captions) {
    for (int i = 0; i < static_cast<int>(Lab_Misc.size()); ++i)
        Lab_Misc[static_cast<size_t>(i)]->setText(
            i < captions.size() ? captions[i] : contracts::DefaultLabelCaption(i + 1));
}

void CustomFieldsPage::renameLabel(int number) {
    const int dossier = app::globals().currentDossierId;
    db::TDataModule1* module = db::dataModule1();
    if (dossier < 0 || !module)
        return;
    QLabel* label = Lab_Misc[static_cast<size_t>(number - 1)];
    QString caption = label->text();
    if (!TEnterStr::ask(window(), QStringLiteral("Modifiez le libellé"), caption))
        return;
    contracts::RenameCustomLabel(module->connection(), dossier, number, caption);
    label->setText(caption);
}

} // namespace ui
