// The contract record of the main window: adding, browsing, editing, recording, deleting, refused values,
// the heading, the state badge, the count buttons and the custom labels.
#include "MainWindowTestFixture.h"

#include "contracts/CustomLabels.h"
#include "ui/ContractEditor.h"
#include "ui/StateBadge.h"
#include "ui/TEnterStr.h"
#include "ui/TSelectDate.h"
#include "ui/TStrList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <tuple>

namespace {

using mainwindow::MainWindowFixture;

class MainWindowRecordTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        m_dossier = addDossier(QStringLiteral("Bureau"));
    }
    QString heading() const { return find<QLabel>("Lab_Title_Mat")->text(); }
    QString shown(const char* edit) const { return find<QLineEdit>(edit)->text(); }
    void click(const char* button) { find<QToolButton>(button)->click(); }
    // Types into a field as the user would: the text replaces what was there.
    void type(const char* edit, const QString& text) {
        QLineEdit* field = find<QLineEdit>(edit);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        mainwindow::typeText(field, text);
    }

    int m_dossier = -1;
};

TEST_F(MainWindowRecordTest, AddingAContractGivesItsDefaultsShowsTheFirstPagesAndFocusesTheDesignation) {
    addContract(m_dossier, QStringLiteral("Bail"), QStringLiteral("B-1"));
    openWindow();
    find<QTabBar>("Tab_Main")->setCurrentIndex(2);
    find<QTabBar>("Tab_Contract")->setCurrentIndex(1);
    find<QTabBar>("Tab_Img_File")->setCurrentIndex(1);
    EXPECT_EQ(find<QStackedWidget>("AANotebook1")->currentIndex(), 2);
    EXPECT_FALSE(enabled("Btn_Main_Record"));

    click("Btn_Main_Add");

    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(m_dossier)), 2);
    EXPECT_EQ(heading(), "Contrat (Pas de désignation)");
    EXPECT_EQ(shown("Ed_State"), "PROJET");
    EXPECT_EQ(shown("Ed_Length"), "12");
    EXPECT_EQ(shown("Ed_Alarm"), "0");
    EXPECT_EQ(shown("Ed_AnnualCost"), "0.00 €");
    EXPECT_TRUE(find<QCheckBox>("Check_TacitRenewal")->isChecked());
    for (const char* bar : {"Tab_Main", "Tab_Contract", "Tab_Img_File"})
        EXPECT_EQ(find<QTabBar>(bar)->currentIndex(), 0) << bar;
    for (const char* book : {"AANotebook1", "AANotebook2", "AANotebook3"})
        EXPECT_EQ(find<QStackedWidget>(book)->currentIndex(), 0) << book;
    EXPECT_EQ(QApplication::focusWidget(), find("Ed_Designation"));
    // The new contract is in edit state, the last of the dossier.
    EXPECT_TRUE(enabled("Btn_Main_Record"));
    EXPECT_TRUE(enabled("Btn_Main_First"));
    EXPECT_FALSE(enabled("Btn_Main_Next"));
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowRecordTest, TheBrowsingButtonsShowEachContractAndFollowThePosition) {
    addContract(m_dossier, QStringLiteral("Alpha"), QStringLiteral("A-1"));
    addContract(m_dossier, QStringLiteral("Bravo"));
    addContract(m_dossier, QString(), QString());
    openWindow();

    const struct {
        const char* button;
        const char* heading;
        bool backwards, forwards;
    } steps[] = {{nullptr, "Contrat (Alpha - A-1)", false, true},
                 {"Btn_Main_Next", "Contrat (Bravo)", true, true},
                 {"Btn_Main_Next", "Contrat (Pas de désignation)", true, false},
                 {"Btn_Main_Prior", "Contrat (Bravo)", true, true},
                 {"Btn_Main_First", "Contrat (Alpha - A-1)", false, true},
                 {"Btn_Main_Last", "Contrat (Pas de désignation)", true, false}};
    for (const auto& step : steps) {
        if (step.button)
            click(step.button);
        const std::string where = step.button ? step.button : "start";
        EXPECT_EQ(heading(), QString::fromUtf8(step.heading)) << where;
        EXPECT_EQ(enabled("Btn_Main_First"), step.backwards) << where;
        EXPECT_EQ(enabled("Btn_Main_Prior"), step.backwards) << where;
        EXPECT_EQ(enabled("Btn_Main_Next"), step.forwards) << where;
        EXPECT_EQ(enabled("Btn_Main_Last"), step.forwards) << where;
        EXPECT_TRUE(enabled("Btn_Main_Delete")) << where;
    }
}

TEST_F(MainWindowRecordTest, TypedValuesAreRecordedAndMovingOnPostsThem) {
    const qint64 first = addContract(m_dossier, QStringLiteral("Alpha"), QStringLiteral("A-1"));
    addContract(m_dossier, QStringLiteral("Bravo"));
    openWindow();

    type("Ed_Designation", QStringLiteral("Bail du dépôt"));
    type("Ed_No", QStringLiteral("2008-14"));
    type("Ed_Date_Term", QStringLiteral("25/3/2007"));
    type("Ed_AnnualCost", QStringLiteral("1 250,5"));
    click("Btn_Main_Record");

    EXPECT_EQ(stored(QStringLiteral("Title"), first), "Bail du dépôt");
    EXPECT_EQ(stored(QStringLiteral("NoContract"), first), "2008-14");
    EXPECT_EQ(stored(QStringLiteral("Date_Term"), first), "2007-03-25");
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("AnnualCost"), first).toDouble(), 1250.5);
    EXPECT_EQ(heading(), "Contrat (Bail du dépôt - 2008-14)");
    EXPECT_EQ(shown("Ed_Date_Term"), "25/03/2007");
    EXPECT_EQ(shown("Ed_AnnualCost"), "1250.50 €");
    EXPECT_FALSE(enabled("Btn_Main_Record"));

    // Typing, then moving to another contract, records too.
    type("Ed_Reference", QStringLiteral("REF-9"));
    click("Btn_Main_Next");
    EXPECT_EQ(stored(QStringLiteral("Reference"), first), "REF-9");
    EXPECT_EQ(heading(), "Contrat (Bravo)");
    EXPECT_EQ(shown("Ed_Reference"), "");
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowRecordTest, AValueTheFieldRefusesIsReportedAndThePreviousValueStays) {
    const qint64 id = addContract(m_dossier, QStringLiteral("Alpha"));
    m_connection.executeNative(
        QStringLiteral("UPDATE CONTRACT SET Date_Term='2030-06-30' WHERE Id=%1").arg(id));
    openWindow();

    const struct {
        const char* edit;
        const char* column;
        const char* typed;
        const char* previous;
    } cases[] = {{"Ed_AnnualCost", "AnnualCost", "12x", "100.00 €"},
                 {"Ed_AnnualCost", "AnnualCost", "inf", "100.00 €"},
                 {"Ed_AnnualCost", "AnnualCost", "nan", "100.00 €"},
                 {"Ed_Date_Term", "Date_Term", "31/02/2030", "30/06/2030"},
                 {"Ed_Length", "Length", "douze", "12"}};
    for (const auto& refused : cases) {
        m_dialogs.clear();
        const QVariant before = stored(QString::fromLatin1(refused.column), id);
        type(refused.edit, QString::fromUtf8(refused.typed));
        click("Btn_Main_Record");
        ASSERT_EQ(m_dialogs.shown().size(), 1u) << refused.edit;
        EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Error);
        EXPECT_TRUE(m_dialogs.shown().front().text.contains(QString::fromUtf8(refused.typed)))
            << m_dialogs.shown().front().text.toStdString();
        EXPECT_EQ(shown(refused.edit), QString::fromUtf8(refused.previous)) << refused.edit;
        EXPECT_EQ(stored(QString::fromLatin1(refused.column), id), before) << refused.edit;
    }
    // The refused text was never written: the next value typed is taken.
    m_dialogs.clear();
    type("Ed_AnnualCost", QStringLiteral("80"));
    click("Btn_Main_Record");
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("AnnualCost"), id).toDouble(), 80.0);
    EXPECT_TRUE(m_dialogs.shown().empty());
}

TEST_F(MainWindowRecordTest, EscapeGivesUpTheChangesThatAnotherCopyMadeImpossibleToRecord) {
    const qint64 id = addContract(m_dossier, QStringLiteral("Alpha"));
    openWindow();
    type("Ed_Designation", QStringLiteral("Mon titre"));
    m_connection.executeNative(QStringLiteral("UPDATE CONTRACT SET Title='Leur titre' WHERE Id=%1").arg(id));
    click("Btn_Main_Record");
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_TRUE(m_dialogs.shown().front().text.contains(QStringLiteral("modifié par un autre utilisateur")));
    EXPECT_TRUE(enabled("Btn_Main_Record"));

    find("Ed_Reference")->setFocus();
    QTest::keyClick(find("Ed_Reference"), Qt::Key_Escape);
    EXPECT_FALSE(contract().isEditing());
    EXPECT_FALSE(enabled("Btn_Main_Record"));
    EXPECT_EQ(shown("Ed_Designation"), "Leur titre");
    EXPECT_EQ(heading(), "Contrat (Leur titre)");
}

TEST_F(MainWindowRecordTest, AContractDeletedByAnotherCopyIsGivenUpWithAFrenchMessage) {
    const qint64 gone = addContract(m_dossier, QStringLiteral("Alpha"));
    addContract(m_dossier, QStringLiteral("Bravo"));
    openWindow();
    type("Ed_Designation", QStringLiteral("Mon titre"));
    m_connection.executeNative(QStringLiteral("DELETE FROM CONTRACT WHERE Id=%1").arg(gone));

    click("Btn_Main_Next");
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Error);
    EXPECT_TRUE(m_dialogs.shown().front().text.contains(QStringLiteral("supprimé par un autre utilisateur")));
    // Nothing is left to record the edit into: the window goes on with the contracts that exist.
    EXPECT_FALSE(contract().isEditing());
    EXPECT_EQ(contract().recordCount(), 1);
    EXPECT_EQ(heading(), "Contrat (Bravo)");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT")), 1);
    EXPECT_TRUE(m_window->close());
}

TEST_F(MainWindowRecordTest, EnterInAFieldOpensItsListOrItsCalendar) {
    addContract(m_dossier, QStringLiteral("Alpha"));
    // The pick lists live in the first row of COMBOITEMS, which the shipped database holds.
    m_connection.executeNative(
        QStringLiteral("UPDATE COMBOITEMS SET Contract_Support='Papier' || char(13) || "
                       "char(10) || 'Electronique' WHERE Id=(SELECT MIN(Id) FROM COMBOITEMS)"));
    openWindow();
    QTest::keyClick(find("Ed_Date_Sign"), Qt::Key_Return);
    EXPECT_NE(m_window->findChild<ui::TSelectDate*>(), nullptr);

    QTest::keyClick(find("Ed_Support"), Qt::Key_Return);
    auto* list = m_window->findChild<ui::TStrList*>();
    ASSERT_NE(list, nullptr);
    QStringList items;
    for (int i = 0; i < list->List->count(); ++i)
        items << list->List->item(i)->text();
    EXPECT_EQ(items, (QStringList{"", "Electronique", "Papier"}));
    list->List->setCurrentRow(2);
    QTest::keyClick(list->List, Qt::Key_Return);
    EXPECT_EQ(shown("Ed_Support"), "Papier");
    click("Btn_Main_Record");
    EXPECT_EQ(contract().text(QStringLiteral("Support")), "Papier");
}

// Tab walks the fields in the order of the form, and leaves a memo instead of typing into it.
TEST_F(MainWindowRecordTest, TabFollowsTheFormAndLeavesTheMemos) {
    const qint64 id = addContract(m_dossier, QStringLiteral("Alpha"));
    openWindow();
    const QStringList fields{"Ed_Designation", "Ed_No",         "Ed_Reference",  "Ed_Code",
                             "Ed_Support",     "Ed_Date_Sign",  "Ed_Date_Start", "Ed_Date_Term",
                             "Ed_Length",      "Ed_Alarm",      "Ed_AnnualCost", "Check_TacitRenewal",
                             "Ed_Category"};
    find("Ed_Designation")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 40 && visited.size() < fields.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        if (fields.contains(name) && visited.last() != name)
            visited << name;
    }
    EXPECT_EQ(visited, fields);

    for (const auto& [tab, memo, column] :
         {std::tuple{1, "Memo_Divers11", "Misc11"}, std::tuple{0, "Memo_Keyword", "Keyword"}}) {
        find<QTabBar>("Tab_Main")->setCurrentIndex(tab);
        find<QTabBar>("Tab_Contract")->setCurrentIndex(2);
        QWidget* field = find(memo);
        field->setFocus();
        mainwindow::typeText(field, QStringLiteral("note"));
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), field) << memo;
        click("Btn_Main_Record");
        EXPECT_EQ(stored(QString::fromLatin1(column), id).toString(), "note") << memo;
    }
}

TEST_F(MainWindowRecordTest, DeletingAContractAsksFirstThenRemovesItAndShowsTheNextOne) {
    const qint64 doomed = addContract(m_dossier, QStringLiteral("Alpha"));
    addContract(m_dossier, QStringLiteral("Bravo"));
    m_connection.executeNative(
        QStringLiteral("INSERT INTO EVENT (Id_File, Id_Ref, Description) VALUES (%1, %2, 'x')")
            .arg(m_dossier)
            .arg(doomed));
    openWindow();

    m_dialogs.queueAnswer(false);
    click("Btn_Main_Delete");
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Confirmez-vous la suppression de ce contrat ?"});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id=%1").arg(doomed)), 1);

    m_dialogs.clear();
    m_dialogs.queueAnswer(true);
    click("Btn_Main_Delete");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id=%1").arg(doomed)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM EVENT WHERE Id_Ref=%1").arg(doomed)), 0);
    EXPECT_EQ(heading(), "Contrat (Bravo)");
    EXPECT_TRUE(m_window->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The last one gone, only adding is left.
    m_dialogs.queueAnswer(true);
    click("Btn_Main_Delete");
    EXPECT_EQ(heading(), "Contrat");
    EXPECT_TRUE(enabled("Btn_Main_Add"));
    for (const char* button : {"Btn_Main_Delete", "Btn_Main_First", "Btn_Main_Prior", "Btn_Main_Next",
                               "Btn_Main_Last", "Btn_Main_Record"})
        EXPECT_FALSE(enabled(button)) << button;
}

TEST_F(MainWindowRecordTest, TheBadgeTakesTheColourOfTheState) {
    for (const char* state : {"SIGNE", "PROJET", "ARCHIVE", ""})
        addContract(m_dossier, QString::fromLatin1(state), QString(), QString::fromLatin1(state));
    openWindow();
    auto* badge = find<ui::StateBadge>("AquaImage_Status");
    const struct {
        const char* state;
        QColor colour;
    } expected[] = {{"SIGNE", QColor(0, 128, 0)},
                    {"PROJET", QColor(170, 170, 0)},
                    {"ARCHIVE", QColor(0, 0, 128)},
                    {"", QColor(254, 254, 254)}};
    int signedGloss = 0;
    for (const auto& row : expected) {
        EXPECT_EQ(badge->text(), QString::fromLatin1(row.state));
        EXPECT_EQ(badge->colour(), row.colour) << row.state;
        if (QString::fromLatin1(row.state) == QLatin1String("SIGNE"))
            signedGloss = badge->gloss();
        if (QString::fromLatin1(row.state) == QLatin1String("PROJET")) {
            EXPECT_EQ(badge->gloss(), signedGloss - 17);
        }
        click("Btn_Main_Next");
    }
}

TEST_F(MainWindowRecordTest, TheCountButtonsNeverGiveZero) {
    const qint64 id = addContract(m_dossier, QStringLiteral("Alpha"));
    m_connection.executeNative(
        QStringLiteral("UPDATE CONTRACT SET Length=NULL, Alarm=0 WHERE Id=%1").arg(id));
    openWindow();
    click("Btn_Length_Inc");
    click("Btn_Alarm_Dec");
    EXPECT_EQ(shown("Ed_Length"), "1");
    EXPECT_EQ(shown("Ed_Alarm"), "1");
    click("Btn_Length_Inc");
    click("Btn_Main_Record");
    EXPECT_EQ(stored(QStringLiteral("Length"), id).toInt(), 2);
    EXPECT_EQ(stored(QStringLiteral("Alarm"), id).toInt(), 1);
}

TEST_F(MainWindowRecordTest, DoubleClickingACustomLabelRenamesItForTheDossier) {
    openWindow();
    auto* label = find<QLabel>("Lab_Misc07");
    EXPECT_EQ(label->text(), "Divers 7");
    QString offered;
    mainwindow::whenShown<ui::TEnterStr>([&offered](ui::TEnterStr* dialog) {
        offered = dialog->Ed_Str->text();
        dialog->Ed_Str->setText(QStringLiteral("Centre de coût"));
        dialog->Btn_Ok->click();
    });
    find<QTabBar>("Tab_Main")->setCurrentIndex(1);
    QTest::mouseDClick(label, Qt::LeftButton);
    EXPECT_EQ(offered, "Divers 7");
    EXPECT_EQ(label->text(), "Centre de coût");
    EXPECT_EQ(contracts::LoadCustomLabels(m_connection, m_dossier).at(6), "Centre de coût");
}

} // namespace
