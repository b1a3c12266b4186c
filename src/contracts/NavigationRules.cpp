#include "contracts/NavigationRules.h"

namespace contracts {

namespace {

const struct {
    const char* word;
    const char* display;
} States[] = {{"SIGNE", "Signé"}, {"PROJET", "Projet"}, {"ARCHIVE", "Archivé"}};

constexpr int MaximumValueLength = 255;

QString contractsStatement(const QString& condition, int dossierId) {
    const QString dossier = QString::number(dossierId);
    QStringList lines;
    lines << QStringLiteral(
        "SELECT Distinct CONTRACT.Id, CONTRACT.Id_File, CONTRACT.Title , CONTRACT.NoContract , "
        "CONTRACT.State ");
    lines << QStringLiteral("FROM (((CONTRACT LEFT JOIN L_PEOPLE ON CONTRACT.Id = L_PEOPLE.Id_Ref) "
                            "LEFT JOIN L_COMPANY ON CONTRACT.Id = L_COMPANY.Id_Ref) "
                            "LEFT JOIN COMPANY ON L_COMPANY.Id_Company = COMPANY.Id) "
                            "LEFT JOIN PEOPLE ON L_PEOPLE.Id_People = PEOPLE.Id ");
    if (condition.isEmpty())
        lines << QStringLiteral("WHERE CONTRACT.Id_File=") + dossier;
    else
        lines << QStringLiteral("WHERE ") + condition + QStringLiteral(" AND CONTRACT.Id_File=") + dossier;
    lines << QStringLiteral(" ORDER BY CONTRACT.Title");
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString ContractNodeCaption(const QString& title, const QString& noContract, const QString& state) {
    QString caption = title.isEmpty() ? NoDesignation : title;
    if (!noContract.isEmpty())
        caption += QStringLiteral(" - ") + noContract;
    if (!state.isEmpty())
        caption += QStringLiteral(" (") + state + QLatin1Char(')');
    return caption;
}

QString StateDisplayName(const QString& state) {
    for (const auto& entry : States)
        if (state == QLatin1String(entry.word))
            return QString::fromUtf8(entry.display);
    return QString();
}

QString StateWord(const QString& displayName) {
    for (const auto& entry : States)
        if (displayName == QString::fromUtf8(entry.display))
            return QString::fromLatin1(entry.word);
    return QString();
}

QList<int> ParentsByLevelRule(const QList<int>& levels) {
    QList<int> parents;
    QList<int> depths;
    parents.reserve(levels.size());
    depths.reserve(levels.size());
    int previous = -1;
    int previousLevel = 0;
    for (int row = 0; row < levels.size(); ++row) {
        const int level = levels[row];
        int parent = -1;
        if (level == previousLevel) {
            parent = previous < 0 ? -1 : parents[previous];
        } else if (level > previousLevel) {
            parent = previous;
        } else {
            // Nodes are always added at the end of the tree, so walking back through the rows walks back
            // through the tree.
            for (int earlier = previous; earlier >= 0; --earlier) {
                if (depths[earlier] == level) {
                    parent = parents[earlier];
                    break;
                }
            }
        }
        parents << parent;
        depths << (parent < 0 ? 0 : depths[parent] + 1);
        previous = row;
        previousLevel = level;
    }
    return parents;
}

QString QuotedSqlValue(const QString& value) {
    QString text = value.left(MaximumValueLength);
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString GroupingStatement(const QString& kind, const QString& topCaption, const QString& pathBelowTop,
                          qint64 nodeId, int dossierId) {
    if (kind == QLatin1String("category")) {
        const QString path =
            pathBelowTop.isEmpty() ? topCaption : topCaption + QLatin1Char('/') + pathBelowTop;
        return contractsStatement(QStringLiteral("CONTRACT.Category=") + QuotedSqlValue(path), dossierId);
    }
    if (topCaption == LocationsTopCaption)
        return contractsStatement(QStringLiteral("CONTRACT.Location=") + QuotedSqlValue(pathBelowTop),
                                  dossierId);
    if (kind == QLatin1String("people"))
        return contractsStatement(QStringLiteral("L_PEOPLE.Id_People=") + QString::number(nodeId), dossierId);
    if (kind == QLatin1String("company"))
        return contractsStatement(QStringLiteral("L_COMPANY.Id_Company=") + QString::number(nodeId),
                                  dossierId);
    const QString caption = pathBelowTop.isEmpty() ? topCaption : pathBelowTop.section(QLatin1Char('/'), -1);
    const QString state = StateWord(caption);
    if (!state.isEmpty())
        return contractsStatement(QStringLiteral("CONTRACT.State=") + QuotedSqlValue(state), dossierId);
    if (caption == AllContractsCaption)
        return contractsStatement(QString(), dossierId);
    return QString();
}

QString RecaptionStatement(const QString& kind, qint64 id) {
    static const struct {
        const char* kind;
        const char* column;
        const char* table;
    } sources[] = {{"company", "Title", "COMPANY"},
                   {"people", "Name", "PEOPLE"},
                   {"category", "NodeTitle", "TREE"},
                   {"location", "NodeTitle", "TREE_LOCATION"}};
    for (const auto& source : sources)
        if (kind == QLatin1String(source.kind))
            return QStringLiteral("SELECT %1 FROM %2 WHERE Id=%3")
                .arg(QLatin1String(source.column), QLatin1String(source.table))
                .arg(id);
    return QString();
}

QString PeopleNodesStatement() {
    return QStringLiteral(
        "SELECT Distinct PEOPLE.Id, PEOPLE.Name, PEOPLE.NickName  FROM L_PEOPLE LEFT JOIN PEOPLE ON "
        "L_PEOPLE.Id_People = PEOPLE.Id  ORDER BY PEOPLE.Name");
}

QString CompanyNodesStatement() {
    return QStringLiteral(
        "SELECT Distinct COMPANY.Id, COMPANY.Title, COMPANY.Category  FROM L_COMPANY LEFT JOIN "
        "COMPANY ON L_COMPANY.Id_Company = COMPANY.Id  ORDER BY COMPANY.Title");
}

} // namespace contracts
