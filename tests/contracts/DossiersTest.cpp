#include "contracts/Dossiers.h"

#include "ContractsFixture.h"
#include "app/AppError.h"
#include "app/IniFile.h"
#include "contracts/CustomLabels.h"
#include "contracts/DossierOpening.h"

using namespace contracts;

namespace {

const char* const NumberingKeys[] = {"AutoCalcCode#", "CodePrefix#", "CodeSufix#", "FormatCodeCount#",
                                     "CodeCount#"};

class DossiersTest : public ContractsFixture {
  protected:
    qint64 contract(int dossier, const QString& title) {
        return insert(QStringLiteral("INSERT INTO CONTRACT (Id_File, Title) VALUES (%1, '%2')")
                          .arg(dossier)
                          .arg(title));
    }
    QStringList numberingKeys(const app::IniFile& ini, int dossier) {
        QStringList present;
        for (const char* key : NumberingKeys)
            if (ini.contains("AutoCalc", QLatin1String(key) + QString::number(dossier)))
                present << QLatin1String(key);
        return present;
    }
};

class CountingProgress : public db::DeletionProgress {
  public:
    void setMessage(const QString& text) override { messages << text; }
    void setMaximum(int) override {}
    void advance() override { ++steps; }
    QStringList messages;
    int steps = 0;
};

} // namespace

TEST_F(DossiersTest, AddedDossiersAreListedWithWhetherTheyHaveAPassword) {
    EXPECT_EQ(CountDossiers(connection()), 0);
    EXPECT_TRUE(ListDossiers(connection()).isEmpty());
    const int first = AddDossier(*module, "Maison", "", "Marie", "Observations");
    const int second = AddDossier(*module, "Société", "Secret");
    EXPECT_GT(second, first);
    EXPECT_EQ(CountDossiers(connection()), 2);
    const QList<DossierSummary> list = ListDossiers(connection());
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].id, first);
    EXPECT_EQ(list[0].name, "Maison");
    EXPECT_FALSE(list[0].hasPassword);
    EXPECT_EQ(list[1].name, "Société");
    EXPECT_TRUE(list[1].hasPassword);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PROFILES WHERE FullName='Marie' AND "
                                   "Comment='Observations' AND Id=%1")
                        .arg(first)),
              1);
    EXPECT_FALSE(module->MainFile.isOpen());

    EXPECT_THROW(AddDossier(*module, "  ", ""), app::AppError);
    EXPECT_EQ(CountDossiers(connection()), 2);
}

TEST_F(DossiersTest, PasswordsAreReadThroughTheDossierListAndComparedExactly) {
    const int open = AddDossier(*module, "Libre", "");
    const int locked = AddDossier(*module, "Privé", "Secret");
    const QStringList sql = module->MainFile.sql();
    EXPECT_EQ(ReadDossierPassword(*module, open), "");
    EXPECT_EQ(ReadDossierPassword(*module, locked), "Secret");
    EXPECT_EQ(module->MainFile.sql(), sql);
    EXPECT_FALSE(module->MainFile.isOpen());

    EXPECT_TRUE(PasswordMatches("Secret", "Secret"));
    EXPECT_FALSE(PasswordMatches("secret", "Secret"));
    EXPECT_FALSE(PasswordMatches("Secret ", "Secret"));
    EXPECT_FALSE(PasswordMatches("", "Secret"));

    // A dossier deleted by another copy of the program cannot be opened as if it had no password.
    EXPECT_THROW(ReadDossierPassword(*module, locked + 10), app::AppError);
    EXPECT_EQ(module->MainFile.sql(), sql);
}

TEST_F(DossiersTest, OpeningFiltersAndSortsTheContractsAndClosingSavesAndEmptiesThem) {
    const int id = AddDossier(*module, "Maison", "");
    contract(id, "Zinc");
    contract(id, "Abri");
    contract(id + 1, "Ailleurs");
    testsupport::writeFile(folder.file("SortList.def"), " Code=CONTRACT.Code\r\n*Titre=CONTRACT.Title\r\n");

    OpenDossierContracts(id, "Maison");
    db::Dataset& c = module->Contract;
    EXPECT_EQ(app::globals().currentDossierId, id);
    ASSERT_EQ(c.recordCount(), 2);
    EXPECT_EQ(c.text("Title"), "Abri");
    EXPECT_TRUE(module->ContractFile.isOpen());
    EXPECT_TRUE(module->Tree.sql().contains(QStringLiteral("WHERE Id_File=%1").arg(id)));

    app::settings().autoCalcCode = true;
    app::settings().codePrefix = "M-";
    c.setValue("Reference", "R1");
    CloseDossierData(*module);
    EXPECT_EQ(app::globals().currentDossierId, -1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Title='Abri' AND Reference='R1'"), 1);
    EXPECT_TRUE(c.isOpen());
    EXPECT_TRUE(db::IsDatasetEmpty(c));
    EXPECT_TRUE(c.sql().contains("WHERE Id_File=-99"));
    EXPECT_FALSE(module->ContractFile.isOpen());
    const app::IniFile ini(app::SettingsFilePath());
    EXPECT_EQ(ini.value("AutoCalc", QStringLiteral("CodePrefix#%1").arg(id)), "M-");
    EXPECT_TRUE(ini.boolValue("AutoCalc", QStringLiteral("AutoCalcCode#%1").arg(id), false));
}

TEST_F(DossiersTest, DeletingTheOpenDossierTakesItsDataAndItsFiveNumberingKeys) {
    const int gone = AddDossier(*module, "Ancien", "");
    const int kept = AddDossier(*module, "Actuel", "");
    const qint64 goneContract = contract(gone, "Bail");
    contract(gone, "Assurance");
    const qint64 keptContract = contract(kept, "Reste");
    insert(QStringLiteral("INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People) VALUES (-1, %1, 1)")
               .arg(goneContract));
    insert(QStringLiteral("INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People) VALUES (-1, %1, 1)")
               .arg(keptContract));
    insert("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Durand')");
    insert(
        QStringLiteral("INSERT INTO TREE (Id_File, NodeTitle, NodeLevel, NodePos) VALUES (%1, 'Baux', 0, 0)")
            .arg(gone));
    LoadCustomLabels(connection(), gone);
    LoadCustomLabels(connection(), kept);
    app::IniFile ini;
    for (int dossier : {gone, kept})
        for (const char* key : NumberingKeys)
            ini.setValue("AutoCalc", QLatin1String(key) + QString::number(dossier), "1");
    ini.save(app::SettingsFilePath());

    OpenDossierContracts(gone, "Ancien");
    CountingProgress progress;
    DeleteDossierData(*module, gone, &progress);

    EXPECT_EQ(app::globals().currentDossierId, -1);
    EXPECT_TRUE(module->Contract.isOpen());
    EXPECT_TRUE(db::IsDatasetEmpty(module->Contract));
    EXPECT_FALSE(module->MainFile.isOpen());
    EXPECT_EQ(progress.steps, 3); // the step of the dossier's rows, then one per contract
    EXPECT_EQ(ListDossiers(connection()).size(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(gone)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM L_PEOPLE WHERE Id_Ref=%1").arg(goneContract)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TREE WHERE Id_File=%1").arg(gone)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CUSTOMLAB WHERE Id_File=%1").arg(gone)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(kept)), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM L_PEOPLE WHERE Id_Ref=%1").arg(keptContract)), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CUSTOMLAB WHERE Id_File=%1").arg(kept)), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PEOPLE"), 1);

    const app::IniFile after(app::SettingsFilePath());
    EXPECT_TRUE(numberingKeys(after, gone).isEmpty()) << numberingKeys(after, gone).join(", ").toStdString();
    EXPECT_EQ(numberingKeys(after, kept).size(), 5);

    EXPECT_THROW(DeleteDossierData(*module, gone, nullptr), app::AppError);
}

TEST_F(DossiersTest, DeletingAnotherDossierLeavesTheOpenOneAsItWas) {
    const int open = AddDossier(*module, "Ouvert", "");
    const int other = AddDossier(*module, "Autre", "");
    contract(open, "Premier");
    contract(open, "Second");
    contract(other, "Ailleurs");
    OpenDossierContracts(open, "Ouvert");
    module->Contract.last();
    module->Contract.setValue("Reference", "modifié");

    DeleteDossierData(*module, other, nullptr);

    EXPECT_EQ(app::globals().currentDossierId, open);
    EXPECT_EQ(module->Contract.recordCount(), 2);
    EXPECT_EQ(module->Contract.text("Title"), "Second");
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Reference='modifié'"), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(other)), 0);
}

TEST_F(DossiersTest, AFailedDeletionLeavesTheDossierWholeAndOpen) {
    const int id = AddDossier(*module, "Gardé", "");
    contract(id, "Premier");
    contract(id, "Second");
    app::IniFile ini;
    ini.setValue("AutoCalc", QStringLiteral("CodeCount#%1").arg(id), "4");
    ini.save(app::SettingsFilePath());
    OpenDossierContracts(id, "Gardé");
    module->Contract.last();
    connection().executeNative(
        "CREATE TRIGGER refus BEFORE DELETE ON CONTRACT BEGIN SELECT RAISE(ABORT, 'refus'); END");

    EXPECT_THROW(DeleteDossierData(*module, id, nullptr), app::AppError);

    EXPECT_EQ(app::globals().currentDossierId, id);
    EXPECT_EQ(CountDossiers(connection()), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(id)), 2);
    EXPECT_EQ(module->Contract.recordCount(), 2);
    EXPECT_EQ(module->Contract.text("Title"), "Second");
    EXPECT_FALSE(module->MainFile.isOpen());
    EXPECT_EQ(app::IniFile(app::SettingsFilePath()).value("AutoCalc", QStringLiteral("CodeCount#%1").arg(id)),
              "4");
}
