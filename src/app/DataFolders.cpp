#include "app/DataFolders.h"

#include "app/AppError.h"
#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/Startup.h"
#include "app/UserDialogs.h"
#include "app/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace app {

namespace {

const QString DataRootName = QStringLiteral("Carvello Software Development/");
const QString WarningFileName = QStringLiteral("Avertissement.txt");

QString contactLines() {
    return QStringLiteral("\rContact : ") + SupportEmail + QStringLiteral("\rSite web : ") + WebAddress;
}

QString dataRootWarning() {
    return QStringLiteral(
               "ATTENTION : NE SUPPRIMEZ PAS CE REPERTOIRE \r\rCe répertoire contient les données des "
               "logiciels édités par Carvello Software Developpement") +
           contactLines();
}

QString productWarning() {
    return QStringLiteral(
               "ATTENTION : NE SUPPRIMEZ PAS CE REPERTOIRE \r\rCe répertoire contient les données du "
               "logiciels ") +
           ProductName + QStringLiteral(" édités par Carvello Software Developpement") + contactLines();
}

// Creates the folder with its warning file when it is not there yet; failures leave it missing.
void createWithWarning(const QString& folder, const QString& warning) {
    if (QFileInfo::exists(folder))
        return;
    if (!QDir().mkpath(folder))
        return;
    try {
        WriteTextFile(folder + WarningFileName, warning);
    } catch (const AppError&) {
        // The write test of start-up reports a folder that cannot be written.
    }
}

void createDataTree(const QString& dataDir) {
    for (const char* sub : {"Export", "Html", "Backup", "Data", "Data/Access", "Data/Images", "Data/Files"})
        QDir().mkpath(dataDir + QLatin1String(sub));
}

// A copy that the user can write to, even when the shipped file is read-only.
bool copyFile(const QString& source, const QString& target) {
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!QFile::copy(source, target))
        return false;
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

} // namespace

QString DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/Documents");
    return withSlash(folder);
}

bool IsWindowsPath(const QString& path) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:([\\\\/]|$)"));
    return drive.match(path).hasMatch() || path.startsWith(QStringLiteral("\\\\"));
}

QString FolderFromSetting(const QString& text, const QString& base) {
    QString folder = text.trimmed();
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isRelativePath(folder))
        folder = withSlash(base) + folder;
    return withSlash(QDir::cleanPath(folder));
}

void ResolveDataFolder(const QString& dataDirOverride, const QString& documentsFolder) {
    Globals& g = globals();
    if (!dataDirOverride.isEmpty()) {
        g.dataDir = withSlash(QDir(dataDirOverride).absolutePath());
        QDir().mkpath(g.dataDir);
        createDataTree(g.dataDir);
        return;
    }

    QString setting = IniFile(g.installDir + QStringLiteral("directories.ini"))
                          .value(QStringLiteral("Path"), QStringLiteral("AppDataDir"));
    if (setting == QLatin1String("appexe")) {
        g.dataDir = g.programDir;
        createDataTree(g.dataDir);
        return;
    }
    if (IsWindowsPath(setting)) {
        dialogs().message(
            MessageKind::Warning,
            QStringLiteral("Le dossier de données « %1 » indiqué dans directories.ini est un chemin "
                           "Windows, inutilisable ici.\rLe dossier de données par défaut est utilisé.")
                .arg(setting));
        setting.clear();
    }
    const QString root =
        setting.isEmpty()
            ? withSlash(documentsFolder.isEmpty() ? DocumentsFolder() : documentsFolder) + DataRootName
            : FolderFromSetting(setting, g.installDir);
    createWithWarning(root, dataRootWarning());
    g.dataDir = root + RemoveAccents(ProductName) + QLatin1Char('/');
    createWithWarning(g.dataDir, productWarning());
    createDataTree(g.dataDir);
}

bool TransferInitialData(const QString& settingsFileName, StartupObserver* observer) {
    const Globals& g = globals();
    const DatabaseConfig& config = databaseConfig();
    const QString relative = config.relativeDatabaseFile();
    bool result = true;

    if (!QFileInfo::exists(config.databaseDir + relative)) {
        for (const char* sub : {"", "Access", "Images", "Files"})
            QDir().mkpath(config.databaseDir + QLatin1String(sub));

        // An older installation kept its data in the program folder, next to its db.ini.
        const bool olderInstallation =
            QFileInfo::exists(g.programDir + QStringLiteral("Data/") + relative) &&
            (!FindFileIgnoringCase(g.programDir, QStringLiteral("dsn.ini")).isEmpty() ||
             !FindFileIgnoringCase(g.programDir, DatabaseIniName).isEmpty());
        const QString source = olderInstallation ? g.programDir + QStringLiteral("Data/")
                                                 : g.programDir + QStringLiteral("Ressources/DB/Data/");
        const bool announce = olderInstallation && observer;

        if (QFileInfo(source + relative).isFile()) {
            if (announce)
                observer->showWaitBox(QStringLiteral("TRANSFERT DES DONNEES"),
                                      QStringLiteral("Quelques instants, SVP ..."), 3);
            if (announce)
                observer->setWaitBoxStep(QStringLiteral("Copie de la base de données"), 1);
            const QString target = config.databaseDir + config.oledbFileName;
            if (!QFileInfo::exists(target))
                copyFile(source + relative, target);
            if (announce)
                observer->setWaitBoxStep(QStringLiteral("Copie des images"), 2);
            CopyFolderFiles(source + QStringLiteral("Images/"),
                            config.databaseDir + QStringLiteral("Images/"), QStringLiteral("*.jpg"));
            if (announce)
                observer->setWaitBoxStep(QStringLiteral("Copie des fichiers"), 3);
            CopyFolderFiles(source + QStringLiteral("Files/"), config.databaseDir + QStringLiteral("Files/"),
                            QStringLiteral("*.f"));
            if (announce)
                observer->closeWaitBox();
            if (olderInstallation)
                dialogs().message(
                    MessageKind::Warning,
                    QStringLiteral("IMPORTANT !!\r\rLa base de données a été transférée dans le "
                                   "réperoire :\r") +
                        config.databaseDir + QStringLiteral("\r\rNE SUPPRIMEZ PAS CE REPERTOIRE"));
        } else {
            result = false;
            dialogs().message(
                MessageKind::Warning,
                QStringLiteral("EXECUTION IMPOSSIBLE !!\r\rCertains composants nécessaires au bon "
                               "fonctionnement de cette application sont introuvables.\rEffectuez une "
                               "nouvelle installation de l'application afin de résoudre ce problème."));
        }
    }

    FetchIfMissing(QStringLiteral("SortList.def"));
    FetchIfMissing(settingsFileName);
    return result;
}

bool FetchIfMissing(const QString& fileName) {
    const Globals& g = globals();
    if (!FindFileIgnoringCase(g.dataDir, fileName).isEmpty())
        return true;
    const QString origins[] = {g.programDir, g.programDir + QStringLiteral("Ressources/DB/"),
                               g.programDir + QStringLiteral("Maj/")};
    for (const QString& origin : origins) {
        const QString source = FindFileIgnoringCase(origin, fileName);
        if (!source.isEmpty())
            return copyFile(source, g.dataDir + fileName);
    }
    return false;
}

QString RemoveAccents(const QString& text) {
    static const struct {
        const char16_t* letters;
        char16_t plain;
    } table[] = {{u"éèêë", u'e'}, {u"àâä", u'a'}, {u"ùûü", u'u'}, {u"ôö", u'o'}, {u"îï", u'i'}, {u"ç", u'c'}};
    QString result = text;
    for (QChar& ch : result)
        for (const auto& row : table)
            if (QStringView(row.letters).contains(ch))
                ch = QChar(row.plain);
    return result;
}

QStringList ListFiles(const QString& folder, const QString& mask) {
    QDir dir(folder);
    return dir.entryList({mask}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

void CopyFolderFiles(const QString& sourceFolder, const QString& targetFolder, const QString& mask) {
    const QString source = withSlash(sourceFolder);
    const QString target = withSlash(targetFolder);
    for (const QString& name : ListFiles(source, mask)) {
        const QFileInfo from(source + name);
        const QFileInfo to(target + name);
        // Removing the target first would lose the file copied onto itself.
        if (to.exists() && to.canonicalFilePath() == from.canonicalFilePath())
            continue;
        QFile::remove(to.filePath());
        copyFile(from.filePath(), to.filePath());
    }
}

void WriteTextFile(const QString& path, const QString& text) {
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString content;
    for (const QString& line : lines)
        content += line + QStringLiteral("\r\n");
    win1252::writeTextFile(path, content);
}

QString FindFileIgnoringCase(const QString& folder, const QString& fileName) {
    const QString base = withSlash(folder);
    if (base.isEmpty() || fileName.isEmpty())
        return QString();
    if (QFileInfo(base + fileName).isFile())
        return base + fileName;
    const QStringList names = QDir(base).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names)
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return base + name;
    return QString();
}

} // namespace app
