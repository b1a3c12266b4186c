#include "db/engine/EngineErrors.h"

#include <QFile>
#include <sqlite3.h>

namespace db {

QString engineErrorText(sqlite3* handle, int code, const QString& sql)
{
    const QString engine = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(code));
    QString text;
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        text = QStringLiteral("La base de données est occupée par un autre poste ; réessayez dans un instant.");
        break;
    case SQLITE_NOTADB:
        text = QStringLiteral("Le fichier n'est pas une base de données valide.");
        break;
    case SQLITE_CORRUPT:
        text = QStringLiteral("La base de données est endommagée.");
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        text = QStringLiteral("La base de données ne peut pas être ouverte en écriture.");
        break;
    case SQLITE_FULL:
        text = QStringLiteral("Le disque est plein.");
        break;
    case SQLITE_CONSTRAINT:
        text = QStringLiteral("L'enregistrement viole une contrainte de la base de données.");
        break;
    default:
        text = QStringLiteral("Erreur de la base de données.");
        break;
    }
    text += QStringLiteral("\r") + engine;
    if (!sql.isEmpty())
        text += QStringLiteral("\rRequête : ") + sql;
    return text;
}

bool isFormerFormatDatabase(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32);
    return head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB";
}

} // namespace db
