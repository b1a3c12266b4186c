#pragma once

#include <QList>
#include <QString>

namespace contracts {

// Captions of the fixed nodes of the navigation tree.
inline const QString PeopleTopCaption = QStringLiteral("Personnes physiques");
inline const QString CompaniesTopCaption = QStringLiteral("Personnes morales");
inline const QString LocationsTopCaption = QStringLiteral("Localisations");
inline const QString StateTopCaption = QStringLiteral("Statut");
inline const QString AllContractsCaption = QStringLiteral("Tous les contrats");
inline const QString NoDesignation = QStringLiteral("Pas de désignation");

// Title (or "Pas de désignation"), then " - " + number when there is one, then " (" + state + ")" when
// the stored state is not empty.
QString ContractNodeCaption(const QString& title, const QString& noContract, const QString& state);

// "Signé", "Projet", "Archivé" for the stored words "SIGNE", "PROJET", "ARCHIVE"; empty for anything else.
QString StateDisplayName(const QString& state);
// The stored word of a state node's caption ("Projet" -> "PROJET"); empty for any other caption.
QString StateWord(const QString& displayName);

// For tree rows in NodePos order with their NodeLevel: the index of each row's parent row, -1 for a top
// node. Equal level: sibling of the previous node; greater: its child; smaller: sibling of the nearest
// earlier node whose depth equals the level (a top node when none has it).
QList<int> ParentsByLevelRule(const QList<int>& levels);

// The value between single quotes, each quote inside doubled, cut to 255 characters first.
QString QuotedSqlValue(const QString& value);

// The statement that lists the contracts of a grouping node: kind of the node ("category", "location",
// "people", "company", "state", "all", ...), caption of its top node, path of captions below the top node
// joined with "/" (empty for a top node), the node's row Id, the open dossier. Empty when the node
// loads nothing ("Personnes physiques", "Personnes morales", "Statut").
QString GroupingStatement(const QString& kind, const QString& topCaption, const QString& pathBelowTop,
                          qint64 nodeId, int dossierId);

// "SELECT Title FROM COMPANY WHERE Id=5" and its siblings for "people", "category" and "location";
// empty for any other kind.
QString RecaptionStatement(const QString& kind, qint64 id);

// The statements that list the linked people and companies under their top nodes (every dossier's).
QString PeopleNodesStatement();
QString CompanyNodesStatement();

} // namespace contracts
