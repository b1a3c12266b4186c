#include "contracts/SortOrder.h"

#include "ContractsFixture.h"
#include "app/AppError.h"
#include "app/Win1252.h"
#include "contracts/CustomLabels.h"
#include "contracts/DossierOpening.h"

#include <QFile>

using namespace contracts;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

QList<SortLine> numberedLines(int count, int ticked) {
    QList<SortLine> lines;
    for (int i = 0; i < count; ++i)
        lines.append({i < ticked, QStringLiteral("Champ %1").arg(i), QStringLiteral("T%1").arg(i)});
    return lines;
}

} // namespace

TEST(SortFile, TicksRewriteOnlyTheFirstCharacterOfEachLine) {
    testsupport::TempFolder temp;
    const QString path = temp.file("SortList.def");
    // Windows-1252 text, a blank line, a term with an "=", a line without one, mixed line ends, no final
    // line break.
    const QByteArray original = "*D\xE9signation=CONTRACT.Title\r\n"
                                " Montant=CONTRACT.AnnualCost DESC\r\n"
                                "\r\n"
                                " Test=IIF(A=B,1,2)\n"
                                " Sans terme\r\n"
                                "*Ech\xE9"
                                "ance=CONTRACT.Date_Term";
    writeFile(path, original);

    QList<SortLine> lines = ReadSortList(path);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].selected);
    EXPECT_EQ(lines[0].caption, "Désignation");
    EXPECT_EQ(lines[0].term, "CONTRACT.Title");
    EXPECT_EQ(lines[1].term, "CONTRACT.AnnualCost DESC");
    EXPECT_EQ(lines[2].caption, "Test");
    EXPECT_EQ(lines[2].term, "IIF(A=B,1,2)");
    EXPECT_EQ(lines[3].caption, "Sans terme");
    EXPECT_EQ(lines[3].term, "");
    EXPECT_TRUE(lines[4].selected);

    lines[0].selected = false;
    lines[2].selected = true;
    // Whatever the captions and terms say, only the ticks are stored.
    lines[1].caption = QStringLiteral("autre");
    WriteSortList(path, lines);
    QByteArray expected = original;
    expected[0] = ' ';
    expected[original.indexOf(" Test")] = '*';
    EXPECT_EQ(readFile(path), expected);
    EXPECT_EQ(SortTermList(ReadSortList(path), "Contract.Id"), "IIF(A=B,1,2), CONTRACT.Date_Term");
}

TEST(SortFile, AMissingFileGivesNoLinesTheDefaultOrderAndIsWrittenWhole) {
    testsupport::TempFolder temp;
    app::globals().dataDir = temp.path();
    EXPECT_TRUE(ReadSortList(temp.file("SortList.def")).isEmpty());
    EXPECT_EQ(SortListPath(), temp.file("SortList.def"));
    EXPECT_EQ(SortTermList("Contract.Id"), "Contract.Id");

    WriteSortList(temp.file("SortList.def"),
                  {{true, QStringLiteral("Désignation"), QStringLiteral("CONTRACT.Title")},
                   {false, QStringLiteral("Code"), QStringLiteral("CONTRACT.Code")}});
    EXPECT_EQ(readFile(temp.file("SortList.def")),
              "*D\xE9signation=CONTRACT.Title\r\n Code=CONTRACT.Code\r\n");
    EXPECT_EQ(SortTermList("Contract.Id"), "CONTRACT.Title");
}

TEST(SortFile, TheFileIsFoundWhateverTheCaseOfItsName) {
    testsupport::TempFolder temp;
    app::globals().dataDir = temp.path();
    writeFile(temp.file("SORTLIST.DEF"), "*Code=CONTRACT.Code\r\n");
    EXPECT_EQ(SortListPath(), temp.file("SORTLIST.DEF"));
    EXPECT_EQ(SortTermList("Contract.Id"), "CONTRACT.Code");
}

TEST(SortFile, TermListTakesTheTickedTermsInFileOrderAndAtMostTen) {
    EXPECT_EQ(SortTermList(numberedLines(5, 0), "Contract.Id"), "Contract.Id");
    QList<SortLine> lines = numberedLines(4, 0);
    lines[3].selected = true;
    lines[1].selected = true;
    EXPECT_EQ(SortTermList(lines, "Contract.Id"), "T1, T3");
    // A file ticked by hand beyond the limit gives its first ten terms, each one whole.
    EXPECT_EQ(SortTermList(numberedLines(12, 12), "Contract.Id"), "T0, T1, T2, T3, T4, T5, T6, T7, T8, T9");
}

TEST(SortFile, AnEleventhTickIsRefused) {
    QList<SortLine> lines = numberedLines(12, 9);
    EXPECT_TRUE(SetSortLineSelected(lines, 9, true));
    EXPECT_EQ(CountSelectedSortLines(lines), 10);
    EXPECT_FALSE(SetSortLineSelected(lines, 10, true));
    EXPECT_FALSE(lines[10].selected);
    EXPECT_EQ(CountSelectedSortLines(lines), 10);
    // Ticking a ticked line again, or unticking, is always allowed.
    EXPECT_TRUE(SetSortLineSelected(lines, 0, true));
    EXPECT_TRUE(SetSortLineSelected(lines, 0, false));
    EXPECT_TRUE(SetSortLineSelected(lines, 10, true));
    EXPECT_EQ(CountSelectedSortLines(lines), 10);
}

TEST(SortCaptions, StringTokensTakeTheirTextFromTheCatalogue) {
    EXPECT_EQ(SortCaption("#String7", 3), "Date d'échéance");
    EXPECT_EQ(SortCaption("Tri : #String1", 3), "Tri : Désignation");
    EXPECT_EQ(SortCaption("Désignation", 3), "Désignation");
    // A token the catalogue does not hold stays as written rather than showing a placeholder.
    EXPECT_EQ(SortCaption("#String99", 3), "#String99");
}

namespace {

class SortOrderTest : public ContractsFixture {
  protected:
    void SetUp() override {
        ContractsFixture::SetUp();
        for (const char* title : {"Charlie", "alpha", "Bravo"})
            insert(QStringLiteral("INSERT INTO CONTRACT (Id_File, Title) VALUES (3, '%1')")
                       .arg(QLatin1String(title)));
        app::globals().currentDossierId = 3;
        module->Contract.replaceSqlLine("WHERE", "WHERE Id_File=3");
        module->Contract.replaceSqlLine("ORDER BY", "ORDER BY Contract.Id");
        module->Contract.open();
    }
    QStringList titles() {
        QStringList result;
        db::Dataset& c = module->Contract;
        for (c.first(); !c.eof(); c.next())
            result << c.text("Title");
        return result;
    }
    QString sortFile() { return folder.file("SortList.def"); }
};

} // namespace

TEST_F(SortOrderTest, SelectCaptionsShowTheDossiersCustomLabel) {
    LoadCustomLabels(connection(), 3);
    RenameCustomLabel(connection(), 3, 2, QStringLiteral("Loyer"));
    EXPECT_EQ(SortCaption("SELECT Contract_Misc02 FROM CUSTOMLAB", 3), "Loyer");
    EXPECT_EQ(SortCaption("SELECT Contract_Misc02 FROM CUSTOMLAB", 8), "");
    EXPECT_EQ(SortCaption("SELECT NoSuchColumn FROM CUSTOMLAB", 3), "SELECT NoSuchColumn FROM CUSTOMLAB");
}

TEST_F(SortOrderTest, TheShippedFileShowsPlainCaptionsAndEachTermSortsTheContracts) {
    LoadCustomLabels(connection(), 3);
    RenameCustomLabel(connection(), 3, 1, QStringLiteral("Loyer"));
    const QString shipped = testsupport::programDir() + QStringLiteral("Ressources/DB/SortList.def");
    const QByteArray bytes = readFile(shipped);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));
    const QList<SortLine> lines = ReadSortList(shipped);
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(CountSelectedSortLines(lines), 1);
    EXPECT_TRUE(lines[0].selected);
    EXPECT_EQ(SortCaption(lines[0].caption, 3), "Désignation");
    QStringList captions;
    for (const SortLine& line : lines) {
        const QString caption = SortCaption(line.caption, 3);
        EXPECT_FALSE(caption.isEmpty() || caption.contains("Empty") || caption.contains("SELECT"))
            << line.caption.toStdString();
        captions << caption;
        writeFile(sortFile(), app::win1252::encode("*x=" + line.term + "\r\n"));
        EXPECT_NO_THROW(ApplySortOrder(module->Contract, "Contract.Id")) << line.term.toStdString();
        EXPECT_EQ(module->Contract.recordCount(), 3);
    }
    EXPECT_TRUE(captions.contains("Loyer"));
    EXPECT_TRUE(captions.contains("Divers 2"));
}

TEST_F(SortOrderTest, ApplyingTheOrderKeepsTheCurrentContract) {
    module->Contract.locate("Title", "Bravo");
    writeFile(sortFile(), "*D\xE9signation=CONTRACT.Title\r\n");
    ApplySortOrder(module->Contract, "Contract.Id");
    EXPECT_EQ(titles(), (QStringList{"alpha", "Bravo", "Charlie"}));
    module->Contract.locate("Title", "Bravo");
    ASSERT_EQ(module->Contract.text("Title"), "Bravo");

    writeFile(sortFile(), " D\xE9signation=CONTRACT.Title\r\n");
    module->Contract.locate("Title", "Charlie");
    module->Contract.setValue("Reference", "R");
    ApplySortOrder(module->Contract, "Contract.Id");
    EXPECT_EQ(module->Contract.text("Title"), "Charlie");
    EXPECT_EQ(module->Contract.text("Reference"), "R"); // the pending edit was posted, not lost
    EXPECT_EQ(titles(), (QStringList{"Charlie", "alpha", "Bravo"}));
}

TEST_F(SortOrderTest, ATermTheEngineRefusesFallsBackToTheDefaultOrderAndSaysSo) {
    writeFile(sortFile(), "*Faux=CONTRACT.NoSuchColumn\r\n");
    module->Contract.locate("Title", "Bravo");
    EXPECT_THROW(ApplySortOrder(module->Contract, "Contract.Id"), app::AppError);
    EXPECT_TRUE(module->Contract.isOpen());
    EXPECT_EQ(module->Contract.text("Title"), "Bravo");
    EXPECT_EQ(titles(), (QStringList{"Charlie", "alpha", "Bravo"}));

    // Opening a dossier with such a file still opens it, in the default order.
    OpenDossierContracts(3, "Trois");
    EXPECT_EQ(titles(), (QStringList{"Charlie", "alpha", "Bravo"}));
    writeFile(sortFile(), "*D\xE9signation=CONTRACT.Title DESC\r\n");
    OpenDossierContracts(3, "Trois");
    EXPECT_EQ(titles(), (QStringList{"Charlie", "Bravo", "alpha"}));
}
