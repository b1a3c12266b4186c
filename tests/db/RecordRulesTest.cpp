#include "app/AppError.h"
#include "app/Settings.h"
#include "contracts/CodeNumbering.h"
#include "db/TDataModule1.h"
#include "support/TestSupport.h"
#include "db/DbFixture.h"

#include <QFile>
#include <QSignalSpy>

using db::Dataset;
using db::TDataModule1;

namespace {

class RecordRulesTest : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        connection.execute("INSERT INTO PROFILES (ID, LoginName) VALUES (3, 'Trois')");
        app::globals().currentDossierId = 3;
        app::settings() = app::Settings();
        module = std::make_unique<TDataModule1>(connection);
        module->Contract.replaceSqlLine("WHERE", "WHERE Id_File=3");
        module->Contract.open();
    }
    void TearDown() override { app::globals().currentDossierId = -1; }

    qint64 newContract(const QString& title)
    {
        module->Contract.append();
        module->Contract.setValue("Title", title);
        module->Contract.post();
        return module->Contract.currentKey();
    }
    // A page or an attached file of the contract, with its stored file on disk.
    qint64 addStored(const QString& table, qint64 contract, QString (*path)(qint64))
    {
        connection.execute(QStringLiteral("INSERT INTO %1 (Id_File, Id_Ref, Title) VALUES (3, %2, 'x')")
                               .arg(table)
                               .arg(contract));
        const qint64 id = connection.lastInsertId();
        testsupport::writeFile(path(id), "contenu");
        return id;
    }
    void addChildren(qint64 contract)
    {
        connection.execute(QStringLiteral("INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People) VALUES (-1, %1, 1)").arg(contract));
        connection.execute(QStringLiteral("INSERT INTO L_COMPANY (Id_File, Id_Ref, Id_Company) VALUES (-1, %1, 1)").arg(contract));
        connection.execute(QStringLiteral("INSERT INTO EVENT (Id_File, Id_Ref, DateEvent) VALUES (3, %1, #1/2/2026#)").arg(contract));
    }
    int children(qint64 contract)
    {
        int total = 0;
        for (const char* table : {"L_PEOPLE", "L_COMPANY", "EVENT", "CONTRACTIMG", "CONTRACTFILE"})
            total += count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Id_Ref=%2").arg(QLatin1String(table)).arg(contract));
        return total;
    }

    std::unique_ptr<TDataModule1> module;
};

TEST_F(RecordRulesTest, ANewContractHasItsDefaultsAndIsAlreadyInTheTable)
{
    module->Contract.append();
    Dataset& c = module->Contract;
    EXPECT_EQ(c.state(), Dataset::State::Edit);
    EXPECT_GT(c.currentKey(), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id=%1 AND Id_File=3").arg(c.currentKey())), 1);
    EXPECT_EQ(c.text("State"), "PROJET");
    EXPECT_EQ(c.integer("Length"), 12);
    EXPECT_EQ(c.integer("Alarm"), 0);
    EXPECT_DOUBLE_EQ(c.number("AnnualCost"), 0);
    EXPECT_TRUE(c.boolean("TacitRenewal"));
    EXPECT_TRUE(c.text("Code").isEmpty());
    EXPECT_EQ(c.value("Detail"), QVariant(QString()));
    EXPECT_FALSE(c.isNull("Keyword"));
}

TEST_F(RecordRulesTest, NoContractIsAddedToADossierThatAnotherCopyDeleted)
{
    connection.execute("DELETE FROM PROFILES WHERE ID=3");
    EXPECT_THROW(module->Contract.append(), app::AppError);
    EXPECT_EQ(module->Contract.state(), Dataset::State::Browse);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT"), 0);
}

TEST_F(RecordRulesTest, NumberingGivesTheNextPaddedCodeAndStoresTheCounter)
{
    app::settings().autoCalcCode = true;
    app::settings().codePrefix = "A";
    app::settings().formatCodeCount = 4;
    contracts::WriteCodeCounter(41);
    module->Contract.append();
    EXPECT_EQ(module->Contract.text("Code"), "A0042");
    EXPECT_EQ(contracts::ReadCodeCounter(), 42);
    module->Contract.post();
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Code='A0042'"), 1);
}

TEST_F(RecordRulesTest, ChangingTheDesignationRecaptionsTheContract)
{
    const qint64 id = newContract("Bail");
    QSignalSpy caption(module.get(), &TDataModule1::contractCaptionChanged);
    module->Contract.setValue("NoContract", QStringLiteral("N-1"));
    EXPECT_EQ(caption.count(), 0);
    module->Contract.setValue("Title", QStringLiteral("Assurance"));
    ASSERT_EQ(caption.count(), 1);
    EXPECT_EQ(caption[0][0].toLongLong(), id);
    EXPECT_EQ(caption[0][1].toString(), "Assurance - N-1");
}

TEST_F(RecordRulesTest, DeletingAContractRemovesItsRowsPagesAndFiles)
{
    const qint64 kept = newContract("Gardé");
    addChildren(kept);
    const qint64 keptPage = addStored("CONTRACTIMG", kept, &TDataModule1::pageImagePath);
    const qint64 gone = newContract("Supprimé");
    addChildren(gone);
    const qint64 page1 = addStored("CONTRACTIMG", gone, &TDataModule1::pageImagePath);
    const qint64 page2 = addStored("CONTRACTIMG", gone, &TDataModule1::pageImagePath);
    const qint64 file = addStored("CONTRACTFILE", gone, &TDataModule1::attachedFilePath);
    QFile::remove(TDataModule1::pageImagePath(page2)); // a missing file is skipped

    QSignalSpy removedNodes(module.get(), &TDataModule1::contractDeleting);
    ASSERT_TRUE(module->Contract.locateKey(gone));
    module->Contract.remove();

    EXPECT_EQ(removedNodes.count(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id=%1").arg(gone)), 0);
    EXPECT_EQ(children(gone), 0);
    EXPECT_FALSE(QFile::exists(TDataModule1::pageImagePath(page1)));
    EXPECT_FALSE(QFile::exists(TDataModule1::attachedFilePath(file)));
    EXPECT_EQ(children(kept), 4);
    EXPECT_TRUE(QFile::exists(TDataModule1::pageImagePath(keptPage)));
    EXPECT_EQ(module->Contract.recordCount(), 1);
    EXPECT_EQ(module->Contract.currentKey(), kept);
}

TEST_F(RecordRulesTest, AFailedContractDeletionLeavesTheContractWhole)
{
    const qint64 id = newContract("Bail");
    addChildren(id);
    const qint64 page = addStored("CONTRACTIMG", id, &TDataModule1::pageImagePath);
    connection.executeNative("CREATE TRIGGER refuse BEFORE DELETE ON EVENT BEGIN SELECT RAISE(ABORT, 'refusé'); END");

    EXPECT_THROW(module->Contract.remove(), app::AppError);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id=%1").arg(id)), 1);
    EXPECT_EQ(children(id), 4);
    EXPECT_TRUE(QFile::exists(TDataModule1::pageImagePath(page)));

    // A later deletion elsewhere does not take the surviving page's file with it.
    connection.execute("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Alain')");
    module->People.open();
    module->People.remove();
    EXPECT_TRUE(QFile::exists(TDataModule1::pageImagePath(page)));
}

TEST_F(RecordRulesTest, ADeletionThatTheEngineRolledBackWhollyLeavesNoTransactionBehind)
{
    const qint64 id = newContract("Bail");
    addChildren(id);
    // Some failures (a full disk, a trigger's ROLLBACK) make the engine end the whole transaction itself.
    connection.executeNative(
        "CREATE TRIGGER refuse BEFORE DELETE ON EVENT BEGIN SELECT RAISE(ROLLBACK, 'refusé'); END");

    EXPECT_THROW(module->Contract.remove(), app::AppError);
    EXPECT_EQ(connection.transactionDepth(), 0);
    EXPECT_EQ(children(id), 3);

    // What is deleted afterwards is committed and takes its file along.
    connection.execute("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Alain')");
    const QString photo = TDataModule1::personImagePath(connection.lastInsertId());
    testsupport::writeFile(photo, "jpeg");
    module->People.open();
    module->People.remove();
    EXPECT_FALSE(QFile::exists(photo));
    EXPECT_EQ(count("SELECT COUNT(*) FROM PEOPLE"), 0);
}

TEST_F(RecordRulesTest, PeopleAndCompaniesAreSharedAndTakeTheirPictureAlong)
{
    for (Dataset* dataset : {&module->People, &module->CompanyList}) {
        SCOPED_TRACE(dataset->name().toStdString());
        dataset->open();
        dataset->append();
        dataset->post();
        EXPECT_EQ(dataset->integer("Id_File"), -1);
        const qint64 id = dataset->currentKey();
        const QString picture = dataset == &module->People ? TDataModule1::personImagePath(id)
                                                           : TDataModule1::companyImagePath(id);
        testsupport::writeFile(picture, "jpeg");
        dataset->remove();
        EXPECT_FALSE(QFile::exists(picture));
        dataset->append();
        dataset->post();
        dataset->remove(); // no picture: nothing to delete, no error
        EXPECT_TRUE(db::IsDatasetEmpty(*dataset));
    }
}

class DeletionSteps : public db::DeletionProgress {
public:
    void setMessage(const QString& text) override { steps << text; }
    void setMaximum(int maximum) override { steps << QStringLiteral("max %1").arg(maximum); }
    void advance() override { ++advanced; }
    QStringList steps;
    int advanced = 0;
};

TEST_F(RecordRulesTest, DeletingADossierDeletesItsRowsAndKeepsTheSharedOnes)
{
    connection.execute("INSERT INTO PROFILES (LoginName) VALUES ('Autre')");
    connection.execute("INSERT INTO PROFILES (LoginName) VALUES ('Supprimé')");
    const qint64 dossier = connection.lastInsertId();
    app::globals().currentDossierId = static_cast<int>(dossier);
    module->Contract.replaceSqlLine("WHERE", QStringLiteral("WHERE Id_File=%1").arg(dossier));
    module->Contract.open();
    const qint64 first = newContract("Un");
    const qint64 page = addStored("CONTRACTIMG", first, &TDataModule1::pageImagePath);
    newContract("Deux");
    const QString d = QString::number(dossier);
    for (const QString& statement : QStringList{
             "INSERT INTO TREE (Id_File, NodeTitle) VALUES (" + d + ", 'Catégorie')",
          "INSERT INTO TREE (Id_File, NodeTitle) VALUES (1, 'Autre dossier')",
          "INSERT INTO CUSTOMLAB (Id_File) VALUES (" + d + ")",
          "INSERT INTO OBJECT_VAL_INT (ID_CLASS, ID_ATTRIBUTE, USERID, [VALUE]) VALUES (1, 1, " + d + ", 5)",
          "INSERT INTO COMBOITEMS (Id_File) VALUES (" + d + ")", "UPDATE COMBOITEMS SET Id_File=" + d,
          QString("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Partagé')"),
          QString("INSERT INTO TREE_LOCATION (NodeTitle) VALUES ('Armoire')")})
        connection.execute(statement);

    DeletionSteps progress;
    module->setDeletionProgress(&progress);
    module->MainFile.open();
    ASSERT_TRUE(module->MainFile.locate("ID", dossier));
    module->MainFile.remove();

    EXPECT_EQ(progress.steps, (QStringList{"Suppression des contrats", "max 1", "max 2", "Suppression du dossier"}));
    EXPECT_EQ(progress.advanced, 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PROFILES WHERE ID=" + d), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACTIMG"), 0);
    EXPECT_FALSE(QFile::exists(TDataModule1::pageImagePath(page)));
    EXPECT_EQ(count("SELECT COUNT(*) FROM TREE"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUSTOMLAB"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM OBJECT_VAL_INT"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM COMBOITEMS"), 1); // the shared first row stays
    EXPECT_EQ(count("SELECT COUNT(*) FROM PEOPLE"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TREE_LOCATION WHERE Id_File=-1"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM OBJECT_VAL_STR WHERE USERID=-99"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PROFILES"), 2); // "Trois" and "Autre"
}

} // namespace
