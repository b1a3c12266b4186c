#pragma once

#include <QStringList>
#include <vector>

namespace db {
class SqliteConnection;
}

namespace cli {

class FixtureRandom;

// The category tree of the demonstration dossier and the shared location tree, and the paths that the
// contracts store (node titles joined by "/": from the top node for categories, from below the top node
// "Localisations" for locations).
class FixtureTrees {
  public:
    explicit FixtureTrees(db::SqliteConnection& connection) : m_connection(connection) {}

    // Three levels: a top category per domain, its subcategories and their branches. Returns the rows
    // written.
    int writeCategoryTree(int dossierId);
    // Fills the shared location tree when it holds nothing below its top node, then reads the paths of
    // its nodes. Returns the rows written (0 when the tree was already there).
    int prepareLocationTree();

    // A category of the domain: mostly a branch, sometimes a subcategory or the top category itself.
    const QString& categoryPath(int domain, FixtureRandom& random) const;
    // Empty when the shared tree has no location.
    QString locationPath(FixtureRandom& random) const;

  private:
    struct DomainPaths {
        QString top;
        QStringList subcategories;
        QStringList branches;
    };

    db::SqliteConnection& m_connection;
    std::vector<DomainPaths> m_categories;
    QStringList m_locations;
};

} // namespace cli
