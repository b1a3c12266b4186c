#include "ui/NavigationTree.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "app/UserDialogs.h"
#include "contracts/NavigationRules.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"
#include "ui/Icons.h"

#include <QApplication>
#include <QBuffer>
#include <QMenu>
#include <QSet>
#include <QTreeWidgetItemIterator>

namespace ui {

namespace {

// Image indexes of the tree's fixed image list.
enum TreeImageIndex {
    CategorySelectedImage = 0,
    CategoryImage = 1,
    AllContractsImage = 2,
    ContractImage = 3,
    PeopleTopImage = 4,
    PersonImage = 5,
    CompaniesTopImage = 6,
    CompanyImage = 7,
    StateTopImage = 21,
    ProjectImage = 22,
    SignedImage = 23,
    ArchivedImage = 24,
    // The globe of the locations' top row, stored with the row when the tree is created, and shown
    // for a top row whose own icon is missing or unreadable (LocationImage for the others).
    LocationsGlobeImage = 8,
    LocationImage = 9
};

QIcon categoryIcon() {
    QIcon icon;
    icon.addPixmap(TreeImage(CategoryImage).pixmap(16, 16), QIcon::Normal);
    icon.addPixmap(TreeImage(CategorySelectedImage).pixmap(16, 16), QIcon::Selected);
    return icon;
}

QByteArray pngBytes(const QIcon& icon) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.pixmap(16, 16).save(&buffer, "PNG");
    return bytes;
}

// Holds the hourglass for the time of a scope.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// Suspends the tree's painting for the time of a scope, errors included.
struct PaintingSuspended {
    explicit PaintingSuspended(QWidget* widget) : m_widget(widget) { m_widget->setUpdatesEnabled(false); }
    ~PaintingSuspended() { m_widget->setUpdatesEnabled(true); }
    QWidget* m_widget;
};

// A node of the tree with its row Id and kind held as plain members: a dossier's tree has tens of
// thousands of nodes, built in one go.
class NavigationNode : public QTreeWidgetItem {
  public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;

    NavigationNode(const QString& caption, const QString& kind, qint64 id, const QIcon& icon)
        : QTreeWidgetItem(Type), m_id(id), m_kind(kind), m_icon(icon) {
        setText(0, caption);
    }

    qint64 id() const { return m_id; }
    const QString& kind() const { return m_kind; }

    QVariant data(int column, int role) const override {
        if (column == 0) {
            if (role == NavigationTree::IdRole)
                return m_id;
            if (role == NavigationTree::KindRole)
                return m_kind;
            if (role == Qt::DecorationRole)
                return m_icon;
        }
        return QTreeWidgetItem::data(column, role);
    }

  private:
    qint64 m_id;
    QString m_kind;
    QIcon m_icon;
};

const NavigationNode* asNode(const QTreeWidgetItem* item) {
    return item && item->type() == NavigationNode::Type ? static_cast<const NavigationNode*>(item) : nullptr;
}

struct TreeRow {
    qint64 id;
    QString title;
    int level;
    QByteArray image;
};

} // namespace

NavigationTree::NavigationTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("Tree_Global"));
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));

    Popup_Tree = new QMenu(this);
    Popup_Tree->setObjectName(QStringLiteral("Popup_Tree"));
    Popup_Tree_Collapse = Popup_Tree->addAction(QStringLiteral("&Rétracter"));
    Popup_Tree_Collapse->setObjectName(QStringLiteral("Popup_Tree_Collapse"));
    Popup_Tree_Reset = Popup_Tree->addAction(QStringLiteral("Ré&initialiser"));
    Popup_Tree_Reset->setObjectName(QStringLiteral("Popup_Tree_Reset"));
    connect(Popup_Tree_Collapse, &QAction::triggered, this, &QTreeWidget::collapseAll);
    connect(Popup_Tree_Reset, &QAction::triggered, this, [this] {
        try {
            BuildNavigationTree();
        } catch (const app::AppError& error) {
            app::dialogs().message(app::MessageKind::Error, error.text());
        }
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { Popup_Tree->popup(viewport()->mapToGlobal(at)); });
}

db::TDataModule1& NavigationTree::module() const {
    db::TDataModule1* module = db::dataModule1();
    if (!module)
        throw app::AppError(QStringLiteral("La base de données n'est pas ouverte."));
    return *module;
}

qint64 NavigationTree::nodeId(const QTreeWidgetItem* node) {
    const NavigationNode* known = asNode(node);
    return known ? known->id() : -1;
}

QString NavigationTree::nodeKind(const QTreeWidgetItem* node) {
    const NavigationNode* known = asNode(node);
    return known ? known->kind() : QString();
}

QString NavigationTree::nodePath(const QTreeWidgetItem* node) {
    QStringList captions;
    for (; node; node = node->parent())
        captions.prepend(node->text(0));
    return captions.join(QLatin1Char('/'));
}

QTreeWidgetItem* NavigationTree::newNode(const QString& caption, const QString& kind, qint64 id,
                                         const QIcon& icon) const {
    return new NavigationNode(caption, kind, id, icon);
}

void NavigationTree::BuildNavigationTree() {
    const PaintingSuspended suspended(this);
    clear();
    const int dossier = app::globals().currentDossierId;
    addCategories(dossier);
    addParties(contracts::PeopleTopCaption, QStringLiteral("peoples"), PeopleTopImage,
               contracts::PeopleNodesStatement(), QStringLiteral("people"), PersonImage);
    addParties(contracts::CompaniesTopCaption, QStringLiteral("companies"), CompaniesTopImage,
               contracts::CompanyNodesStatement(), QStringLiteral("company"), CompanyImage);
    addLocations();
    addStates();
    addTopLevelItem(
        newNode(contracts::AllContractsCaption, QStringLiteral("all"), -1, TreeImage(AllContractsImage)));
}

namespace {

// Rows in NodePos order become nodes by their NodeLevel; a row that cannot be read is left out.
QList<TreeRow> readTreeRows(db::Dataset& rows, bool withImage) {
    QList<TreeRow> result;
    for (rows.first(); !rows.eof(); rows.next()) {
        try {
            TreeRow row{rows.currentKey(), rows.text(QStringLiteral("NodeTitle")),
                        static_cast<int>(rows.integer(QStringLiteral("NodeLevel"))), QByteArray()};
            if (withImage)
                row.image = rows.value(QStringLiteral("NodeImg")).toByteArray();
            result << row;
        } catch (const app::AppError&) {
        }
    }
    return result;
}

// The nodes of tree rows read in NodePos order, each placed under its parent by the level rule; returns the
// top nodes. iconOf(row, isTop) gives each node's icon.
template <typename IconOf>
QList<QTreeWidgetItem*> levelledNodes(const QList<TreeRow>& rows, const QString& kind, IconOf iconOf) {
    QList<int> levels;
    for (const TreeRow& row : rows)
        levels << row.level;
    const QList<int> parents = contracts::ParentsByLevelRule(levels);
    QList<QTreeWidgetItem*> nodes, tops;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem* node =
            new NavigationNode(rows[i].title, kind, rows[i].id, iconOf(rows[i], parents[i] < 0));
        nodes << node;
        if (parents[i] < 0)
            tops << node;
        else
            nodes[parents[i]]->addChild(node);
    }
    return tops;
}

} // namespace

void NavigationTree::addCategories(int dossierId) {
    db::Dataset& tree = module().Tree;
    tree.close();
    tree.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=%1").arg(dossierId));
    tree.open();
    const QList<TreeRow> rows = readTreeRows(tree, false);
    tree.close();

    const QIcon icon = categoryIcon();
    addTopLevelItems(
        levelledNodes(rows, QStringLiteral("category"), [&](const TreeRow&, bool) { return icon; }));
}

void NavigationTree::addParties(const QString& topCaption, const QString& topKind, int topImage,
                                const QString& statement, const QString& kind, int image) {
    QTreeWidgetItem* top = newNode(topCaption, topKind, -1, TreeImage(topImage));
    addTopLevelItem(top);
    db::SqliteStatement rows = module().connection().prepare(statement);
    const QIcon icon = TreeImage(image);
    QList<QTreeWidgetItem*> children;
    while (rows.step()) {
        // A link whose person or company is gone has nothing to show.
        if (rows.isNull(0))
            continue;
        children << newNode(rows.textValue(1), kind, rows.intValue(0), icon);
    }
    top->addChildren(children);
}

void NavigationTree::addLocations() {
    db::Dataset& locations = module().TreeLocation;
    locations.close();
    // The location tree is shared by every dossier.
    locations.replaceSqlLine(QStringLiteral("WHERE"), QStringLiteral("WHERE Id_File=-1"));
    locations.open();
    if (db::IsDatasetEmpty(locations)) {
        locations.append();
        locations.setValue(QStringLiteral("NodePos"), 0);
        locations.setValue(QStringLiteral("NodeLevel"), 0);
        locations.setValue(QStringLiteral("NodeTitle"), contracts::LocationsTopCaption);
        locations.setValue(QStringLiteral("NodeImg"), pngBytes(TreeImage(LocationsGlobeImage)));
        locations.post();
    }
    const QList<TreeRow> rows = readTreeRows(locations, true);
    locations.close();

    addTopLevelItems(levelledNodes(rows, QStringLiteral("location"), [](const TreeRow& row, bool top) {
        QPixmap picture;
        if (!row.image.isEmpty() && picture.loadFromData(row.image))
            return QIcon(picture);
        return TreeImage(top ? LocationsGlobeImage : LocationImage);
    }));
}

void NavigationTree::addStates() {
    const QString kind = QStringLiteral("state");
    QTreeWidgetItem* top = newNode(contracts::StateTopCaption, kind, -1, TreeImage(StateTopImage));
    addTopLevelItem(top);
    const struct {
        const char* word;
        int image;
    } states[] = {{"PROJET", ProjectImage}, {"SIGNE", SignedImage}, {"ARCHIVE", ArchivedImage}};
    for (const auto& state : states)
        top->addChild(newNode(contracts::StateDisplayName(QString::fromLatin1(state.word)), kind, -1,
                              TreeImage(state.image)));
}

void NavigationTree::LoadGroupingNode(QTreeWidgetItem* node) {
    if (!node || nodeKind(node) == QLatin1String("contract"))
        return;
    const QTreeWidgetItem* top = node;
    while (top->parent())
        top = top->parent();
    const QString path = nodePath(node);
    const QString below = node == top ? QString() : path.mid(top->text(0).size() + 1);
    const QString statement = contracts::GroupingStatement(nodeKind(node), top->text(0), below, nodeId(node),
                                                           app::globals().currentDossierId);
    if (statement.isEmpty())
        return;

    const WaitCursor waiting;
    db::SqliteStatement rows = module().connection().prepare(statement);
    QSet<qint64> present;
    for (int i = 0; i < node->childCount(); ++i)
        if (nodeKind(node->child(i)) == QLatin1String("contract"))
            present.insert(nodeId(node->child(i)));
    const QIcon icon = TreeImage(ContractImage);
    const QString contract = QStringLiteral("contract");
    QList<QTreeWidgetItem*> children;
    while (rows.step()) {
        const qint64 id = rows.intValue(0);
        if (present.contains(id))
            continue;
        present.insert(id);
        children << newNode(
            contracts::ContractNodeCaption(rows.textValue(2), rows.textValue(3), rows.textValue(4)), contract,
            id, icon);
    }
    node->addChildren(children);
    if (node->childCount() > 0)
        node->setExpanded(true);
}

QList<QTreeWidgetItem*> NavigationTree::allNodes() const {
    QList<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(const_cast<NavigationTree*>(this)); *it; ++it)
        nodes << *it;
    return nodes;
}

void NavigationTree::RemoveContractNodes(const QString& kind, const QString& parentKind, qint64 id) {
    QList<QTreeWidgetItem*> doomed;
    for (QTreeWidgetItem* node : allNodes()) {
        QTreeWidgetItem* parent = node->parent();
        if (parent && nodeId(node) == id && nodeKind(node) == kind &&
            (parentKind.isEmpty() || nodeKind(parent) == parentKind))
            doomed << node;
    }
    // Deepest first, so that no node is deleted twice through an ancestor.
    for (auto it = doomed.crbegin(); it != doomed.crend(); ++it)
        delete *it;
}

void NavigationTree::InsertContractNode(const QString& kind, const QString& path, qint64 id,
                                        const QString& caption) {
    for (QTreeWidgetItem* node : allNodes()) {
        if (nodeKind(node) != kind || !node->isExpanded() || nodePath(node) != path)
            continue;
        QTreeWidgetItem* child = newNode(caption, QStringLiteral("contract"), id, TreeImage(ContractImage));
        node->addChild(child);
        setCurrentItem(child);
        return;
    }
}

void NavigationTree::RecaptionContractNodes(const QString& caption, qint64 id) {
    for (QTreeWidgetItem* node : allNodes())
        if (nodeId(node) == id && nodeKind(node) == QLatin1String("contract"))
            node->setText(0, caption);
}

void NavigationTree::RecaptionNodes(const QString& kind) {
    QList<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItem* node : allNodes())
        if (nodeKind(node) == kind)
            nodes << node;
    // Deepest first: a deleted node takes its descendants along, and they have been seen already.
    for (auto it = nodes.crbegin(); it != nodes.crend(); ++it) {
        const QString statement = contracts::RecaptionStatement(kind, nodeId(*it));
        if (statement.isEmpty())
            return;
        db::SqliteStatement row = module().connection().prepare(statement);
        if (row.step())
            (*it)->setText(0, row.textValue(0));
        else
            delete *it;
    }
}

qint64 NavigationTree::selectedContract() const {
    const QTreeWidgetItem* node = currentItem();
    return node && node->isSelected() && nodeKind(node) == QLatin1String("contract") ? nodeId(node) : -1;
}

void NavigationTree::keyReleaseEvent(QKeyEvent* event) {
    QTreeWidget::keyReleaseEvent(event);
    emit keyboardMoved();
}

} // namespace ui
