#pragma once

#include <QList>
#include <QString>

namespace db {
class DeletionProgress;
class SqliteConnection;
class TDataModule1;
} // namespace db

namespace contracts {

struct DossierSummary {
    int id = -1;
    QString name;
    bool hasPassword = false;
};

// The password of a dossier (at most 255 characters), read through MainFile with a WHERE line added for
// the time of the reading. Throws AppError when the dossier no longer exists.
QString ReadDossierPassword(db::TDataModule1& module, int id);

// Passwords are compared exactly: case counts.
bool PasswordMatches(const QString& typed, const QString& stored);

// The data part of closing the open dossier: settings saved, a pending contract edit posted (its error
// ends the closing with the dossier still open), no dossier open, the contract dataset reopened empty,
// the attached-file dataset closed.
void CloseDossierData(db::TDataModule1& module);

// Deletes a dossier: its PROFILES row with everything the data module's cascade takes along, the open
// dossier closed when it is this one, then its five numbering keys removed from the settings file.
// Throws AppError when the dossier no longer exists or the deletion fails (nothing is then removed).
void DeleteDossierData(db::TDataModule1& module, int id, db::DeletionProgress* progress);

// Adds a dossier through MainFile and returns its Id. Throws AppError on an empty name.
int AddDossier(db::TDataModule1& module, const QString& name, const QString& password,
               const QString& owner = QString(), const QString& observations = QString());

int CountDossiers(db::SqliteConnection& connection);
// Every dossier in the order the engine returns the rows.
QList<DossierSummary> ListDossiers(db::SqliteConnection& connection);

} // namespace contracts
