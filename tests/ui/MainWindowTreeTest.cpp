// The navigation tree of the main window: its build, the grouping nodes loaded on click, and the contract
// nodes that follow the record (designation, state, deletion, category removal).
#include "MainWindowTestFixture.h"

#include "ui/NavigationTree.h"
#include "ui/TStrList.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {

using mainwindow::MainWindowFixture;

class MainWindowTreeTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        m_dossier = addDossier(QStringLiteral("Bureau"));
    }
    ui::NavigationTree* tree() const { return find<ui::NavigationTree>("Tree_Global"); }
    // The node at a path of captions ("Statut/Signé").
    QTreeWidgetItem* node(const QString& path) const {
        const QStringList captions = path.split(QLatin1Char('/'));
        QTreeWidgetItem* found = nullptr;
        for (int i = 0; i < tree()->topLevelItemCount() && !found; ++i)
            if (tree()->topLevelItem(i)->text(0) == captions.front())
                found = tree()->topLevelItem(i);
        for (qsizetype depth = 1; depth < captions.size() && found; ++depth) {
            QTreeWidgetItem* parent = found;
            found = nullptr;
            for (int i = 0; i < parent->childCount() && !found; ++i)
                if (parent->child(i)->text(0) == captions[depth])
                    found = parent->child(i);
        }
        EXPECT_NE(found, nullptr) << path.toStdString();
        return found;
    }
    static QStringList children(const QTreeWidgetItem* parent) {
        QStringList captions;
        for (int i = 0; parent && i < parent->childCount(); ++i)
            captions << parent->child(i)->text(0);
        return captions;
    }
    QStringList topCaptions() const {
        QStringList captions;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            captions << tree()->topLevelItem(i)->text(0);
        return captions;
    }
    // A click of the mouse on the node, as the user gives it.
    void click(QTreeWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        tree()->scrollToItem(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(item).center());
    }
    QString heading() const { return find<QLabel>("Lab_Title_Mat")->text(); }

    int m_dossier = -1;
};

TEST_F(MainWindowTreeTest, TheTreeShowsCategoriesByLevelThenPartiesLocationsStatesAndAll) {
    addCategory(m_dossier, QStringLiteral("Bureaux"), 0, 0);
    addCategory(m_dossier, QStringLiteral("Paris"), 1, 1);
    addCategory(m_dossier, QStringLiteral("Etage 1"), 2, 2);
    addCategory(m_dossier, QStringLiteral("Lyon"), 1, 3);
    addCategory(m_dossier, QStringLiteral("Véhicules"), 0, 4);
    const int other = addDossier(QStringLiteral("Autre"));
    addCategory(other, QStringLiteral("Pas ici"), 0, 0);
    const qint64 contractId = addContract(m_dossier, QStringLiteral("Bail"));
    m_connection.executeNative(QStringLiteral("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, 'Durand')"));
    m_connection.executeNative(
        QStringLiteral("INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People) VALUES (-1, %1, %2)")
            .arg(contractId)
            .arg(m_connection.lastInsertId()));
    openWindow();

    EXPECT_EQ(topCaptions(), (QStringList{"Bureaux", "Véhicules", "Personnes physiques", "Personnes morales",
                                          "Localisations", "Statut", "Tous les contrats"}));
    EXPECT_EQ(children(node(QStringLiteral("Bureaux"))), (QStringList{"Paris", "Lyon"}));
    EXPECT_EQ(children(node(QStringLiteral("Bureaux/Paris"))), QStringList{"Etage 1"});
    EXPECT_EQ(children(node(QStringLiteral("Personnes physiques"))), QStringList{"Durand"});
    EXPECT_EQ(children(node(QStringLiteral("Statut"))), (QStringList{"Projet", "Signé", "Archivé"}));
    EXPECT_EQ(ui::NavigationTree::nodeKind(node(QStringLiteral("Bureaux/Paris"))), "category");
    EXPECT_EQ(ui::NavigationTree::nodeKind(node(QStringLiteral("Personnes physiques/Durand"))), "people");
    EXPECT_EQ(ui::NavigationTree::nodeKind(node(QStringLiteral("Localisations"))), "location");
    EXPECT_EQ(ui::NavigationTree::nodeKind(node(QStringLiteral("Tous les contrats"))), "all");

    // The location tree's top row is created once, then found by every rebuild.
    tree()->Popup_Tree_Reset->trigger();
    EXPECT_EQ(topCaptions().size(), 7);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TREE_LOCATION WHERE NodeTitle='Localisations'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TREE_LOCATION WHERE Id_File=-1")), 1);
}

TEST_F(MainWindowTreeTest, ClickingAGroupingNodeListsItsContractsOnceAndAContractNodeShowsIt) {
    addCategory(m_dossier, QStringLiteral("L'Atelier"), 0, 0);
    addCategory(m_dossier, QStringLiteral("Paris"), 1, 1);
    addContract(m_dossier, QStringLiteral("Premier"));
    addContract(m_dossier, QStringLiteral("Loyer"), QStringLiteral("L-1"), QStringLiteral("SIGNE"),
                QStringLiteral("L'Atelier/Paris"));
    addContract(m_dossier, QStringLiteral("Chauffage"), QString(), QStringLiteral("PROJET"),
                QStringLiteral("L'Atelier"));
    openWindow();
    ASSERT_EQ(heading(), "Contrat (Premier)");

    QTreeWidgetItem* paris = node(QStringLiteral("L'Atelier/Paris"));
    click(paris);
    click(paris);
    EXPECT_EQ(children(paris), QStringList{"Loyer - L-1 (SIGNE)"});
    EXPECT_TRUE(paris->isExpanded());
    click(node(QStringLiteral("L'Atelier")));
    EXPECT_EQ(children(node(QStringLiteral("L'Atelier"))), (QStringList{"Paris", "Chauffage (PROJET)"}));
    EXPECT_EQ(heading(), "Contrat (Premier)");

    click(paris->child(0));
    EXPECT_EQ(heading(), "Contrat (Loyer - L-1)");
    EXPECT_EQ(find<QLineEdit>("Ed_State")->text(), "SIGNE");
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowTreeTest, TopNodesOfPartiesAndStatesLoadNothingWhileAStateNodeListsItsContracts) {
    addContract(m_dossier, QStringLiteral("Premier"));
    addContract(m_dossier, QStringLiteral("Signé un"), QString(), QStringLiteral("SIGNE"));
    openWindow();
    for (const char* top : {"Statut", "Personnes physiques", "Personnes morales"}) {
        QTreeWidgetItem* item = node(QString::fromUtf8(top));
        const int before = item->childCount();
        click(item);
        EXPECT_EQ(item->childCount(), before) << top;
    }
    EXPECT_EQ(heading(), "Contrat (Premier)");
    click(node(QStringLiteral("Statut/Signé")));
    EXPECT_EQ(children(node(QStringLiteral("Statut/Signé"))), QStringList{"Signé un (SIGNE)"});
    click(node(QStringLiteral("Tous les contrats")));
    EXPECT_EQ(children(node(QStringLiteral("Tous les contrats"))).size(), 2);
}

TEST_F(MainWindowTreeTest, ContractNodesFollowTheDesignationTheStateAndTheDeletion) {
    const qint64 id = addContract(m_dossier, QStringLiteral("Alpha"), QStringLiteral("A-1"));
    addContract(m_dossier, QStringLiteral("Déjà signé"), QString(), QStringLiteral("SIGNE"));
    openWindow();
    click(node(QStringLiteral("Tous les contrats")));
    click(node(QStringLiteral("Statut/Projet")));
    click(node(QStringLiteral("Statut/Signé")));
    click(node(QStringLiteral("Statut/Projet"))->child(0));
    ASSERT_EQ(heading(), "Contrat (Alpha - A-1)");

    // A new designation recaptions every node of the contract, without the state while it is edited.
    auto* designation = find<QLineEdit>("Ed_Designation");
    designation->selectAll();
    mainwindow::typeText(designation, QStringLiteral("Omega"));
    find<QToolButton>("Btn_Main_Record")->click();
    EXPECT_EQ(children(node(QStringLiteral("Tous les contrats"))).front(), "Omega - A-1");
    EXPECT_EQ(children(node(QStringLiteral("Statut/Projet"))), QStringList{"Omega - A-1"});

    // Signing it through the state list moves its node from "Projet" to "Signé", and selects it there.
    find<QToolButton>("Btn_State")->click();
    auto* list = m_window->findChild<ui::TStrList*>();
    ASSERT_NE(list, nullptr);
    const auto signedLine = list->List->findItems(QStringLiteral("SIGNE"), Qt::MatchExactly);
    ASSERT_EQ(signedLine.size(), 1);
    list->List->setCurrentItem(signedLine.front());
    QTest::keyClick(list->List, Qt::Key_Return);
    EXPECT_EQ(find<QLineEdit>("Ed_State")->text(), "SIGNE");
    EXPECT_TRUE(children(node(QStringLiteral("Statut/Projet"))).isEmpty());
    EXPECT_EQ(children(node(QStringLiteral("Statut/Signé"))),
              (QStringList{"Déjà signé (SIGNE)", "Omega - A-1 (SIGNE)"}));
    EXPECT_EQ(tree()->selectedContract(), id);
    find<QToolButton>("Btn_Main_Record")->click();
    EXPECT_EQ(stored(QStringLiteral("State"), id), "SIGNE");

    // A deleted contract leaves every node.
    m_dialogs.queueAnswer(true);
    find<QToolButton>("Btn_Main_Delete")->click();
    EXPECT_EQ(children(node(QStringLiteral("Tous les contrats"))), QStringList{"Déjà signé (SIGNE)"});
    EXPECT_EQ(children(node(QStringLiteral("Statut/Signé"))), QStringList{"Déjà signé (SIGNE)"});
}

TEST_F(MainWindowTreeTest, RemovingTheCategoryOrTheLocationTakesTheContractOutOfItsNode) {
    addCategory(m_dossier, QStringLiteral("Bureaux"), 0, 0);
    m_connection.executeNative(
        QStringLiteral("INSERT INTO TREE_LOCATION (NodeTitle, NodeLevel, NodePos) VALUES "
                       "('Localisations', 0, 0), ('Site A', 1, 1)"));
    const qint64 id = addContract(m_dossier, QStringLiteral("Loyer"), QString(), QStringLiteral("PROJET"),
                                  QStringLiteral("Bureaux"));
    m_connection.executeNative(QStringLiteral("UPDATE CONTRACT SET Location='Site A' WHERE Id=%1").arg(id));
    openWindow();

    const struct {
        const char *node, *button, *column, *edit, *question;
    } removals[] = {{"Bureaux", "Btn_Delete_Category", "Category", "Ed_Category",
                     "Désirez-vous supprimer le dossier sélectionné ?"},
                    {"Localisations/Site A", "Btn_Delete_Location", "Location", "Ed_Location",
                     "Désirez-vous supprimer la localisation ?"}};
    for (const auto& removal : removals) {
        const QString path = QString::fromUtf8(removal.node);
        const QString column = QString::fromLatin1(removal.column);
        click(node(path));
        ASSERT_EQ(children(node(path)), QStringList{"Loyer (PROJET)"}) << removal.node;
        const QString before = stored(column, id).toString();

        m_dialogs.clear();
        m_dialogs.queueAnswer(false);
        find<QToolButton>(removal.button)->click();
        EXPECT_EQ(m_dialogs.texts(), QStringList{QString::fromUtf8(removal.question)});
        EXPECT_EQ(stored(column, id), before) << removal.column;

        m_dialogs.queueAnswer(true);
        find<QToolButton>(removal.button)->click();
        EXPECT_EQ(stored(column, id), "") << removal.column;
        EXPECT_TRUE(children(node(path)).isEmpty()) << removal.node;
        EXPECT_EQ(find<QLineEdit>(removal.edit)->text(), "") << removal.edit;
        EXPECT_FALSE(contract().isEditing());
    }
}

TEST_F(MainWindowTreeTest, RecaptioningPartiesFollowsTheirRowsAndDropsTheGoneOnes) {
    const qint64 contractId = addContract(m_dossier, QStringLiteral("Bail"));
    for (const char* name : {"Durand", "Martin"}) {
        m_connection.executeNative(
            QStringLiteral("INSERT INTO PEOPLE (Id_File, Name) VALUES (-1, '%1')").arg(QLatin1String(name)));
        m_connection.executeNative(
            QStringLiteral("INSERT INTO L_PEOPLE (Id_File, Id_Ref, Id_People) VALUES (-1, %1, %2)")
                .arg(contractId)
                .arg(m_connection.lastInsertId()));
    }
    openWindow();
    ASSERT_EQ(children(node(QStringLiteral("Personnes physiques"))), (QStringList{"Durand", "Martin"}));

    m_connection.executeNative(QStringLiteral("UPDATE PEOPLE SET Name='Durand-Leroy' WHERE Name='Durand'"));
    m_connection.executeNative(QStringLiteral("DELETE FROM PEOPLE WHERE Name='Martin'"));
    tree()->RecaptionNodes(QStringLiteral("people"));
    EXPECT_EQ(children(node(QStringLiteral("Personnes physiques"))), QStringList{"Durand-Leroy"});
}

} // namespace
