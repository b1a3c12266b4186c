#include "contracts/SortOrder.h"

#include "app/AppError.h"
#include "app/DataFolders.h"
#include "app/Globals.h"
#include "app/Startup.h"
#include "app/TextCatalogue.h"
#include "app/Win1252.h"
#include "db/Dataset.h"
#include "db/engine/SqliteConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace contracts {

namespace {

const QString SortListName = QStringLiteral("SortList.def");
const QString StringToken = QStringLiteral("#String");

// The texts of the catalogue's section "SortField", for captions written as "#String" tokens.
QString sortFieldText(const QString& key) {
    static const struct {
        const char* key;
        const char* text;
    } texts[] = {{"String1", "Désignation"},
                 {"String2", "N° de contrat"},
                 {"String3", "Référence"},
                 {"String4", "Code"},
                 {"String5", "Date de signature"},
                 {"String6", "Date d'effet"},
                 {"String7", "Date d'échéance"},
                 {"String8", "Durée (mois)"},
                 {"String9", "Alerte (mois)"},
                 {"String10", "Montant annuel"},
                 {"String11", "Support"},
                 {"String12", "Statut"},
                 {"String13", "Catégorie"},
                 {"String14", "Localisation"},
                 {"String15", "Tacite reconduction"},
                 {"String16", "Renouvellement"}};
    for (const auto& entry : texts)
        if (key.compare(QLatin1String(entry.key), Qt::CaseInsensitive) == 0)
            return app::GetText(QStringLiteral("SortField"), key, QString::fromUtf8(entry.text));
    return QString();
}

bool isContentLine(const QString& line) {
    return !line.trimmed().isEmpty();
}

bool isContentLine(const QByteArray& line) {
    return !line.trimmed().isEmpty();
}

// Splits at CR LF, LF or CR, keeping each line's end so that the file can be put back together byte
// for byte.
struct RawLine {
    QByteArray text;
    QByteArray end;
};

QList<RawLine> splitRaw(const QByteArray& bytes) {
    QList<RawLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        const qsizetype endLength = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        lines.append({bytes.mid(start, i - start), bytes.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append({bytes.mid(start), QByteArray()});
    return lines;
}

void saveBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit())
        throw app::AppError(
            QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(path, file.errorString()));
}

void reopenOrdered(db::Dataset& dataset, const QString& terms) {
    dataset.close();
    dataset.replaceSqlLine(QStringLiteral("ORDER BY"), QStringLiteral("ORDER BY ") + terms);
    dataset.open();
}

} // namespace

QList<SortLine> ReadSortList(const QString& path) {
    QList<SortLine> result;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return result;
    const QString text = app::win1252::readTextFile(path);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    for (const QString& line : text.split(lineBreak)) {
        if (!isContentLine(line))
            continue;
        SortLine sortLine;
        sortLine.selected = line.startsWith(QLatin1Char('*'));
        const qsizetype equals = line.indexOf(QLatin1Char('='), 1);
        if (equals < 0) {
            sortLine.caption = line.mid(1);
        } else {
            sortLine.caption = line.mid(1, equals - 1);
            sortLine.term = line.mid(equals + 1);
        }
        result.append(sortLine);
    }
    return result;
}

void WriteSortList(const QString& path, const QList<SortLine>& lines) {
    if (!QFileInfo(path).isFile()) {
        QString text;
        for (const SortLine& line : lines)
            text += (line.selected ? QStringLiteral("*") : QStringLiteral(" ")) + line.caption +
                    QLatin1Char('=') + line.term + QStringLiteral("\r\n");
        saveBytes(path, app::win1252::encode(text));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw app::AppError(
            QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(path, file.errorString()));
    QList<RawLine> raw = splitRaw(file.readAll());
    file.close();
    qsizetype index = 0;
    QByteArray bytes;
    for (RawLine& line : raw) {
        if (isContentLine(line.text) && index < lines.size())
            line.text[0] = lines[index++].selected ? '*' : ' ';
        bytes += line.text + line.end;
    }
    saveBytes(path, bytes);
}

QString SortListPath() {
    const QString folder = app::globals().dataDir;
    const QString found = app::FindFileIgnoringCase(folder, SortListName);
    return found.isEmpty() ? folder + SortListName : found;
}

QString SortCaption(const QString& raw, int dossierId) {
    QString caption = raw;
    const qsizetype token = caption.indexOf(StringToken);
    if (token >= 0) {
        // An unknown token stays as written, so that the file's line can be recognised.
        const QString text = sortFieldText(caption.mid(token + 1));
        if (!text.isEmpty())
            caption = caption.left(token) + text;
    }
    if (!caption.contains(QStringLiteral("SELECT ")))
        return caption;
    try {
        db::SqliteStatement statement = app::mainConnection().prepare(
            caption + QStringLiteral(" WHERE Id_File=") + QString::number(dossierId));
        if (!statement.step() || statement.columnCount() < 1)
            return QString();
        return statement.textValue(0);
    } catch (const app::AppError&) {
        return caption;
    }
}

int CountSelectedSortLines(const QList<SortLine>& lines) {
    int count = 0;
    for (const SortLine& line : lines)
        count += line.selected ? 1 : 0;
    return count;
}

bool SetSortLineSelected(QList<SortLine>& lines, int index, bool selected) {
    if (index < 0 || index >= lines.size())
        return false;
    SortLine& line = lines[index];
    if (selected && !line.selected && CountSelectedSortLines(lines) >= MaximumSortTerms)
        return false;
    line.selected = selected;
    return true;
}

QString SortTermList(const QList<SortLine>& lines, const QString& defaultTerm) {
    QStringList terms;
    for (const SortLine& line : lines) {
        if (terms.size() >= MaximumSortTerms)
            break;
        if (line.selected && !line.term.trimmed().isEmpty())
            terms << line.term;
    }
    return terms.isEmpty() ? defaultTerm : terms.join(QStringLiteral(", "));
}

QString SortTermList(const QString& defaultTerm) {
    try {
        return SortTermList(ReadSortList(SortListPath()), defaultTerm);
    } catch (const app::AppError&) {
        return defaultTerm;
    }
}

bool OpenWithSortOrder(db::Dataset& dataset, const QString& defaultTerm) {
    const QString terms = SortTermList(defaultTerm);
    try {
        reopenOrdered(dataset, terms);
        return true;
    } catch (const app::AppError&) {
        if (terms == defaultTerm)
            throw;
    }
    reopenOrdered(dataset, defaultTerm);
    return false;
}

void ApplySortOrder(db::Dataset& dataset, const QString& defaultTerm) {
    // A pending edit would be lost by closing.
    db::PostIfEditing(dataset);
    const qint64 current = db::IsDatasetEmpty(dataset) ? -1 : dataset.currentKey();
    const QString terms = SortTermList(defaultTerm);
    QString failure;
    try {
        reopenOrdered(dataset, terms);
    } catch (const app::AppError& error) {
        failure = error.text();
    }
    if (!failure.isEmpty())
        reopenOrdered(dataset, defaultTerm);
    if (current >= 0)
        dataset.locateKey(current);
    if (!failure.isEmpty())
        throw app::AppError(QStringLiteral("Le tri choisi ne peut pas être appliqué : l'ordre par défaut est "
                                           "utilisé.\r") +
                            failure);
}

} // namespace contracts
