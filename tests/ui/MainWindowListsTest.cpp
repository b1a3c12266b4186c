// The contract list and the sort order as the main window uses them: a contract chosen in the list becomes
// the current one, and a new sort order reorders the browsing at once.
#include "MainWindowTestFixture.h"

#include "ui/TContractList.h"
#include "ui/TSortList.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

using mainwindow::MainWindowFixture;
using mainwindow::whenShown;

class MainWindowListsTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        const int dossier = addDossier(QStringLiteral("Bureau"));
        for (const char* title : {"Charlie", "Alpha", "Bravo"})
            addContract(dossier, QString::fromLatin1(title));
    }
    QString heading() const { return find<QLabel>("Lab_Title_Mat")->text(); }
};

TEST_F(MainWindowListsTest, AContractChosenInTheListOfAllContractsBecomesTheCurrentOne) {
    openWindow();
    ASSERT_EQ(heading(), "Contrat (Charlie)");
    int rows = 0;
    whenShown<ui::TContractList>([&rows](ui::TContractList* list) {
        const QAbstractItemModel* model = list->Grid_List->model();
        rows = model->rowCount();
        for (int row = 0; row < rows; ++row)
            if (model->index(row, 1).data().toString() == QLatin1String("Bravo"))
                list->Grid_List->selectRow(row);
        list->Btn_Ok->click();
    });
    trigger("Popup_List_All");
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(heading(), "Contrat (Bravo)");
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowListsTest, ANewSortOrderReordersTheBrowsingAndKeepsTheCurrentContract) {
    openWindow();
    ASSERT_EQ(heading(), "Contrat (Charlie)");
    // The shipped sort file, whose ticked line is the designation.
    ASSERT_TRUE(QFile::copy(testsupport::programDir() + QStringLiteral("Ressources/DB/SortList.def"),
                            m_temp.file(QStringLiteral("SortList.def"))));
    whenShown<ui::TSortList>([](ui::TSortList* dialog) { dialog->Btn_Ok->click(); });
    trigger("Popup_Tools_Sort");

    EXPECT_EQ(heading(), "Contrat (Charlie)");
    EXPECT_FALSE(enabled("Btn_Main_Next"));
    find<QToolButton>("Btn_Main_First")->click();
    EXPECT_EQ(heading(), "Contrat (Alpha)");
    find<QToolButton>("Btn_Main_Next")->click();
    EXPECT_EQ(heading(), "Contrat (Bravo)");
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

} // namespace
