#include "db/Dataset.h"
#include "app/AppError.h"
#include "db/DbFixture.h"
#include "db/TDataModule1.h"

#include <QSignalSpy>

using db::Dataset;

namespace {

class DatasetTest : public DbFixture {
  protected:
    void addPeople(const QStringList& names) {
        for (const QString& name : names)
            connection.execute(
                QStringLiteral("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, '%1')").arg(name));
    }
    QStringList walk(Dataset& dataset, const QString& field) {
        QStringList seen;
        for (dataset.first(); !dataset.eof(); dataset.next())
            seen << dataset.text(field);
        return seen;
    }
};

TEST_F(DatasetTest, EveryDatasetOfTheMainModuleOpensEmptyWithItsDeclaredFilter) {
    db::TDataModule1 module(connection);
    for (Dataset* dataset : module.findChildren<Dataset*>()) {
        if (dataset->sql().isEmpty())
            continue;
        SCOPED_TRACE(dataset->name().toStdString());
        dataset->open();
        EXPECT_TRUE(dataset->isOpen());
        const bool sharedRow = dataset->name() == QLatin1String("ComboItems");
        EXPECT_EQ(db::IsDatasetEmpty(*dataset), !sharedRow);
        EXPECT_EQ(dataset->isUpdatable(), true);
    }
}

TEST_F(DatasetTest, WalksInTheOrderOfItsOrderByLineWithFrenchComparison) {
    addPeople({"Zoé", "Éric", "eric", "Erica", "Alain", "élise"});
    Dataset people(connection, "People", {"SELECT * FROM PEOPLE", "WHERE ID_FILE=-1", "ORDER BY Name"});
    people.open();
    EXPECT_EQ(people.recordCount(), 6);
    EXPECT_TRUE(people.bof());
    EXPECT_FALSE(people.eof());
    EXPECT_EQ(walk(people, "Name"), (QStringList{"Alain", "élise", "eric", "Éric", "Erica", "Zoé"}));
    EXPECT_TRUE(people.eof());
    EXPECT_EQ(people.text("Name"), "Zoé"); // stays on the last row

    people.replaceSqlLine("order by", "ORDER BY Name DESC");
    people.open();
    EXPECT_EQ(walk(people, "Name").first(), "Zoé");

    people.replaceSqlLine("WHERE", "WHERE Name LIKE 'É%'");
    people.open();
    EXPECT_EQ(walk(people, "Name"), (QStringList{"Éric", "élise"})); // case ignored, accents kept; still DESC
}

TEST_F(DatasetTest, NavigatesLocatesAndKeepsPositionOnReopen) {
    addPeople({"Alain", "Bruno", "Claire"});
    Dataset people(connection, "People",
                   {"SELECT Id, Name as [Nom] FROM PEOPLE", "WHERE ID_FILE=-1", "ORDER BY Name"});
    people.open();
    EXPECT_TRUE(people.locate("Nom", QStringLiteral("bruno")));
    EXPECT_EQ(people.recNo(), 1);
    const qint64 bruno = people.currentKey();
    db::ReopenKeepingPosition(people);
    EXPECT_EQ(people.currentKey(), bruno);
    EXPECT_EQ(people.text("nom"), "Bruno");
    people.prior();
    people.prior();
    EXPECT_TRUE(people.bof());
    EXPECT_EQ(people.text("Nom"), "Alain");
    EXPECT_FALSE(people.locate("Nom", QStringLiteral("Zorro")));
    people.last();
    EXPECT_TRUE(people.eof());
    EXPECT_EQ(people.text("Nom"), "Claire");
}

TEST_F(DatasetTest, WalkingPastEitherEndOfOneRowDoesNotMakeItLookEmpty) {
    addPeople({"Alain"});
    Dataset people(connection, "People", {"SELECT * FROM PEOPLE", "WHERE ID_FILE=-1", "ORDER BY Name"});
    people.open();
    EXPECT_EQ(walk(people, "Name"), QStringList{"Alain"});
    EXPECT_TRUE(people.eof());
    EXPECT_FALSE(people.bof());
    EXPECT_FALSE(db::IsDatasetEmpty(people));
    people.prior();
    EXPECT_TRUE(people.bof());
    EXPECT_FALSE(people.eof());
    EXPECT_FALSE(db::IsDatasetEmpty(people));
    EXPECT_EQ(people.text("Name"), "Alain");

    people.remove();
    people.next();
    people.prior();
    EXPECT_TRUE(db::IsDatasetEmpty(people));
}

TEST_F(DatasetTest, LocatesByAKeyColumnThatIsNotTheRowKey) {
    // A table that an update script may create: its key is a plain number, not the engine's row key.
    connection.executeNative("CREATE TABLE CODES (Code INT32 PRIMARY KEY, Label TEXT(50))");
    connection.execute("INSERT INTO CODES (Code, Label) VALUES (10, 'dix')");
    connection.execute("INSERT INTO CODES (Code, Label) VALUES (1, 'un')");
    Dataset codes(connection, "Codes", {"SELECT * FROM CODES", "ORDER BY Label"});
    codes.open();
    ASSERT_TRUE(codes.locate("Code", 1));
    EXPECT_EQ(codes.text("Label"), "un");
    ASSERT_TRUE(codes.locate("Code", 10));
    EXPECT_EQ(codes.text("Label"), "dix");
    EXPECT_FALSE(codes.locate("Code", 2));
}

TEST_F(DatasetTest, InsertsEditsAndCancelsWithTheirEvents) {
    Dataset contract(connection, "Contract", {"SELECT * FROM CONTRACT", "WHERE Id_File=7", "ORDER BY Title"});
    contract.open();
    QSignalSpy newRecord(&contract, &Dataset::newRecord);
    QSignalSpy afterPost(&contract, &Dataset::afterPost);
    QSignalSpy fieldChanged(&contract, &Dataset::fieldChanged);

    contract.append();
    EXPECT_EQ(contract.state(), Dataset::State::Insert);
    contract.setValue("Id_File", 7);
    contract.setValue("Title", QStringLiteral("Bail commercial"));
    contract.setValue("Date_Term", QStringLiteral("31/12/2027"));
    contract.setValue("AnnualCost", QStringLiteral("1 250,50"));
    contract.setValue("TacitRenewal", true);
    contract.post();
    EXPECT_EQ(newRecord.count(), 1);
    EXPECT_EQ(afterPost.count(), 1);
    EXPECT_EQ(fieldChanged.count(), 5);
    EXPECT_GT(contract.currentKey(), 0);
    EXPECT_EQ(contract.integer("Id"), contract.currentKey());
    EXPECT_EQ(contract.text("Date_Term"), "31/12/2027");
    EXPECT_DOUBLE_EQ(contract.number("AnnualCost"), 1250.5);
    EXPECT_TRUE(contract.boolean("TacitRenewal"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Date_Term=#12/31/2027# AND TacitRenewal=True"), 1);

    contract.setValue("Title", QStringLiteral("Autre"));
    EXPECT_EQ(contract.state(), Dataset::State::Edit);
    contract.cancel();
    EXPECT_EQ(contract.text("Title"), "Bail commercial");
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Title='Autre'"), 0);

    contract.setValue("Title", QStringLiteral("Bail d'habitation"));
    contract.next(); // moving away posts the edit
    EXPECT_EQ(contract.state(), Dataset::State::Browse);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Title='Bail d''habitation'"), 1);

    // A row being inserted has no key yet: it is not the row that was current before it.
    const qint64 posted = contract.currentKey();
    contract.append();
    EXPECT_EQ(contract.currentKey(), -1);
    contract.cancel();
    EXPECT_EQ(contract.currentKey(), posted);
}

TEST_F(DatasetTest, AValueTypedWrongIsRefusedAndTheFieldKeepsItsValue) {
    connection.execute(
        "INSERT INTO CONTRACT (Id_File, Title, AnnualCost, Date_Sign) VALUES (1, 'A', 10, #3/25/2007#)");
    Dataset contract(connection, "Contract", {"SELECT * FROM CONTRACT", "WHERE Id_File=1"});
    contract.open();
    const struct {
        const char* field;
        const char* typed;
    } wrong[] = {{"AnnualCost", "douze"},     {"AnnualCost", "inf"}, {"AnnualCost", "nan"},
                 {"Date_Sign", "31/02/2007"}, {"Date_Sign", "hier"}, {"Length", "1,5"}};
    for (const auto& c : wrong) {
        SCOPED_TRACE(c.typed);
        EXPECT_THROW(contract.setValue(c.field, QString::fromUtf8(c.typed)), app::AppError);
    }
    EXPECT_EQ(contract.state(), Dataset::State::Browse);
    EXPECT_DOUBLE_EQ(contract.number("AnnualCost"), 10);
    EXPECT_EQ(contract.text("Date_Sign"), "25/03/2007");
    contract.setValue("Date_Sign", QString());
    contract.post();
    EXPECT_TRUE(contract.isNull("Date_Sign"));
}

TEST_F(DatasetTest, ADateAndTimeIsTypedAsItIsShown) {
    connection.execute("INSERT INTO EVENT (Id_File, Id_Ref, DateEvent) VALUES (1, 1, #3/25/2007 10:20:30#)");
    Dataset event(connection, "Event", {"SELECT * FROM EVENT", "WHERE Id_Ref=1"});
    event.open();
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"25/03/2007 10:20:30", "2007-03-25 10:20:30"},
                 {"5/4/2008 9:05", "2008-04-05 09:05:00"},
                 {"06/04/2008 00:00:00", "2008-04-06"},
                 {"2008-04-07 11:00:00", "2008-04-07 11:00:00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        event.setValue("DateEvent", QString::fromUtf8(c.typed));
        event.post();
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM EVENT WHERE DateEvent='%1'").arg(c.stored)), 1);
        // What is shown can be typed back unchanged.
        event.setValue("DateEvent", event.text("DateEvent"));
        event.post();
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM EVENT WHERE DateEvent='%1'").arg(c.stored)), 1);
    }
    EXPECT_THROW(event.setValue("DateEvent", QStringLiteral("25/03/2007 25:00")), app::AppError);
}

TEST_F(DatasetTest, ATimeThatTheLocalClockSkipsReadsShowsAndIsTypedAsWritten) {
    const SummerTimeClock clock; // 31/03/2024: from 02:00 straight to 03:00
    connection.execute("INSERT INTO EVENT (Id_File, Id_Ref, DateEvent) VALUES (1, 1, '2024-03-31 02:30:00')");
    Dataset event(connection, "Event", {"SELECT * FROM EVENT", "WHERE Id_Ref=1"});
    event.open();
    EXPECT_EQ(event.text("DateEvent"), "31/03/2024 02:30:00");
    EXPECT_EQ(event.dateTime("DateEvent").time(), QTime(2, 30));
    event.setValue("DateEvent", QStringLiteral("2024-03-31 02:45:00"));
    event.post();
    EXPECT_EQ(count("SELECT COUNT(*) FROM EVENT WHERE DateEvent='2024-03-31 02:45:00'"), 1);
    event.setValue("DateEvent", event.value("DateEvent"));
    event.post();
    EXPECT_EQ(count("SELECT COUNT(*) FROM EVENT WHERE DateEvent='2024-03-31 02:45:00'"), 1);
}

TEST_F(DatasetTest, APostAfterAnotherCopyChangedTheRowFailsAndLosesNothing) {
    connection.execute("INSERT INTO CONTRACT (Id_File, Title, Code) VALUES (1, 'Ancien', 'C1')");
    db::SqliteConnection other;
    other.open(databaseFile);

    Dataset mine(connection, "Contract", {"SELECT * FROM CONTRACT", "WHERE Id_File=1"});
    mine.open();
    mine.setValue("Title", QStringLiteral("Mien"));
    other.execute("UPDATE CONTRACT SET Title='Sien' WHERE Id_File=1");
    try {
        mine.post();
        FAIL() << "the post should have been refused";
    } catch (const app::AppError& error) {
        EXPECT_TRUE(error.text().contains("modifié par un autre utilisateur")) << error.text().toStdString();
    }
    EXPECT_EQ(mine.state(), Dataset::State::Edit);
    EXPECT_EQ(mine.text("Title"), "Mien");
    mine.cancel();
    EXPECT_EQ(mine.text("Title"), "Sien");

    // A change of another column by the other copy does not stand in the way.
    other.execute("UPDATE CONTRACT SET Code='C2' WHERE Id_File=1");
    mine.setValue("Title", QStringLiteral("Mien"));
    mine.post();
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Title='Mien' AND Code='C2'"), 1);

    other.execute("DELETE FROM CONTRACT WHERE Id_File=1");
    mine.setValue("Title", QStringLiteral("Encore"));
    try {
        mine.post();
        FAIL() << "the post should have been refused";
    } catch (const app::AppError& error) {
        EXPECT_TRUE(error.text().contains("supprimé par un autre utilisateur")) << error.text().toStdString();
    }
}

TEST_F(DatasetTest, ATableAliasNamedInTheWhereAndOrderLinesKeepsTheDatasetUpdatable) {
    connection.execute("INSERT INTO CONTRACT (Id_File, Title) VALUES (1, 'Bail')");
    connection.execute("INSERT INTO CONTRACT (Id_File, Title) VALUES (1, 'Assurance')");
    connection.execute("INSERT INTO CONTRACT (Id_File, Title) VALUES (2, 'Autre dossier')");
    for (const char* select : {"SELECT C.* FROM CONTRACT AS C", "SELECT C.Id, C.Title FROM [CONTRACT] C"}) {
        SCOPED_TRACE(select);
        Dataset contract(connection, "Contract", {select, "WHERE C.Id_File=1", "ORDER BY C.Title"});
        contract.open();
        EXPECT_TRUE(contract.isUpdatable());
        EXPECT_EQ(walk(contract, "Title"), (QStringList{"Assurance", "Bail"}));
        contract.first();
        contract.setValue("Title", QStringLiteral("Assurance habitation"));
        contract.post();
        EXPECT_EQ(count("SELECT COUNT(*) FROM CONTRACT WHERE Title='Assurance habitation'"), 1);
        connection.execute("UPDATE CONTRACT SET Title='Assurance' WHERE Title='Assurance habitation'");
    }
}

TEST_F(DatasetTest, AJoinIsAReadOnlySnapshot) {
    connection.execute("INSERT INTO CONTRACT (Id_File, Title) VALUES (1, 'Bail')");
    connection.execute("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Alain')");
    connection.execute(
        "INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People, Category) VALUES (-1, 1, 1, 'Bailleur')");
    Dataset joined(
        connection, "Query",
        {"SELECT CONTRACT.Title, PEOPLE.Name as [Nom], L_PEOPLE.Category FROM (CONTRACT LEFT JOIN L_PEOPLE "
         "ON CONTRACT.Id = L_PEOPLE.Id_Ref) LEFT JOIN PEOPLE ON L_PEOPLE.Id_People = PEOPLE.Id",
         "WHERE CONTRACT.Id_File=1"});
    joined.open();
    EXPECT_FALSE(joined.isUpdatable());
    EXPECT_EQ(joined.recordCount(), 1);
    EXPECT_EQ(joined.text("Nom"), "Alain");
    EXPECT_THROW(joined.setValue("Nom", QStringLiteral("Bruno")), app::AppError);
    EXPECT_THROW(joined.remove(), app::AppError);
    EXPECT_EQ(joined.text("Nom"), "Alain");
}

TEST_F(DatasetTest, HelpersFindLinesRunStatementsAndCaptionContracts) {
    EXPECT_EQ(db::FindSqlLine({"SELECT * FROM TREE", "WHERE Id_File=-1", "ORDER BY NODEPOS"}, "WHERE"), 1);
    EXPECT_EQ(db::FindSqlLine({"SELECT * FROM TREE", "where Id_File=-1", "ORDER BY NODEPOS"}, "ORDER BY"), 2);
    EXPECT_EQ(db::FindSqlLine({"SELECT * FROM TREE"}, "WHERE"), -1);

    Dataset work(connection, "Query");
    connection.execute("INSERT INTO CONTRACT (Id_File, Title, NoContract) VALUES (1, '', 'N-7')");
    connection.execute("INSERT INTO CONTRACT (Id_File, Title, NoContract) VALUES (1, 'Bail', '')");
    EXPECT_EQ(db::ExecuteSql(work, "UPDATE CONTRACT SET Tag='x' WHERE Id_File=1"), 2);
    EXPECT_FALSE(work.isOpen());

    Dataset contract(connection, "Contract", {"SELECT * FROM CONTRACT", "WHERE Id_File=1", "ORDER BY Id"});
    EXPECT_EQ(db::ContractCaption(contract, "<", ">"), "");
    contract.open();
    EXPECT_EQ(db::ContractCaption(contract, "Contrat (", ")"), "Contrat (Pas de désignation - N-7)");
    contract.next();
    EXPECT_EQ(db::ContractCaption(contract, "", ""), "Bail");
    contract.setValue("Title", QString(300, QLatin1Char('x')));
    EXPECT_EQ(db::ContractCaption(contract, "", "").size(), 255);
}

} // namespace
