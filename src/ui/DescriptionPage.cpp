#include "ui/DescriptionPage.h"

#include "app/UserDialogs.h"
#include "contracts/RecordEditing.h"
#include "db/TDataModule1.h"
#include "ui/NavigationTree.h"
#include "ui/PickList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

namespace ui {

namespace {

db::Dataset& contract() {
    return db::dataModule1()->Contract;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

void PickInto(FieldBinding& binding, QLineEdit* edit, const QString& field, const QString& comboColumn) {
    if (binding.hasRow() && db::dataModule1())
        ShowPickList(edit, true, {}, &contract(), field, comboColumn);
}

DescriptionPage::DescriptionPage(FieldBinding& binding, NavigationTree& tree, CommandRunner run,
                                 QWidget* parent)
    : QWidget(parent), m_binding(binding), m_tree(tree), m_run(std::move(run)) {
    using Form = FieldBinding::Form;
    setObjectName(QStringLiteral("Page_Description"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    grid->addWidget(FieldLabel(this, QStringLiteral("Lab_Designation"), text("Désignation")), 0, 0);
    grid->addWidget(pickListRow(QStringLiteral("Ed_Designation"), QStringLiteral("Btn_Designation"),
                                QStringLiteral("Title"), QStringLiteral("Contract_Title"), false,
                                &Ed_Designation),
                    0, 1, 1, 3);
    grid->addWidget(FieldLabel(this, QStringLiteral("Lab_No"), text("N° du contrat")), 1, 0);
    grid->addWidget(m_binding.newEdit(this, QStringLiteral("Ed_No"), QStringLiteral("NoContract"), Form::Text,
                                      false, 128),
                    1, 1);
    grid->addWidget(FieldLabel(this, QStringLiteral("Lab_Reference"), text("Référence")), 1, 2);
    grid->addWidget(m_binding.newEdit(this, QStringLiteral("Ed_Reference"), QStringLiteral("Reference"),
                                      Form::Text, false, 128),
                    1, 3);
    grid->addWidget(FieldLabel(this, QStringLiteral("Lab_Code"), QStringLiteral("Code")), 2, 0);
    grid->addWidget(
        m_binding.newEdit(this, QStringLiteral("Ed_Code"), QStringLiteral("Code"), Form::Text, false, 128), 2,
        1);
    grid->addWidget(FieldLabel(this, QStringLiteral("Lab_Support"), QStringLiteral("Support")), 2, 2);
    grid->addWidget(pickListRow(QStringLiteral("Ed_Support"), QStringLiteral("Btn_Support"),
                                QStringLiteral("Support"), QStringLiteral("Contract_Support"), true),
                    2, 3);
    addDates(grid);
    addCounts(grid);

    auto* tacit = new QCheckBox(QStringLiteral("Tacite reconduction"), this);
    tacit->setObjectName(QStringLiteral("Check_TacitRenewal"));
    m_binding.bind(tacit, QStringLiteral("TacitRenewal"));
    grid->addWidget(tacit, 6, 1, 1, 3);

    addCategory(grid);
    addParties(grid);

    // Renewal is kept, and shown nowhere for now: its controls exist, hidden.
    QLabel* renewalLabel = FieldLabel(this, QStringLiteral("Lab_Renewal"), QStringLiteral("Renouvellement"));
    QWidget* renewal = pickListRow(QStringLiteral("Ed_Renewal"), QStringLiteral("Btn_Renewal"),
                                   QStringLiteral("Renewal"), QStringLiteral("Contract_Renewal"), true);
    grid->addWidget(renewalLabel, 9, 0);
    grid->addWidget(renewal, 9, 1, 1, 3);
    renewalLabel->hide();
    renewal->hide();

    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
}

QWidget* DescriptionPage::pickListRow(const QString& edit, const QString& button, const QString& field,
                                      const QString& column, bool readOnly, QLineEdit** created) {
    QLineEdit* bound = m_binding.newEdit(this, edit, field, FieldBinding::Form::Text, readOnly, 128);
    QToolButton* list = CommandButton(this, button, QStringLiteral("picklist"), QStringLiteral("Liste"));
    connect(list, &QToolButton::clicked, this, [this, bound, field, column] {
        m_run([this, bound, field, column] { PickInto(m_binding, bound, field, column); });
    });
    OnEnterKey(bound, [list] { list->click(); });
    if (created)
        *created = bound;
    return EditWithButtons(this, bound, {list});
}

void DescriptionPage::addDates(QGridLayout* grid) {
    const struct {
        const char *edit, *button, *label, *caption, *field;
    } dates[] = {{"Ed_Date_Sign", "Btn_Date_Sign", "Lab_Date_Sign", "Date (signature)", "Date_Sign"},
                 {"Ed_Date_Start", "Btn_Date_Start", "Lab_Date_Start", "Date (effet)", "Date_Start"},
                 {"Ed_Date_Term", "Btn_Date_Term", "Lab_Date_Term", "Date (échéance)", "Date_Term"}};
    int line = 3;
    for (const auto& date : dates) {
        const QString field = QString::fromLatin1(date.field);
        QLineEdit* edit =
            m_binding.newEdit(this, QString::fromLatin1(date.edit), field, FieldBinding::Form::Date);
        // A whole date always shows.
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 8);
        QToolButton* button = CommandButton(this, QString::fromLatin1(date.button), QStringLiteral("date"),
                                            QStringLiteral("Calendrier"));
        connect(button, &QToolButton::clicked, this,
                [this, edit, field] { m_run([this, edit, field] { pickDate(edit, field); }); });
        OnEnterKey(edit, [button] { button->click(); });
        grid->addWidget(FieldLabel(this, QString::fromLatin1(date.label), text(date.caption)), line, 0);
        grid->addWidget(EditWithButtons(this, edit, {button}), line++, 1);
    }
}

void DescriptionPage::addCounts(QGridLayout* grid) {
    const struct {
        const char *edit, *inc, *dec, *label, *caption, *field;
    } counts[] = {{"Ed_Length", "Btn_Length_Inc", "Btn_Length_Dec", "Lab_Length", "Durée (mois)", "Length"},
                  {"Ed_Alarm", "Btn_Alarm_Inc", "Btn_Alarm_Dec", "Lab_Alarm", "Alerte (mois)", "Alarm"}};
    int line = 3;
    for (const auto& count : counts) {
        const QString field = QString::fromLatin1(count.field);
        QLineEdit* edit =
            m_binding.newEdit(this, QString::fromLatin1(count.edit), field, FieldBinding::Form::Number);
        QToolButton* inc = CommandButton(this, QString::fromLatin1(count.inc), QStringLiteral("inc"),
                                         QStringLiteral("Augmenter"));
        QToolButton* dec = CommandButton(this, QString::fromLatin1(count.dec), QStringLiteral("dec"),
                                         QStringLiteral("Diminuer"));
        connect(inc, &QToolButton::clicked, this,
                [this, field] { m_run([this, field] { stepCount(field, true); }); });
        connect(dec, &QToolButton::clicked, this,
                [this, field] { m_run([this, field] { stepCount(field, false); }); });
        grid->addWidget(FieldLabel(this, QString::fromLatin1(count.label), text(count.caption)), line, 2);
        grid->addWidget(EditWithButtons(this, edit, {inc, dec}), line++, 3);
    }
    grid->addWidget(FieldLabel(this, QStringLiteral("Lab_AnnualCost"), QStringLiteral("Montant annuel")),
                    line, 2);
    grid->addWidget(m_binding.newEdit(this, QStringLiteral("Ed_AnnualCost"), QStringLiteral("AnnualCost"),
                                      FieldBinding::Form::Amount),
                    line, 3);
}

void DescriptionPage::addCategory(QGridLayout* grid) {
    Ed_Category = m_binding.newEdit(this, QStringLiteral("Ed_Category"), QStringLiteral("Category"),
                                    FieldBinding::Form::Text, true);
    QToolButton* select =
        CommandButton(this, QStringLiteral("Btn_Select_Category"), QStringLiteral("select_category"),
                      text("Sélectionner une catégorie"));
    select->hide(); // the category selection dialog is not part of this program yet
    QToolButton* remove = CommandButton(this, QStringLiteral("Btn_Delete_Category"),
                                        QStringLiteral("delete_category"), text("Supprimer la catégorie"));
    connect(remove, &QToolButton::clicked, this, [this] { m_run([this] { removeCategory(); }); });
    OnEnterKey(Ed_Category, [select] { select->click(); });
    grid->addWidget(FieldLabel(this, QStringLiteral("Lab_Category"), text("Catégorie")), 7, 0);
    grid->addWidget(EditWithButtons(this, Ed_Category, {select, remove}), 7, 1, 1, 3);
}

void DescriptionPage::addParties(QGridLayout* grid) {
    auto* parties = new QHBoxLayout;
    const struct {
        const char *grid, *label, *caption;
    } partyGrids[] = {{"Grid_PeopleList", "Lab_PeopleList", "Personnes physiques"},
                      {"Grid_CompanyList", "Lab_CompanyList", "Personnes morales"}};
    for (const auto& party : partyGrids) {
        auto* column = new QVBoxLayout;
        column->addWidget(FieldLabel(this, QString::fromLatin1(party.label), text(party.caption)));
        QTableWidget* list = EmptyGrid(this, QString::fromLatin1(party.grid), {QString()});
        list->horizontalHeader()->hide();
        column->addWidget(list, 1);
        parties->addLayout(column);
    }
    grid->addLayout(parties, 8, 0, 1, 4);
}

void DescriptionPage::pickDate(QLineEdit* edit, const QString& field) {
    if (m_binding.hasRow())
        ShowDatePicker(edit, &contract(), field);
}

void DescriptionPage::stepCount(const QString& field, bool up) {
    if (!m_binding.hasRow())
        return;
    db::Dataset& rows = contract();
    db::EditIfBrowsing(rows);
    const QVariant value = rows.value(field);
    rows.setValue(field, up ? contracts::IncrementedCount(value) : contracts::DecrementedCount(value));
}

void DescriptionPage::removeCategory() {
    if (!m_binding.hasRow() ||
        !app::dialogs().confirm(QStringLiteral("Désirez-vous supprimer le dossier sélectionné ?")))
        return;
    db::Dataset& rows = contract();
    m_tree.RemoveContractNodes(QStringLiteral("contract"), QStringLiteral("category"), rows.currentKey());
    db::EditIfBrowsing(rows);
    rows.setValue(QStringLiteral("Category"), QString());
    rows.post();
}

} // namespace ui
