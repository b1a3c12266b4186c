#include "app/DataFolders.h"

#include "app/AppError.h"
#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Startup.h"
#include "app/UserDialogs.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace app;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class WaitBoxRecorder : public StartupObserver {
  public:
    void showWaitBox(const QString& task, const QString&, int maximum) override {
        steps << QStringLiteral("%1/%2").arg(task).arg(maximum);
    }
    void setWaitBoxStep(const QString& message, int position) override {
        steps << QStringLiteral("%1:%2").arg(position).arg(message);
    }
    void closeWaitBox() override { steps << QStringLiteral("fermée"); }
    QStringList steps;
};

// A program folder and a documents folder in a temporary folder, the dialogs scripted.
class DataFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        globals() = Globals{};
        globals().programDir = globals().installDir = prog();
        QDir().mkpath(prog());
        setDialogs(&shown);
    }
    void TearDown() override { setDialogs(nullptr); }

    QString prog() const { return temp.file("prog/"); }
    QString docs() const { return temp.file("docs/"); }
    QString defaultDataDir() const { return docs() + "Carvello Software Development/Mantivo Zadovada/"; }
    QString shippedData() const { return prog() + "Ressources/DB/Data/"; }

    // DataDir in the documents folder, db.ini read.
    void prepareDataFolder() {
        ResolveDataFolder({}, docs());
        LoadDatabaseSettings(globals().dataDir);
    }

    testsupport::TempFolder temp;
    ScriptedDialogs shown;
};

} // namespace

TEST_F(DataFoldersTest, DefaultDataFolderLiesInTheDocumentsWithItsWarningsAndTree) {
    ResolveDataFolder({}, docs());
    EXPECT_EQ(globals().dataDir, defaultDataDir());
    for (const char* sub : {"Export", "Html", "Backup", "Data/Access", "Data/Images", "Data/Files"})
        EXPECT_TRUE(QFileInfo(defaultDataDir() + sub).isDir()) << sub;

    const QByteArray rootWarning = readFile(docs() + "Carvello Software Development/Avertissement.txt");
    EXPECT_TRUE(
        rootWarning.startsWith("ATTENTION : NE SUPPRIMEZ PAS CE REPERTOIRE \r\n\r\nCe r\xE9pertoire contient "
                               "les donn\xE9"
                               "es des logiciels \xE9"
                               "dit\xE9s par Carvello Software "
                               "Developpement\r\nContact : "));
    const QByteArray productWarning = readFile(defaultDataDir() + "Avertissement.txt");
    EXPECT_TRUE(productWarning.contains("du logiciels Mantivo Zadovada \xE9"
                                        "dit\xE9s par Carvello"));
    EXPECT_TRUE(productWarning.contains(("Site web : " + WebAddress + "\r\n").toLatin1()));
    EXPECT_TRUE(shown.shown().empty());

    // The warnings are written when the folders are made, not at every start.
    QFile::remove(defaultDataDir() + "Avertissement.txt");
    ResolveDataFolder({}, docs());
    EXPECT_FALSE(QFileInfo::exists(defaultDataDir() + "Avertissement.txt"));
}

TEST_F(DataFoldersTest, DirectoriesIniChoosesTheDataFolder) {
    // appexe: everything in the program folder, no product folder, no warning.
    writeFile(prog() + "directories.ini", "[Path]\r\nAppDataDir=appexe\r\n");
    ResolveDataFolder({}, docs());
    EXPECT_EQ(globals().dataDir, prog());
    EXPECT_TRUE(QFileInfo(prog() + "Data/Access").isDir());
    EXPECT_FALSE(QFileInfo::exists(prog() + "Avertissement.txt"));
    EXPECT_FALSE(QFileInfo::exists(docs()));

    // An existing folder, written with "\": no root warning, the product folder below it with its own.
    QDir().mkpath(temp.file("mine"));
    QString setting = temp.file("mine\\");
    writeFile(prog() + "directories.ini", ("[path]\r\nappdatadir = " + setting + "\r\n").toUtf8());
    ResolveDataFolder({}, docs());
    EXPECT_EQ(globals().dataDir, temp.file("mine/Mantivo Zadovada/"));
    EXPECT_FALSE(QFileInfo::exists(temp.file("mine/Avertissement.txt")));
    EXPECT_TRUE(QFileInfo::exists(temp.file("mine/Mantivo Zadovada/Avertissement.txt")));
    EXPECT_TRUE(QFileInfo(temp.file("mine/Mantivo Zadovada/Data/Files")).isDir());

    // A Windows drive path is refused with a warning; the default folder is used.
    writeFile(prog() + "directories.ini", "[Path]\r\nAppDataDir=C:\\Donn\xE9"
                                          "es\\\r\n");
    ResolveDataFolder({}, docs());
    EXPECT_EQ(globals().dataDir, defaultDataDir());
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(shown.shown()[0].text.contains(QString::fromUtf8("C:\\Données\\")));

    // The start-up option names the data folder itself.
    ResolveDataFolder(temp.file("override"), docs());
    EXPECT_EQ(globals().dataDir, temp.file("override/"));
    EXPECT_TRUE(QFileInfo(temp.file("override/Data/Images")).isDir());
    EXPECT_FALSE(QFileInfo::exists(temp.file("override/Avertissement.txt")));
}

TEST_F(DataFoldersTest, FreshInstallationCopiesTheShippedDatabaseSilently) {
    writeFile(shippedData() + "Access/CONTRACT.MDB", "shipped");
    writeFile(shippedData() + "Images/Doc1.JPG", "image");
    writeFile(shippedData() + "Images/notes.txt", "not a picture");
    writeFile(shippedData() + "Files/File2.f", "archive");
    writeFile(prog() + "Ressources/DB/SortList.def", "sort");
    writeFile(prog() + "contrats.ini", "[Properties]\r\n");
    prepareDataFolder();
    const QString dataDir = globals().dataDir;
    // Images already in the target are overwritten by the transfer.
    writeFile(dataDir + "Data/Images/Doc1.JPG", "old image");

    WaitBoxRecorder observer;
    EXPECT_TRUE(TransferInitialData("contrats.ini", &observer));
    EXPECT_EQ(readFile(dataDir + "Data/Access/CONTRACT.MDB"), "shipped");
    EXPECT_EQ(readFile(dataDir + "Data/Images/Doc1.JPG"), "image");
    EXPECT_FALSE(QFileInfo::exists(dataDir + "Data/Images/notes.txt"));
    EXPECT_EQ(readFile(dataDir + "Data/Files/File2.f"), "archive");
    EXPECT_EQ(readFile(dataDir + "SortList.def"), "sort");
    EXPECT_EQ(readFile(dataDir + "contrats.ini"), "[Properties]\r\n");
    EXPECT_TRUE(QFileInfo(dataDir + "Data/Access/CONTRACT.MDB").isWritable());
    EXPECT_TRUE(shown.shown().empty());
    EXPECT_TRUE(observer.steps.isEmpty());
    EXPECT_EQ(readFile(shippedData() + "Access/CONTRACT.MDB"), "shipped");
}

TEST_F(DataFoldersTest, OlderInstallationIsCopiedAndAnnouncedOnce) {
    writeFile(shippedData() + "Access/CONTRACT.MDB", "shipped");
    writeFile(prog() + "Data/Access/CONTRACT.MDB", "older");
    writeFile(prog() + "Data/Images/Doc7.jpg", "older image");
    writeFile(prog() + "db.ini", "[DataBase]\r\nProvider=OLEDB\r\n");
    prepareDataFolder();

    WaitBoxRecorder observer;
    EXPECT_TRUE(TransferInitialData("contrats.ini", &observer));
    const QString databaseDir = globals().dataDir + "Data/";
    EXPECT_EQ(readFile(databaseDir + "Access/CONTRACT.MDB"), "older");
    EXPECT_EQ(readFile(databaseDir + "Images/Doc7.jpg"), "older image");
    EXPECT_EQ(readFile(prog() + "Data/Access/CONTRACT.MDB"), "older"); // a copy, not a move
    EXPECT_EQ(observer.steps,
              QStringList({"TRANSFERT DES DONNEES/3", QString::fromUtf8("1:Copie de la base de données"),
                           "2:Copie des images", "3:Copie des fichiers", QString::fromUtf8("fermée")}));
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(shown.shown()[0].text,
              QString::fromUtf8("IMPORTANT !!\r\rLa base de données a été transférée dans le "
                                "réperoire :\r") +
                  databaseDir + "\r\rNE SUPPRIMEZ PAS CE REPERTOIRE");

    shown.clear();
    EXPECT_TRUE(TransferInitialData("contrats.ini", &observer));
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(DataFoldersTest, ExistingDataIsKept) {
    writeFile(shippedData() + "Access/CONTRACT.MDB", "shipped");
    writeFile(shippedData() + "Images/Doc1.jpg", "image");
    writeFile(prog() + "SortList.def", "shipped sort");
    writeFile(prog() + "contrats.ini", "shipped settings");
    prepareDataFolder();
    const QString dataDir = globals().dataDir;
    writeFile(dataDir + "Data/Access/CONTRACT.MDB", "mine");
    writeFile(dataDir + "Data/Images/Doc1.jpg", "my image");
    writeFile(dataDir + "SORTLIST.DEF", "my sort");
    writeFile(dataDir + "contrats.ini", "my settings");

    EXPECT_TRUE(TransferInitialData("contrats.ini"));
    EXPECT_EQ(readFile(dataDir + "Data/Access/CONTRACT.MDB"), "mine");
    EXPECT_EQ(readFile(dataDir + "Data/Images/Doc1.jpg"), "my image");
    EXPECT_EQ(readFile(dataDir + "SORTLIST.DEF"), "my sort");
    EXPECT_FALSE(QFileInfo::exists(dataDir + "SortList.def"));
    EXPECT_EQ(readFile(dataDir + "contrats.ini"), "my settings");
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(DataFoldersTest, DatabaseFolderNamedInDbIniIsFilled) {
    writeFile(shippedData() + "Access/CONTRACT.MDB", "shipped");
    ResolveDataFolder({}, docs());
    writeFile(globals().dataDir + "db.ini", ("[DataBase]\r\nPath=" + temp.file("base") + "\r\n").toUtf8());
    LoadDatabaseSettings(globals().dataDir);
    EXPECT_TRUE(TransferInitialData("contrats.ini"));
    EXPECT_EQ(readFile(temp.file("base/Access/CONTRACT.MDB")), "shipped");
    EXPECT_TRUE(QFileInfo(temp.file("base/Files")).isDir());
}

TEST_F(DataFoldersTest, MissingShippedDatabaseStopsWithTheInstallationMessage) {
    writeFile(prog() + "Ressources/DB/SortList.def", "sort");
    prepareDataFolder();
    EXPECT_FALSE(TransferInitialData("contrats.ini"));
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(shown.shown()[0].text,
              QString::fromUtf8(
                  "EXECUTION IMPOSSIBLE !!\r\rCertains composants nécessaires au bon fonctionnement de "
                  "cette application sont introuvables.\rEffectuez une nouvelle installation de "
                  "l'application afin de résoudre ce problème."));
    EXPECT_EQ(readFile(globals().dataDir + "SortList.def"), "sort"); // fetched in every case
}

TEST_F(DataFoldersTest, FetchIfMissingTakesTheFirstShippedCopy) {
    ResolveDataFolder({}, docs());
    writeFile(prog() + "Maj/BD_134.maj", "maj");
    writeFile(prog() + "Ressources/DB/bd_134.MAJ", "ressources");
    writeFile(prog() + "Maj/only.txt", "only");
    EXPECT_TRUE(FetchIfMissing("BD_134.maj"));
    EXPECT_EQ(readFile(globals().dataDir + "BD_134.maj"), "ressources");
    writeFile(prog() + "BD_134.maj", "program");
    EXPECT_TRUE(FetchIfMissing("bd_134.maj")); // already there, whatever the case
    EXPECT_EQ(readFile(globals().dataDir + "BD_134.maj"), "ressources");
    EXPECT_TRUE(FetchIfMissing("only.txt"));
    EXPECT_FALSE(FetchIfMissing("nowhere.ini"));
    EXPECT_FALSE(QFileInfo::exists(globals().dataDir + "nowhere.ini"));
}

TEST_F(DataFoldersTest, FileHelpers) {
    EXPECT_EQ(RemoveAccents(QString::fromUtf8("Société générale à l'île, ça güe où ôter É")),
              QString::fromUtf8("Societe generale a l'ile, ca gue ou oter É"));

    const QString dir = temp.file("list/");
    for (const char* name : {"b.MAJ", "a.maj", "c.txt", "A2.Maj"})
        writeFile(dir + name, name);
    QDir().mkpath(dir + "d.maj");
    EXPECT_EQ(ListFiles(dir, "*.maj"), QStringList({"a.maj", "A2.Maj", "b.MAJ"}));
    EXPECT_TRUE(ListFiles(temp.file("absent"), "*.maj").isEmpty());

    writeFile(temp.file("target/b.MAJ"), "old");
    CopyFolderFiles(dir, temp.file("target"), "*.MAJ");
    EXPECT_EQ(readFile(temp.file("target/b.MAJ")), "b.MAJ");
    EXPECT_EQ(readFile(temp.file("target/A2.Maj")), "A2.Maj");
    EXPECT_FALSE(QFileInfo::exists(temp.file("target/c.txt")));
    CopyFolderFiles(dir, dir, "*.maj"); // onto itself: nothing lost
    EXPECT_EQ(readFile(dir + "a.maj"), "a.maj");

    WriteTextFile(temp.file("t.txt"), QString::fromUtf8("première\rdeux\r\ntrois\r"));
    EXPECT_EQ(readFile(temp.file("t.txt")), "premi\xE8re\r\ndeux\r\ntrois\r\n");
    EXPECT_THROW(WriteTextFile(temp.file("absent/t.txt"), "x"), AppError);

    EXPECT_TRUE(IsWindowsPath("C:\\Program Files\\"));
    EXPECT_TRUE(IsWindowsPath("d:/data"));
    EXPECT_TRUE(IsWindowsPath("\\\\serveur\\partage"));
    EXPECT_FALSE(IsWindowsPath("/home/c:/x"));
    EXPECT_FALSE(IsWindowsPath("Data\\"));
    EXPECT_EQ(FolderFromSetting("Base\\Sub", "/srv/data/"), "/srv/data/Base/Sub/");
    EXPECT_EQ(FolderFromSetting("\\srv\\base\\", "/x/"), "/srv/base/");
}
