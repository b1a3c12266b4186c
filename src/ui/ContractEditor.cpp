#include "ui/ContractEditor.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/UserDialogs.h"
#include "contracts/CustomLabels.h"
#include "contracts/NavigationRules.h"
#include "contracts/RecordEditing.h"
#include "db/TDataModule1.h"
#include "ui/Icons.h"
#include "ui/NavigationTree.h"
#include "ui/PickList.h"
#include "ui/StateBadge.h"
#include "ui/TEnterStr.h"
#include "ui/TSelectDate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>

namespace ui {

namespace {

db::Dataset& contract() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        throw app::AppError(QStringLiteral("La base de données n'est pas ouverte."));
    return module->Contract;
}

// The heading keeps its whole text; what does not fit is drawn cut with an ellipsis.
class HeadingLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QLabel* fieldLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// An edit with its buttons on one line.
QWidget* row(QWidget* parent, QWidget* edit, std::initializer_list<QWidget*> buttons) {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit, 1);
    for (QWidget* button : buttons)
        layout->addWidget(button);
    return box;
}

QStackedWidget* notebook(const QString& name, QWidget* parent) {
    auto* book = new QStackedWidget(parent);
    book->setObjectName(name);
    return book;
}

QTabBar* tabs(const QString& name, const QStringList& captions, QWidget* parent) {
    auto* bar = new QTabBar(parent);
    bar->setObjectName(name);
    bar->setDrawBase(false);
    bar->setExpanding(false);
    for (const QString& caption : captions)
        bar->addTab(caption);
    return bar;
}

// A grid filled by later commands: laid out now, with its column captions.
QTableWidget* emptyGrid(const QString& name, const QStringList& columns, QWidget* parent) {
    auto* grid = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(columns);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

} // namespace

ContractEditor::ContractEditor(NavigationTree& tree, QWidget* parent) : QWidget(parent), m_tree(tree) {
    setObjectName(QStringLiteral("Pan_Contract"));
    m_binding = new FieldBinding(contract(), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleBar());
    Tab_Main =
        tabs(QStringLiteral("Tab_Main"),
             {QStringLiteral("Général"), QStringLiteral("Personnalisé"), QStringLiteral("Evénements")}, this);
    layout->addWidget(Tab_Main);
    AANotebook1 = notebook(QStringLiteral("AANotebook1"), this);
    AANotebook1->addWidget(buildGeneralPage());
    AANotebook1->addWidget(buildCustomPage());
    AANotebook1->addWidget(buildEventPage());
    layout->addWidget(AANotebook1, 1);

    const std::pair<QTabBar*, QStackedWidget*> switches[] = {
        {Tab_Main, AANotebook1}, {Tab_Contract, AANotebook2}, {Tab_Img_File, AANotebook3}};
    for (const auto& [bar, book] : switches) {
        connect(bar, &QTabBar::currentChanged, this, [this, book = book](int index) {
            book->setCurrentIndex(index);
            emit commandsChanged();
        });
    }
    connect(Ed_State, &QLineEdit::textChanged, this, &ContractEditor::stateShown);
    stateShown(QString());

    // Escape gives up the changes not yet recorded, as the conflict messages of the record advise.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WidgetWithChildrenShortcut);
    connect(cancel, &QShortcut::activated, this, &ContractEditor::cancelEdit);
}

ContractEditor::~ContractEditor() = default;

QLineEdit* ContractEditor::addEdit(const QString& name, const QString& field, FieldBinding::Form form,
                                   bool readOnly) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    if (form == FieldBinding::Form::Text)
        edit->setMaxLength(field == QLatin1String("Category") || field == QLatin1String("Location") ? 255
                                                                                                    : 128);
    m_binding->bind(edit, field, form);
    return edit;
}

QToolButton* ContractEditor::addButton(const QString& name, const QString& icon, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(ButtonIcon(icon));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

QWidget* ContractEditor::buildTitleBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Pan_Title_Mat"));
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x50, 0xD2));
    palette.setColor(QPalette::WindowText, Qt::white);
    bar->setPalette(palette);

    Lab_Title_Mat = new HeadingLabel(QStringLiteral("Contrat"), bar);
    Lab_Title_Mat->setObjectName(QStringLiteral("Lab_Title_Mat"));
    QFont bold = Lab_Title_Mat->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    Lab_Title_Mat->setFont(bold);
    // A long designation is cut on the right rather than pushing the state out of sight.
    Lab_Title_Mat->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Lab_Title_Mat->setMinimumWidth(80);

    auto* state = new QWidget(bar);
    state->setObjectName(QStringLiteral("Pan_State"));
    Ed_State = addEdit(QStringLiteral("Ed_State"), QStringLiteral("State"), FieldBinding::Form::Text, true);
    Ed_State->setParent(state);
    Ed_State->setFixedWidth(72);
    AquaImage_Status = new StateBadge(state);
    AquaImage_Status->setFixedSize(AquaImage_Status->sizeHint());
    Btn_State =
        addButton(QStringLiteral("Btn_State"), QStringLiteral("state"), QStringLiteral("Etat du contrat"));
    Btn_State->setParent(state);
    connect(Btn_State, &QToolButton::clicked, this, [this] { runCommand([this] { pickState(); }); });
    OnEnterKey(Ed_State, [this] { Btn_State->click(); });
    auto* stateLayout = new QHBoxLayout(state);
    stateLayout->setContentsMargins(0, 0, 0, 0);
    stateLayout->setSpacing(4);
    stateLayout->addWidget(Ed_State);
    stateLayout->addWidget(AquaImage_Status);
    stateLayout->addWidget(Btn_State);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 4, 6, 4);
    layout->addWidget(Lab_Title_Mat, 1);
    layout->addWidget(state);
    return bar;
}

QWidget* ContractEditor::buildGeneralPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_General"));
    auto* left = new QVBoxLayout;
    left->setSpacing(0);
    Tab_Contract =
        tabs(QStringLiteral("Tab_Contract"),
             {QStringLiteral("Description"), QStringLiteral("Détail"), QStringLiteral("Mots-clés")}, page);
    AANotebook2 = notebook(QStringLiteral("AANotebook2"), page);
    AANotebook2->addWidget(buildDescriptionPage());
    AANotebook2->addWidget(buildDetailPage());
    AANotebook2->addWidget(buildKeywordPage());
    left->addWidget(Tab_Contract);
    left->addWidget(AANotebook2, 1);

    auto* record = new QWidget(page);
    record->setObjectName(QStringLiteral("Pan_Record"));
    record->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    // The record and the pages and files share the width as the user draws the line between them.
    auto* splitter = new QSplitter(Qt::Horizontal, page);
    splitter->setObjectName(QStringLiteral("Splitter_General"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(record);
    splitter->addWidget(buildAttachmentPanel());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({420, 150});
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    return page;
}

QWidget* ContractEditor::buildDescriptionPage() {
    using Form = FieldBinding::Form;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_Description"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const auto label = [page](const char* name, const char* caption) {
        return fieldLabel(QString::fromLatin1(name), QString::fromUtf8(caption), page);
    };

    Ed_Designation = addEdit(QStringLiteral("Ed_Designation"), QStringLiteral("Title"));
    QToolButton* designation =
        addButton(QStringLiteral("Btn_Designation"), QStringLiteral("picklist"), QStringLiteral("Liste"));
    connect(designation, &QToolButton::clicked, this, [this] {
        runCommand(
            [this] { pickFrom(Ed_Designation, QStringLiteral("Title"), QStringLiteral("Contract_Title")); });
    });
    grid->addWidget(label("Lab_Designation", "Désignation"), 0, 0);
    grid->addWidget(row(page, Ed_Designation, {designation}), 0, 1, 1, 3);

    grid->addWidget(label("Lab_No", "N° du contrat"), 1, 0);
    grid->addWidget(addEdit(QStringLiteral("Ed_No"), QStringLiteral("NoContract")), 1, 1);
    grid->addWidget(label("Lab_Reference", "Référence"), 1, 2);
    grid->addWidget(addEdit(QStringLiteral("Ed_Reference"), QStringLiteral("Reference")), 1, 3);
    grid->addWidget(label("Lab_Code", "Code"), 2, 0);
    grid->addWidget(addEdit(QStringLiteral("Ed_Code"), QStringLiteral("Code")), 2, 1);

    QLineEdit* support = addEdit(QStringLiteral("Ed_Support"), QStringLiteral("Support"), Form::Text, true);
    QToolButton* supportButton =
        addButton(QStringLiteral("Btn_Support"), QStringLiteral("picklist"), QStringLiteral("Liste"));
    connect(supportButton, &QToolButton::clicked, this, [this, support] {
        runCommand([this, support] {
            pickFrom(support, QStringLiteral("Support"), QStringLiteral("Contract_Support"));
        });
    });
    grid->addWidget(label("Lab_Support", "Support"), 2, 2);
    grid->addWidget(row(page, support, {supportButton}), 2, 3);

    const struct {
        const char *edit, *button, *label, *caption, *field;
    } dates[] = {{"Ed_Date_Sign", "Btn_Date_Sign", "Lab_Date_Sign", "Date (signature)", "Date_Sign"},
                 {"Ed_Date_Start", "Btn_Date_Start", "Lab_Date_Start", "Date (effet)", "Date_Start"},
                 {"Ed_Date_Term", "Btn_Date_Term", "Lab_Date_Term", "Date (échéance)", "Date_Term"}};
    int line = 3;
    for (const auto& date : dates) {
        const QString field = QString::fromLatin1(date.field);
        QLineEdit* edit = addEdit(QString::fromLatin1(date.edit), field, Form::Date);
        QToolButton* button =
            addButton(QString::fromLatin1(date.button), QStringLiteral("date"), QStringLiteral("Calendrier"));
        connect(button, &QToolButton::clicked, this,
                [this, edit, field] { runCommand([this, edit, field] { pickDate(edit, field); }); });
        OnEnterKey(edit, [button] { button->click(); });
        grid->addWidget(label(date.label, date.caption), line, 0);
        grid->addWidget(row(page, edit, {button}), line++, 1);
    }

    const struct {
        const char *edit, *inc, *dec, *label, *caption, *field;
    } counts[] = {{"Ed_Length", "Btn_Length_Inc", "Btn_Length_Dec", "Lab_Length", "Durée (mois)", "Length"},
                  {"Ed_Alarm", "Btn_Alarm_Inc", "Btn_Alarm_Dec", "Lab_Alarm", "Alerte (mois)", "Alarm"}};
    line = 3;
    for (const auto& count : counts) {
        const QString field = QString::fromLatin1(count.field);
        QLineEdit* edit = addEdit(QString::fromLatin1(count.edit), field, Form::Number);
        QToolButton* inc =
            addButton(QString::fromLatin1(count.inc), QStringLiteral("inc"), QStringLiteral("Augmenter"));
        QToolButton* dec =
            addButton(QString::fromLatin1(count.dec), QStringLiteral("dec"), QStringLiteral("Diminuer"));
        connect(inc, &QToolButton::clicked, this,
                [this, field] { runCommand([this, field] { stepCount(field, true); }); });
        connect(dec, &QToolButton::clicked, this,
                [this, field] { runCommand([this, field] { stepCount(field, false); }); });
        grid->addWidget(label(count.label, count.caption), line, 2);
        grid->addWidget(row(page, edit, {inc, dec}), line++, 3);
    }
    grid->addWidget(label("Lab_AnnualCost", "Montant annuel"), line, 2);
    grid->addWidget(addEdit(QStringLiteral("Ed_AnnualCost"), QStringLiteral("AnnualCost"), Form::Amount),
                    line, 3);

    auto* tacit = new QCheckBox(QStringLiteral("Tacite reconduction"), page);
    tacit->setObjectName(QStringLiteral("Check_TacitRenewal"));
    m_binding->bind(tacit, QStringLiteral("TacitRenewal"));
    grid->addWidget(tacit, 6, 1, 1, 3);

    // Renewal is kept and shown nowhere for now: its controls exist, hidden.
    QLineEdit* renewal = addEdit(QStringLiteral("Ed_Renewal"), QStringLiteral("Renewal"), Form::Text, true);
    QToolButton* renewalButton =
        addButton(QStringLiteral("Btn_Renewal"), QStringLiteral("picklist"), QStringLiteral("Liste"));
    connect(renewalButton, &QToolButton::clicked, this, [this, renewal] {
        runCommand([this, renewal] {
            pickFrom(renewal, QStringLiteral("Renewal"), QStringLiteral("Contract_Renewal"));
        });
    });
    QLabel* renewalLabel = label("Lab_Renewal", "Renouvellement");
    grid->addWidget(renewalLabel, 9, 0);
    grid->addWidget(row(page, renewal, {renewalButton}), 9, 1, 1, 3);
    for (QWidget* hidden : {static_cast<QWidget*>(renewal), static_cast<QWidget*>(renewalButton),
                            static_cast<QWidget*>(renewalLabel)})
        hidden->hide();

    Ed_Category = addEdit(QStringLiteral("Ed_Category"), QStringLiteral("Category"), Form::Text, true);
    QToolButton* selectCategory =
        addButton(QStringLiteral("Btn_Select_Category"), QStringLiteral("select_category"),
                  QStringLiteral("Sélectionner une catégorie"));
    selectCategory->hide(); // the category selection dialog is not part of this program yet
    QToolButton* deleteCategory =
        addButton(QStringLiteral("Btn_Delete_Category"), QStringLiteral("delete_category"),
                  QStringLiteral("Supprimer la catégorie"));
    connect(deleteCategory, &QToolButton::clicked, this,
            [this] { runCommand([this] { removeCategory(); }); });
    OnEnterKey(Ed_Category, [selectCategory] { selectCategory->click(); });
    grid->addWidget(label("Lab_Category", "Catégorie"), 7, 0);
    grid->addWidget(row(page, Ed_Category, {selectCategory, deleteCategory}), 7, 1, 1, 3);

    OnEnterKey(Ed_Designation, [designation] { designation->click(); });
    OnEnterKey(support, [supportButton] { supportButton->click(); });
    OnEnterKey(renewal, [renewalButton] { renewalButton->click(); });

    // The parties of the contract.
    auto* parties = new QHBoxLayout;
    const struct {
        const char *grid, *label, *caption;
    } partyGrids[] = {{"Grid_PeopleList", "Lab_PeopleList", "Personnes physiques"},
                      {"Grid_CompanyList", "Lab_CompanyList", "Personnes morales"}};
    for (const auto& party : partyGrids) {
        auto* column = new QVBoxLayout;
        column->addWidget(label(party.label, party.caption));
        QTableWidget* list = emptyGrid(QString::fromLatin1(party.grid), {QString()}, page);
        list->horizontalHeader()->hide();
        column->addWidget(list, 1);
        parties->addLayout(column);
    }
    grid->addLayout(parties, 8, 0, 1, 4);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    return page;
}

QWidget* ContractEditor::buildDetailPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_Detail"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    Ed_Location =
        addEdit(QStringLiteral("Ed_Location"), QStringLiteral("Location"), FieldBinding::Form::Text, true);
    QToolButton* selectLocation =
        addButton(QStringLiteral("Btn_Select_Location"), QStringLiteral("select_location"),
                  QStringLiteral("Sélectionner une localisation"));
    selectLocation->hide(); // the location selection dialog is not part of this program yet
    QToolButton* deleteLocation =
        addButton(QStringLiteral("Btn_Delete_Location"), QStringLiteral("delete_location"),
                  QStringLiteral("Supprimer la localisation"));
    connect(deleteLocation, &QToolButton::clicked, this,
            [this] { runCommand([this] { removeLocation(); }); });
    OnEnterKey(Ed_Location, [selectLocation] { selectLocation->click(); });
    grid->addWidget(fieldLabel(QStringLiteral("Lab_Location"), QStringLiteral("Localisation"), page), 0, 0);
    grid->addWidget(row(page, Ed_Location, {selectLocation, deleteLocation}), 0, 1);

    auto* detail = new QPlainTextEdit(page);
    detail->setObjectName(QStringLiteral("Ed_Doc_Detail"));
    m_binding->bind(detail, QStringLiteral("Detail"));
    grid->addWidget(fieldLabel(QStringLiteral("Lab_Doc_Detail"), QStringLiteral("Détails"), page), 1, 0,
                    Qt::AlignTop);
    grid->addWidget(detail, 1, 1);

    auto* remark = new QPlainTextEdit(page);
    remark->setObjectName(QStringLiteral("Memo_Remark1"));
    m_binding->bind(remark, QStringLiteral("Remark1"));
    QLabel* remarkLabel = fieldLabel(QStringLiteral("Lab_Remark1"), QStringLiteral("Remarques"), page);
    grid->addWidget(remarkLabel, 2, 0, Qt::AlignTop);
    grid->addWidget(remark, 2, 1);
    remark->hide();
    remarkLabel->hide();
    grid->setRowStretch(1, 1);
    return page;
}

QWidget* ContractEditor::buildKeywordPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_Keyword"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(fieldLabel(QStringLiteral("Lab_Keyword"), QStringLiteral("Mots clés"), page));
    auto* keywords = new QPlainTextEdit(page);
    keywords->setObjectName(QStringLiteral("Memo_Keyword"));
    m_binding->bind(keywords, QStringLiteral("Keyword"));
    layout->addWidget(keywords, 1);
    return page;
}

QWidget* ContractEditor::buildAttachmentPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Pan_Img_File"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Tab_Img_File =
        tabs(QStringLiteral("Tab_Img_File"), {QStringLiteral("Images"), QStringLiteral("Fichiers")}, panel);
    AANotebook3 = notebook(QStringLiteral("AANotebook3"), panel);
    auto* images = new QListWidget(AANotebook3);
    images->setObjectName(QStringLiteral("ListView_Document_Img"));
    images->setViewMode(QListView::IconMode);
    images->setIconSize(QSize(165, 165));
    images->setResizeMode(QListView::Adjust);
    AANotebook3->addWidget(images);
    QTableWidget* files = emptyGrid(
        QStringLiteral("Grid_Document_File"),
        {QStringLiteral(" "), QStringLiteral("Nom"), QStringLiteral("Type"), QStringLiteral("Taille")},
        AANotebook3);
    files->setColumnWidth(0, 22);
    AANotebook3->addWidget(files);
    layout->addWidget(Tab_Img_File);
    layout->addWidget(AANotebook3, 1);
    panel->setMinimumWidth(130);
    return panel;
}

QWidget* ContractEditor::buildCustomPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_Custom"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(4);
    for (int number = 1; number <= 12; ++number) {
        const QString suffix = twoDigits(number);
        QLabel* label =
            fieldLabel(QStringLiteral("Lab_Misc") + suffix, contracts::DefaultLabelCaption(number), page);
        label->setToolTip(QStringLiteral("Double-cliquez\npour modifier"));
        OnDoubleClick(label, [this, number] { runCommand([this, number] { renameLabel(number); }); });
        Lab_Misc[static_cast<size_t>(number - 1)] = label;
        const QString field = QStringLiteral("Misc") + suffix;
        if (number <= 10) {
            QLineEdit* edit = addEdit(QStringLiteral("Ed_Misc") + suffix, field);
            QToolButton* button = addButton(QStringLiteral("Btn_Misc") + suffix, QStringLiteral("picklist"),
                                            QStringLiteral("Liste"));
            // The list's number is the last two characters of the button's name.
            const QString column = QStringLiteral("Contract_Misc") + button->objectName().right(2);
            connect(button, &QToolButton::clicked, this, [this, edit, field, column] {
                runCommand([=, this] { pickFrom(edit, field, column); });
            });
            OnEnterKey(edit, [button] { button->click(); });
            grid->addWidget(label, number - 1, 0);
            grid->addWidget(row(page, edit, {button}), number - 1, 1);
        } else {
            auto* memo = new QPlainTextEdit(page);
            memo->setObjectName(QStringLiteral("Memo_Divers") + suffix);
            m_binding->bind(memo, field);
            grid->addWidget(label, number - 1, 0, Qt::AlignTop);
            grid->addWidget(memo, number - 1, 1);
            grid->setRowStretch(number - 1, 1);
        }
    }
    return page;
}

QWidget* ContractEditor::buildEventPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_Event"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    QTableWidget* events = emptyGrid(QStringLiteral("Grid_Event"),
                                     {QStringLiteral("Date"), QStringLiteral("Description")}, page);
    events->setColumnWidth(0, 90);
    layout->addWidget(events, 1);
    return page;
}

// ---------------------------------------------------------------- showing

void ContractEditor::setHeading() {
    const QString caption = db::ContractCaption(contract(), QStringLiteral("("), QStringLiteral(")"));
    Lab_Title_Mat->setText(caption.isEmpty() ? QStringLiteral("Contrat")
                                             : QStringLiteral("Contrat ") + caption);
    Lab_Title_Mat->setToolTip(Lab_Title_Mat->text());
}

void ContractEditor::showContract() {
    setHeading();
    m_binding->showRow();
}

bool ContractEditor::commitPending() {
    return m_binding->commitPending();
}

void ContractEditor::cancelEdit() {
    m_binding->discardPending();
    if (db::dataModule1())
        contract().cancel();
    emit commandsChanged();
}

void ContractEditor::showFirstPages() {
    for (QTabBar* bar : {Tab_Main, Tab_Contract, Tab_Img_File})
        bar->setCurrentIndex(0);
    for (QStackedWidget* book : {AANotebook1, AANotebook2, AANotebook3})
        book->setCurrentIndex(0);
}

void ContractEditor::setCustomLabels(const QStringList& captions) {
    for (int i = 0; i < static_cast<int>(Lab_Misc.size()); ++i)
        Lab_Misc[static_cast<size_t>(i)]->setText(
            i < captions.size() ? captions[i] : contracts::DefaultLabelCaption(i + 1));
}

void ContractEditor::stateShown(const QString& state) {
    AquaImage_Status->setState(state);
    if (m_notedState.isEmpty() || m_notedState == state)
        return;
    // The state changed through the state list: the contract moves to its new state's node.
    db::Dataset& rows = contract();
    const qint64 id = rows.currentKey();
    m_tree.RemoveContractNodes(QStringLiteral("contract"), QStringLiteral("state"), id);
    m_tree.InsertContractNode(
        QStringLiteral("state"),
        contracts::StateTopCaption + QLatin1Char('/') + contracts::StateDisplayName(state), id,
        contracts::ContractNodeCaption(rows.text(QStringLiteral("Title")),
                                       rows.text(QStringLiteral("NoContract")), state));
    m_notedState.clear();
}

// ---------------------------------------------------------------- commands

void ContractEditor::runCommand(const std::function<void()>& command) {
    try {
        if (m_binding->commitPending())
            command();
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
    }
    emit commandsChanged();
}

void ContractEditor::pickFrom(QLineEdit* edit, const QString& field, const QString& comboColumn) {
    if (!m_binding->hasRow())
        return;
    ShowPickList(edit, true, {}, &contract(), field, comboColumn);
}

void ContractEditor::pickState() {
    if (!m_binding->hasRow())
        return;
    m_notedState = contract().text(QStringLiteral("State")).left(255);
    ShowPickList(Ed_State, false, contracts::StateItems(), &contract(), QStringLiteral("State"), QString(),
                 QColor(Qt::white));
}

void ContractEditor::pickDate(QLineEdit* edit, const QString& field) {
    if (m_binding->hasRow())
        ShowDatePicker(edit, &contract(), field);
}

void ContractEditor::stepCount(const QString& field, bool up) {
    db::Dataset& rows = contract();
    if (!m_binding->hasRow())
        return;
    db::EditIfBrowsing(rows);
    const QVariant value = rows.value(field);
    rows.setValue(field, up ? contracts::IncrementedCount(value) : contracts::DecrementedCount(value));
}

void ContractEditor::removeCategory() {
    db::Dataset& rows = contract();
    if (!m_binding->hasRow() ||
        !app::dialogs().confirm(QStringLiteral("Désirez-vous supprimer le dossier sélectionné ?")))
        return;
    m_tree.RemoveContractNodes(QStringLiteral("contract"), QStringLiteral("category"), rows.currentKey());
    db::EditIfBrowsing(rows);
    rows.setValue(QStringLiteral("Category"), QString());
    rows.post();
}

void ContractEditor::removeLocation() {
    db::Dataset& rows = contract();
    if (!m_binding->hasRow() ||
        !app::dialogs().confirm(QStringLiteral("Désirez-vous supprimer la localisation ?")))
        return;
    m_tree.RemoveContractNodes(QStringLiteral("contract"), QStringLiteral("location"), rows.currentKey());
    db::EditIfBrowsing(rows);
    rows.setValue(QStringLiteral("Location"), QString());
    db::PostIfEditing(rows);
}

void ContractEditor::renameLabel(int number) {
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
