#include "cli/FixtureTrees.h"

#include "cli/FixtureRandom.h"
#include "cli/FixtureWords.h"
#include "db/engine/SqliteConnection.h"

namespace cli {

namespace words = fixturewords;

namespace {

const QString LocationTop = QStringLiteral("Localisations");

} // namespace

int FixtureTrees::writeCategoryTree(int dossierId) {
    db::SqliteStatement insert = m_connection.prepareNative(
        QStringLiteral("INSERT INTO TREE (Id_File, NodeTitle, NodeLevel, NodePos) VALUES (?, ?, ?, ?)"));
    int position = 0;
    auto add = [&](const QString& title, int level) {
        insert.reset();
        insert.bindInt(1, dossierId);
        insert.bind(2, title);
        insert.bindInt(3, level);
        insert.bindInt(4, position++);
        insert.run();
    };
    m_categories.clear();
    for (const words::Domain& domain : words::domains()) {
        DomainPaths paths;
        paths.top = domain.title;
        add(domain.title, 0);
        for (const QString& subcategory : domain.subcategories) {
            const QString subPath = domain.title + QLatin1Char('/') + subcategory;
            paths.subcategories << subPath;
            add(subcategory, 1);
            for (const QString& branch : words::branches()) {
                paths.branches << subPath + QLatin1Char('/') + branch;
                add(branch, 2);
            }
        }
        m_categories.push_back(paths);
    }
    return position;
}

int FixtureTrees::prepareLocationTree() {
    struct Node {
        QString title;
        int level;
    };
    std::vector<Node> nodes;
    int lastPosition = -1;
    {
        db::SqliteStatement read = m_connection.prepareNative(QStringLiteral(
            "SELECT NodeTitle, NodeLevel, NodePos FROM TREE_LOCATION WHERE Id_File=-1 ORDER BY NodePos"));
        while (read.step()) {
            nodes.push_back({read.textValue(0), int(read.intValue(1))});
            lastPosition = int(read.intValue(2));
        }
    }

    int written = 0;
    const bool onlyTop = nodes.empty() || (nodes.size() == 1 && nodes.front().level == 0);
    if (onlyTop) {
        db::SqliteStatement insert = m_connection.prepareNative(QStringLiteral(
            "INSERT INTO TREE_LOCATION (Id_File, NodeTitle, NodeLevel, NodePos) VALUES (-1, ?, ?, ?)"));
        auto add = [&](const QString& title, int level) {
            insert.reset();
            insert.bind(1, title);
            insert.bindInt(2, level);
            insert.bindInt(3, ++lastPosition);
            insert.run();
            nodes.push_back({title, level});
            ++written;
        };
        if (nodes.empty())
            add(LocationTop, 0);
        for (const QString& site : words::sites()) {
            add(site, 1);
            for (const QString& room : words::rooms()) {
                add(room, 2);
                for (const QString& cupboard : words::cupboards())
                    add(cupboard, 3);
            }
        }
    }

    // Titles of the ancestors by level, as the rows come in display order.
    m_locations.clear();
    QStringList ancestors;
    for (const Node& node : nodes) {
        if (node.level < 0)
            continue;
        while (ancestors.size() > node.level)
            ancestors.removeLast();
        while (ancestors.size() < node.level)
            ancestors << QString(); // a row deeper than its parent allows: placed as well as we can
        ancestors << node.title;
        if (node.level >= 1)
            m_locations << ancestors.mid(1).join(QLatin1Char('/'));
    }
    return written;
}

const QString& FixtureTrees::categoryPath(int domain, FixtureRandom& random) const {
    const DomainPaths& paths = m_categories.at(std::size_t(domain));
    const int draw = random.below(100);
    if (draw < 5)
        return paths.top;
    if (draw < 20)
        return random.pick(paths.subcategories);
    return random.pick(paths.branches);
}

QString FixtureTrees::locationPath(FixtureRandom& random) const {
    if (m_locations.isEmpty())
        return {};
    return random.pick(m_locations);
}

} // namespace cli
