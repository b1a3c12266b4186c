#pragma once

#include <QTreeWidget>

class QMenu;

namespace db {
class SqliteConnection;
class TDataModule1;
} // namespace db

namespace ui {

// The navigation tree Tree_Global: the dossier's contracts by category, person, company, location and
// state, and all of them. Grouping nodes list their contracts when clicked; contract nodes carry the
// contract's Id. Every node holds its row Id (-1 for fixed nodes) and its kind ("category", "peoples",
// "people", "companies", "company", "location", "state", "all", "contract").
class NavigationTree : public QTreeWidget {
    Q_OBJECT
  public:
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int KindRole = Qt::UserRole + 1;

    explicit NavigationTree(QWidget* parent = nullptr);

    // Rebuilds the tree of the open dossier (globals().currentDossierId).
    void BuildNavigationTree();
    // Lists the contracts of a grouping node below it (never twice the same), then expands it.
    void LoadGroupingNode(QTreeWidgetItem* node);
    // Deletes every contract-level node of that kind and id; with a parent kind, only those under a node
    // of that kind.
    void RemoveContractNodes(const QString& kind, const QString& parentKind, qint64 id);
    // Adds a contract node under the first expanded node of that kind whose path is the given one, and
    // selects it; nothing when there is no such node.
    void InsertContractNode(const QString& kind, const QString& path, qint64 id, const QString& caption);
    void RecaptionContractNodes(const QString& caption, qint64 id);
    // Re-reads the caption of every node of a kind ("company", "people", "category", "location"); a node
    // whose row is gone is deleted.
    void RecaptionNodes(const QString& kind);

    // The Id of the selected node when it is a contract node, else -1.
    qint64 selectedContract() const;

    static qint64 nodeId(const QTreeWidgetItem* node);
    static QString nodeKind(const QTreeWidgetItem* node);
    // Captions from the top node down to the node, joined with "/".
    static QString nodePath(const QTreeWidgetItem* node);

    QMenu* Popup_Tree = nullptr;
    QAction* Popup_Tree_Collapse = nullptr;
    QAction* Popup_Tree_Reset = nullptr;

  signals:
    // Arrow keys moved the selection (contracts are made current, nothing is loaded).
    void keyboardMoved();

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    db::TDataModule1& module() const;
    QTreeWidgetItem* newNode(const QString& caption, const QString& kind, qint64 id, const QIcon& icon) const;
    void addCategories(int dossierId);
    void addParties(const QString& topCaption, const QString& topKind, int topImage, const QString& statement,
                    const QString& kind, int image);
    void addLocations();
    void addStates();
    QList<QTreeWidgetItem*> allNodes() const;
};

} // namespace ui
