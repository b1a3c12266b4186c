#include "contracts/NavigationRules.h"

#include "ContractsFixture.h"

using namespace contracts;

TEST(LevelRule, EachRowFindsItsParentRow) {
    const struct {
        QList<int> levels;
        QList<int> parents;
    } cases[] = {
        {{}, {}},
        {{0, 0, 0}, {-1, -1, -1}},
        {{0, 1, 2, 1, 0}, {-1, 0, 1, 0, -1}},
        {{0, 1, 1, 2, 0, 1}, {-1, 0, 0, 2, -1, 4}},
        // Back from depth 3 to depth 1: sibling of the nearest earlier node at depth 1.
        {{0, 1, 2, 3, 1}, {-1, 0, 1, 2, 0}},
        // A level that jumps down two steps gives a child; going back one step finds that child's depth.
        {{0, 2, 1}, {-1, 0, 0}},
        {{0, 1, 2, 0, 2}, {-1, 0, 1, -1, 3}},
        // A first row below level 0 has no node to hang from: it is a top node, and so are its equals.
        {{1, 1, 0}, {-1, -1, -1}},
        // A level that no earlier node has: a top node.
        {{0, 1, -1}, {-1, 0, -1}},
    };
    for (const auto& c : cases) {
        QStringList text;
        for (int level : c.levels)
            text << QString::number(level);
        EXPECT_EQ(ParentsByLevelRule(c.levels), c.parents) << text.join(QLatin1Char(',')).toStdString();
    }
}

TEST(NodeCaptions, DesignationNumberAndStoredState) {
    const struct {
        const char* title;
        const char* number;
        const char* state;
        const char* caption;
    } cases[] = {{"Bail du dépôt", "2008-14", "SIGNE", "Bail du dépôt - 2008-14 (SIGNE)"},
                 {"Bail du dépôt", "", "PROJET", "Bail du dépôt (PROJET)"},
                 {"", "", "", "Pas de désignation"},
                 {"", "7", "", "Pas de désignation - 7"},
                 {"Assurance", "", "", "Assurance"}};
    for (const auto& c : cases)
        EXPECT_EQ(ContractNodeCaption(QString::fromUtf8(c.title), QString::fromUtf8(c.number),
                                      QString::fromUtf8(c.state)),
                  QString::fromUtf8(c.caption));

    EXPECT_EQ(StateDisplayName("SIGNE"), "Signé");
    EXPECT_EQ(StateDisplayName("PROJET"), "Projet");
    EXPECT_EQ(StateDisplayName("ARCHIVE"), "Archivé");
    EXPECT_EQ(StateDisplayName("AUTRE"), "");
    EXPECT_EQ(StateWord("Archivé"), "ARCHIVE");
    EXPECT_EQ(StateWord("Statut"), "");
}

TEST(GroupingStatements, CategoryStatementIsWrittenLineByLineWithTheQuoteDoubled) {
    EXPECT_EQ(
        GroupingStatement("category", "Contrats", "Bail d'été", 12, 3),
        "SELECT Distinct CONTRACT.Id, CONTRACT.Id_File, CONTRACT.Title , CONTRACT.NoContract , "
        "CONTRACT.State \n"
        "FROM (((CONTRACT LEFT JOIN L_PEOPLE ON CONTRACT.Id = L_PEOPLE.Id_Ref) LEFT JOIN L_COMPANY ON "
        "CONTRACT.Id = L_COMPANY.Id_Ref) LEFT JOIN COMPANY ON L_COMPANY.Id_Company = COMPANY.Id) LEFT JOIN "
        "PEOPLE ON L_PEOPLE.Id_People = PEOPLE.Id \n"
        "WHERE CONTRACT.Category='Contrats/Bail d''été' AND CONTRACT.Id_File=3\n"
        " ORDER BY CONTRACT.Title");
    EXPECT_TRUE(
        GroupingStatement("all", AllContractsCaption, "", -1, 5).contains("\nWHERE CONTRACT.Id_File=5\n"));
    // A value is cut before its quotes are doubled, so that a cut never splits a doubled quote.
    const QString quoted = QuotedSqlValue(QString(254, QLatin1Char('a')) + QStringLiteral("''"));
    EXPECT_EQ(quoted, QLatin1Char('\'') + QString(254, QLatin1Char('a')) + QStringLiteral("'''"));
}

namespace {

class GroupingTest : public ContractsFixture {
  protected:
    void SetUp() override {
        ContractsFixture::SetUp();
        quoted = contract(3, "Bail d''été", "B-1", "PROJET", "'Contrats/Bail d''été'", "NULL");
        top = contract(3, "Assurance", "", "SIGNE", "'Contrats'", "'Paris/Bureau'");
        located = contract(3, "Entretien", "E-9", "ARCHIVE", "NULL", "''");
        contract(3, "Abonnement", "", "PROJET", "NULL", "NULL");
        contract(4, "Autre dossier", "", "SIGNE", "'Contrats'", "'Paris/Bureau'");
        for (qint64 id : {quoted, quoted, top})
            insert(QStringLiteral("INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People) VALUES (-1, %1, 7)")
                       .arg(id));
        insert(QStringLiteral("INSERT INTO L_COMPANY (Id_File, Id_Ref, Id_Company) VALUES (-1, %1, 9)")
                   .arg(located));
    }
    qint64 contract(int dossier, const char* title, const char* number, const char* state,
                    const char* category, const char* location) {
        return insert(
            QStringLiteral("INSERT INTO CONTRACT (Id_File, Title, NoContract, State, Category, Location) "
                           "VALUES (%1, '%2', '%3', '%4', %5, %6)")
                .arg(dossier)
                .arg(QString::fromUtf8(title), QString::fromUtf8(number), QString::fromUtf8(state),
                     QString::fromUtf8(category), QString::fromUtf8(location)));
    }
    // The node captions of the contracts the statement returns, in its order.
    QStringList captions(const QString& statement) {
        QStringList result;
        db::SqliteStatement rows = connection().prepare(statement);
        while (rows.step())
            result << ContractNodeCaption(rows.textValue(2), rows.textValue(3), rows.textValue(4));
        return result;
    }
    qint64 quoted = 0, top = 0, located = 0;
};

} // namespace

TEST_F(GroupingTest, EachGroupingNodeListsTheContractsOfTheOpenDossierThatBelongToIt) {
    const struct {
        const char* kind;
        const char* top;
        const char* path;
        qint64 id;
        QStringList expected;
    } cases[] = {
        {"category", "Contrats", "Bail d'été", 12, {"Bail d'été - B-1 (PROJET)"}},
        {"category", "Contrats", "", 10, {"Assurance (SIGNE)"}},
        {"category", "contrats", "bail d'ÉTÉ", 12, {"Bail d'été - B-1 (PROJET)"}},
        {"location", "Localisations", "Paris/Bureau", 5, {"Assurance (SIGNE)"}},
        // The top node selects the empty location, not the one never set.
        {"location", "Localisations", "", 1, {"Entretien - E-9 (ARCHIVE)"}},
        {"people", "Personnes physiques", "Dupont", 7, {"Assurance (SIGNE)", "Bail d'été - B-1 (PROJET)"}},
        {"company", "Personnes morales", "ACME", 9, {"Entretien - E-9 (ARCHIVE)"}},
        {"state", "Statut", "Signé", -1, {"Assurance (SIGNE)"}},
        {"state", "Statut", "Projet", -1, {"Abonnement (PROJET)", "Bail d'été - B-1 (PROJET)"}},
        {"all",
         "Tous les contrats",
         "",
         -1,
         {"Abonnement (PROJET)", "Assurance (SIGNE)", "Bail d'été - B-1 (PROJET)",
          "Entretien - E-9 (ARCHIVE)"}},
    };
    for (const auto& c : cases) {
        const QString statement = GroupingStatement(QString::fromUtf8(c.kind), QString::fromUtf8(c.top),
                                                    QString::fromUtf8(c.path), c.id, 3);
        ASSERT_FALSE(statement.isEmpty()) << c.kind << " " << c.path;
        EXPECT_EQ(captions(statement), c.expected) << c.kind << " " << c.path;
    }
}

TEST_F(GroupingTest, TopNodesOfPeopleCompaniesAndStatesLoadNothing) {
    EXPECT_EQ(GroupingStatement("peoples", PeopleTopCaption, "", -1, 3), "");
    EXPECT_EQ(GroupingStatement("companies", CompaniesTopCaption, "", -1, 3), "");
    EXPECT_EQ(GroupingStatement("state", StateTopCaption, "", -1, 3), "");
    // A person whose name is a state's is still a person.
    EXPECT_EQ(captions(GroupingStatement("people", PeopleTopCaption, "Projet", 7, 3)).size(), 2);
}

TEST_F(GroupingTest, RecaptionStatementsReadTheCurrentCaptionOrNothingWhenTheRowIsGone) {
    const qint64 company = insert("INSERT INTO COMPANY (Id_File, Title) VALUES (-1, 'ACME SA')");
    const qint64 person = insert("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Durand')");
    const qint64 category =
        insert("INSERT INTO TREE (Id_File, NodeTitle, NodeLevel, NodePos) VALUES (3, 'Baux', 1, 1)");
    const qint64 location = insert(
        "INSERT INTO TREE_LOCATION (Id_File, NodeTitle, NodeLevel, NodePos) VALUES (-1, 'Lyon', 1, 1)");
    EXPECT_EQ(column(RecaptionStatement("company", company)), QStringList{"ACME SA"});
    EXPECT_EQ(column(RecaptionStatement("people", person)), QStringList{"Durand"});
    EXPECT_EQ(column(RecaptionStatement("category", category)), QStringList{"Baux"});
    EXPECT_EQ(column(RecaptionStatement("location", location)), QStringList{"Lyon"});
    EXPECT_EQ(column(RecaptionStatement("people", person + 100)), QStringList{});
    EXPECT_EQ(RecaptionStatement("contract", 1), "");
    EXPECT_EQ(RecaptionStatement("state", 1), "");
}

TEST_F(GroupingTest, LinkedPeopleAndCompaniesAreListedOnceEach) {
    insert("INSERT INTO PEOPLE (Id, Id_File, Name) VALUES (7, -1, 'Dupont')");
    insert("INSERT INTO COMPANY (Id, Id_File, Title) VALUES (9, -1, 'ACME')");
    insert("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Sans contrat')");
    EXPECT_EQ(column(PeopleNodesStatement()), QStringList{"7"});
    EXPECT_EQ(column(CompanyNodesStatement()), QStringList{"9"});
}
