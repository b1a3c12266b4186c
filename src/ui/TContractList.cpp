#include "ui/TContractList.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/UserDialogs.h"
#include "contracts/RecordEditing.h"
#include "contracts/SortOrder.h"
#include "db/TDataModule1.h"
#include "ui/DialogParts.h"
#include "ui/PrepareForm.h"
#include "ui/TSortList.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSizeGrip>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

const QString DefaultOrder = QStringLiteral("Contract.Id");

struct Column {
    const char* caption;
    const char* field;
    int width; // in characters; 0: as wide as the caption
};

const Column Columns[] = {{"Statut", "State", 8},
                          {"Désignation", "Title", 25},
                          {"N° de contrat", "NoContract", 15},
                          {"Référence", "Reference", 15},
                          {"Signature", "Date_Sign", 10},
                          {"Début", "Date_Start", 10},
                          {"Echéance", "Date_Term", 10},
                          {"Durée", "Length", 5},
                          {"Alarme", "Alarm", 5},
                          {"Coût annuel", "AnnualCost", 12},
                          {"Support", "Support", 20},
                          {"Tacite reconduction", "TacitRenewal", 0},
                          {"Catégorie", "Category", 50},
                          {"Localisation", "Location", 50}};
constexpr int ColumnCount = int(std::size(Columns));

QStringList listSql() {
    return {QStringLiteral("SELECT *"), QStringLiteral("FROM CONTRACT"), QStringLiteral("WHERE ID=-1"),
            QStringLiteral("ORDER BY CONTRACT.Title")};
}

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

db::SqliteConnection& mainConnection() {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        throw app::AppError(QStringLiteral("La base de données n'est pas ouverte."));
    return module->connection();
}

} // namespace

// The grid's rows are the rows of the list dataset, read as they are shown.
class TContractList::Model : public QAbstractTableModel {
  public:
    explicit Model(db::Dataset& list, QObject* parent) : QAbstractTableModel(parent), m_list(list) {}

    void reset() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_list.isOpen() ? 0 : m_list.recordCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
            return QString::fromUtf8(Columns[section].caption);
        return {};
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const QString field = QLatin1String(Columns[index.column()].field);
        const bool isCheck = field == QLatin1String("TacitRenewal");
        const bool isAmount = field == QLatin1String("AnnualCost");
        if (role == Qt::TextAlignmentRole && isAmount)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && !(role == Qt::CheckStateRole && isCheck))
            return {};
        if (m_list.recNo() != index.row())
            m_list.moveTo(index.row());
        if (isCheck)
            return role == Qt::CheckStateRole ? QVariant(m_list.boolean(field) ? Qt::Checked : Qt::Unchecked)
                                              : QVariant();
        if (isAmount)
            return m_list.isNull(field) ? QString() : contracts::AmountText(m_list.number(field));
        return m_list.text(field);
    }

  private:
    db::Dataset& m_list;
};

TContractList::TContractList(const QString& title, const QString& whereLine, QWidget* parent)
    : QDialog(parent), m_list(mainConnection(), QStringLiteral("ContractList"), listSql()) {
    setObjectName(QStringLiteral("ContractList"));

    auto* titleBar = MakeTitleBar(this, title, Title);

    m_model = new Model(m_list, this);
    Grid_List = new QTableView(this);
    Grid_List->setObjectName(QStringLiteral("Grid_List"));
    Grid_List->setModel(m_model);
    Grid_List->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid_List->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid_List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid_List->verticalHeader()->setDefaultSectionSize(Grid_List->fontMetrics().height() + 6);
    Grid_List->verticalHeader()->hide();
    Grid_List->setMinimumSize(600, 300);
    // Widths in characters, counted as digits (dates and amounts fill them), never narrower than the
    // column's caption.
    const QFontMetrics metrics = Grid_List->fontMetrics();
    QFont headerFont = Grid_List->horizontalHeader()->font();
    headerFont.setBold(true); // as some styles draw captions
    const QFontMetrics header(headerFont);
    for (int column = 0; column < ColumnCount; ++column) {
        const int text = Columns[column].width * metrics.horizontalAdvance(QLatin1Char('0'));
        const int caption = header.horizontalAdvance(QString::fromUtf8(Columns[column].caption));
        Grid_List->setColumnWidth(column, std::max(text, caption) + 16);
    }

    Btn_Ok = new QPushButton(QStringLiteral(" &Ok"), this);
    Btn_Ok->setObjectName(QStringLiteral("Btn_Ok"));
    Btn_Ok->setDefault(true);
    Btn_Sort = new QPushButton(QStringLiteral(" &Trier"), this);
    Btn_Sort->setObjectName(QStringLiteral("Btn_Sort"));
    Btn_Cancel = new QPushButton(QStringLiteral(" &Annuler"), this);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Sort, &QPushButton::clicked, this, &TContractList::sort);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Grid_List, &QTableView::doubleClicked, this, [this] {
        if (Btn_Ok->isEnabled())
            Btn_Ok->click();
    });

    auto* grip = new QSizeGrip(this);
    grip->setObjectName(QStringLiteral("RezisePad"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Btn_Sort);
    buttons->addStretch(1);
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Cancel);
    buttons->addWidget(grip, 0, Qt::AlignBottom | Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(Grid_List, 1);
    layout->addLayout(buttons);

    m_list.replaceSqlLine(QStringLiteral("WHERE"), whereLine);
    reload(false);
    PrepareForm(this);
    resize(960, 480);
}

TContractList::~TContractList() {
    m_list.close();
}

void TContractList::reload(bool keepOrder) {
    const qint64 current = chosenId();
    try {
        if (keepOrder)
            contracts::ApplySortOrder(m_list, DefaultOrder);
        else
            contracts::OpenWithSortOrder(m_list, DefaultOrder);
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
    }
    m_model->reset();
    const int count = m_model->rowCount();
    Btn_Ok->setEnabled(count > 0);
    if (count == 0)
        return;
    int row = 0;
    if (current >= 0 && m_list.locate(QStringLiteral("Id"), current))
        row = m_list.recNo();
    Grid_List->selectRow(row);
    Grid_List->scrollTo(m_model->index(row, 0));
}

void TContractList::sort() {
    if (ChooseSortOrder(this))
        reload(true);
}

qint64 TContractList::chosenId() {
    if (!m_list.isOpen() || !Grid_List)
        return -1;
    const QModelIndexList rows = Grid_List->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    // The grid reads the dataset row by row: its current row is wherever painting left it.
    m_list.moveTo(rows.front().row());
    return m_list.integer(QStringLiteral("Id"));
}

void ShowContractList(QWidget* parent, const QString& title, const QString& whereLine) {
    qint64 chosen = -1;
    bool confirmed = false;
    try {
        TContractList window(title, whereLine, parent);
        confirmed = window.exec() == QDialog::Accepted;
        chosen = confirmed ? window.chosenId() : -1;
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
    }

    db::TDataModule1* module = db::dataModule1();
    if (!module || !module->Contract.isOpen())
        return;
    QString failure;
    bool found = false;
    bool located = false;
    {
        WaitCursor wait;
        try {
            // The list may have changed the order; reopening also forgets contracts deleted meanwhile.
            contracts::ApplySortOrder(module->Contract, DefaultOrder);
        } catch (const app::AppError& error) {
            failure = error.text();
        }
        try {
            if (confirmed && chosen >= 0) {
                found = module->Contract.locate(QStringLiteral("Id"), chosen);
                located = true;
            }
        } catch (const app::AppError& error) {
            failure = error.text();
        }
    }
    if (!failure.isEmpty())
        app::dialogs().message(app::MessageKind::Error, failure);
    if (located && !found)
        app::dialogs().message(app::MessageKind::Information,
                               QStringLiteral("L'enregistrement a été supprimé."));
}

void ShowAllContracts(QWidget* parent) {
    ShowContractList(parent, QStringLiteral(" Liste de tous les contrats"),
                     QStringLiteral("WHERE Id_File=") + QString::number(app::globals().currentDossierId));
}

} // namespace ui
