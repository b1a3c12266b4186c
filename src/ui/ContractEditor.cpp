#include "ui/ContractEditor.h"

#include "app/AppError.h"
#include "app/UserDialogs.h"
#include "contracts/NavigationRules.h"
#include "contracts/RecordEditing.h"
#include "db/TDataModule1.h"
#include "ui/CustomFieldsPage.h"
#include "ui/DescriptionPage.h"
#include "ui/NavigationTree.h"
#include "ui/PickList.h"
#include "ui/StateBadge.h"

#include <QGridLayout>
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

} // namespace

ContractEditor::ContractEditor(NavigationTree& tree, QWidget* parent) : QWidget(parent), m_tree(tree) {
    setObjectName(QStringLiteral("Pan_Contract"));
    m_binding = new FieldBinding(contract(), this);
    m_run = [this](const std::function<void()>& command) { runCommand(command); };

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
    custom = new CustomFieldsPage(*m_binding, m_run, AANotebook1);
    AANotebook1->addWidget(custom);
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
    Ed_State = m_binding->newEdit(state, QStringLiteral("Ed_State"), QStringLiteral("State"),
                                  FieldBinding::Form::Text, true);
    Ed_State->setFixedWidth(72);
    AquaImage_Status = new StateBadge(state);
    AquaImage_Status->setFixedSize(AquaImage_Status->sizeHint());
    Btn_State = CommandButton(state, QStringLiteral("Btn_State"), QStringLiteral("state"),
                              QStringLiteral("Etat du contrat"));
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
    auto* record = new QWidget(page);
    record->setObjectName(QStringLiteral("Pan_Record"));
    Tab_Contract =
        tabs(QStringLiteral("Tab_Contract"),
             {QStringLiteral("Description"), QStringLiteral("Détail"), QStringLiteral("Mots-clés")}, record);
    AANotebook2 = notebook(QStringLiteral("AANotebook2"), record);
    description = new DescriptionPage(*m_binding, m_tree, m_run, AANotebook2);
    Ed_Designation = description->Ed_Designation;
    AANotebook2->addWidget(description);
    AANotebook2->addWidget(buildDetailPage());
    AANotebook2->addWidget(buildKeywordPage());
    auto* left = new QVBoxLayout(record);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(Tab_Contract);
    left->addWidget(AANotebook2, 1);

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

QWidget* ContractEditor::buildDetailPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_Detail"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    Ed_Location = m_binding->newEdit(page, QStringLiteral("Ed_Location"), QStringLiteral("Location"),
                                     FieldBinding::Form::Text, true);
    QToolButton* select =
        CommandButton(page, QStringLiteral("Btn_Select_Location"), QStringLiteral("select_location"),
                      QStringLiteral("Sélectionner une localisation"));
    select->hide(); // the location selection dialog is not part of this program yet
    QToolButton* remove =
        CommandButton(page, QStringLiteral("Btn_Delete_Location"), QStringLiteral("delete_location"),
                      QStringLiteral("Supprimer la localisation"));
    connect(remove, &QToolButton::clicked, this, [this] { runCommand([this] { removeLocation(); }); });
    OnEnterKey(Ed_Location, [select] { select->click(); });
    grid->addWidget(FieldLabel(page, QStringLiteral("Lab_Location"), QStringLiteral("Localisation")), 0, 0);
    grid->addWidget(EditWithButtons(page, Ed_Location, {select, remove}), 0, 1);

    auto* detail = new QPlainTextEdit(page);
    detail->setObjectName(QStringLiteral("Ed_Doc_Detail"));
    m_binding->bind(detail, QStringLiteral("Detail"));
    grid->addWidget(FieldLabel(page, QStringLiteral("Lab_Doc_Detail"), QStringLiteral("Détails")), 1, 0,
                    Qt::AlignTop);
    grid->addWidget(detail, 1, 1);

    // Remark1 has its place on this page, hidden.
    auto* remark = new QPlainTextEdit(page);
    remark->setObjectName(QStringLiteral("Memo_Remark1"));
    m_binding->bind(remark, QStringLiteral("Remark1"));
    QLabel* remarkLabel = FieldLabel(page, QStringLiteral("Lab_Remark1"), QStringLiteral("Remarques"));
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
    layout->addWidget(FieldLabel(page, QStringLiteral("Lab_Keyword"), QStringLiteral("Mots clés")));
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
    // Both tabs stay in sight: the panel is never narrower than they are.
    Tab_Img_File->setUsesScrollButtons(false);
    AANotebook3 = notebook(QStringLiteral("AANotebook3"), panel);
    auto* images = new QListWidget(AANotebook3);
    images->setObjectName(QStringLiteral("ListView_Document_Img"));
    images->setViewMode(QListView::IconMode);
    images->setIconSize(QSize(165, 165));
    images->setResizeMode(QListView::Adjust);
    AANotebook3->addWidget(images);
    QTableWidget* files = EmptyGrid(
        AANotebook3, QStringLiteral("Grid_Document_File"),
        {QStringLiteral(" "), QStringLiteral("Nom"), QStringLiteral("Type"), QStringLiteral("Taille")});
    files->setColumnWidth(0, 22);
    AANotebook3->addWidget(files);
    layout->addWidget(Tab_Img_File);
    layout->addWidget(AANotebook3, 1);
    return panel;
}

QWidget* ContractEditor::buildEventPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Page_Event"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    QTableWidget* events = EmptyGrid(page, QStringLiteral("Grid_Event"),
                                     {QStringLiteral("Date"), QStringLiteral("Description")});
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
    custom->setLabels(captions);
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

void ContractEditor::pickState() {
    if (!m_binding->hasRow())
        return;
    m_notedState = contract().text(QStringLiteral("State")).left(255);
    ShowPickList(Ed_State, false, contracts::StateItems(), &contract(), QStringLiteral("State"), QString(),
                 QColor(Qt::white));
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

} // namespace ui
