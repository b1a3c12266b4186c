#pragma once

#include <QString>
#include <QStringList>

namespace db {
class SqliteConnection;
}

namespace contracts {

inline constexpr int ContractLabelCount = 12;

// "Divers 1" to "Divers 12": what a label shows while it has no text of its own.
QString DefaultLabelCaption(int number);

// The captions of the twelve contract labels of a dossier (index 0 = Lab_Misc01). The dossier's CUSTOMLAB
// row is appended, with only Id_File set, when it has none; an empty stored text gives the default caption.
QStringList LoadCustomLabels(db::SqliteConnection& connection, int dossierId);

// Stores the new caption of label number (1 to 12) in the dossier's row (appended first when missing).
// Throws AppError for a number out of range or an empty caption.
void RenameCustomLabel(db::SqliteConnection& connection, int dossierId, int number, const QString& caption);

} // namespace contracts
