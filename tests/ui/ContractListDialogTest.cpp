#include "DialogTestFixture.h"

#include "app/Win1252.h"
#include "contracts/DossierOpening.h"
#include "contracts/Dossiers.h"
#include "ui/TContractList.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace {

class ContractListDialogTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        m_dossier = contracts::AddDossier(*m_module, QStringLiteral("Bureau"), QString());
        m_other = contracts::AddDossier(*m_module, QStringLiteral("Maison"), QString());
        m_bail = addContract(m_dossier, QStringLiteral("Bail du dépôt"),
                             QStringLiteral("NoContract, State, Date_Term, AnnualCost, TacitRenewal"),
                             QStringLiteral("'2008-14', 'SIGNE', '2009-02-28', 1250.5, 1"));
        m_achat = addContract(m_dossier, QStringLiteral("Achat copieur"));
        addContract(m_other, QStringLiteral("Autre dossier"));
        // Sorted by designation.
        testsupport::writeFile(m_temp.file(QStringLiteral("SortList.def")),
                               app::win1252::encode(QStringLiteral("*Désignation=CONTRACT.Title\r\n"
                                                                   " Numéro=CONTRACT.Id\r\n")));
        contracts::OpenDossierContracts(m_dossier, QStringLiteral("Bureau"));
    }

    static QString cell(QTableView* grid, int row, int column) {
        return grid->model()->index(row, column).data().toString();
    }

    int m_dossier = -1, m_other = -1;
    qint64 m_bail = -1, m_achat = -1;
};

TEST_F(ContractListDialogTest, TheListShowsTheDossiersContractsInTheSortOrderAndOkMakesTheChoiceCurrent) {
    ASSERT_EQ(m_module->Contract.integer(QStringLiteral("Id")), m_achat);
    whenModal([this](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Liste de tous les contrats");
        auto* grid = modal->findChild<QTableView*>(QStringLiteral("Grid_List"));
        ASSERT_EQ(grid->model()->rowCount(), 2);
        EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "Statut");
        EXPECT_EQ(grid->model()->headerData(13, Qt::Horizontal).toString(), "Localisation");
        EXPECT_EQ(cell(grid, 0, 1), "Achat copieur");
        EXPECT_EQ(cell(grid, 1, 1), "Bail du dépôt");
        EXPECT_EQ(cell(grid, 1, 0), "SIGNE");
        EXPECT_EQ(cell(grid, 1, 2), "2008-14");
        EXPECT_EQ(cell(grid, 1, 6), "28/02/2009");
        EXPECT_EQ(cell(grid, 1, 9), "1250.50 €");
        EXPECT_EQ(grid->model()->index(1, 11).data(Qt::CheckStateRole).toInt(), Qt::Checked);
        EXPECT_TRUE(modal->findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->isEnabled());
        const QRect row = grid->visualRect(grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row.center());
    });
    ui::ShowAllContracts(nullptr);
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
    EXPECT_EQ(m_module->Contract.integer(QStringLiteral("Id")), m_bail);
}

TEST_F(ContractListDialogTest, AContractDeletedMeanwhileIsReportedAndTheCurrentOneStays) {
    whenModal([this](QWidget* modal) {
        auto* grid = modal->findChild<QTableView*>(QStringLiteral("Grid_List"));
        grid->selectRow(1);
        // Another copy of the program deletes it while the list is shown.
        m_connection.execute(QStringLiteral("DELETE FROM CONTRACT WHERE Id=%1").arg(m_bail));
        QTest::keyClick(grid, Qt::Key_Return);
    });
    ui::ShowAllContracts(nullptr);
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Information);
    EXPECT_EQ(m_dialogs.shown().front().text, "L'enregistrement a été supprimé.");
    EXPECT_EQ(m_module->Contract.integer(QStringLiteral("Id")), m_achat);
    EXPECT_EQ(m_module->Contract.recordCount(), 1);
}

TEST_F(ContractListDialogTest, AnEmptyListCannotBeConfirmed) {
    whenModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Contrats vides");
        EXPECT_FALSE(modal->findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->isEnabled());
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    ui::ShowContractList(nullptr, QStringLiteral("  Contrats vides"), QStringLiteral("WHERE Id_File=999"));
    EXPECT_TRUE(m_dialogs.shown().empty());
    EXPECT_EQ(m_module->Contract.integer(QStringLiteral("Id")), m_achat);
}

TEST_F(ContractListDialogTest, SortingFromTheListReordersItAndTheMainDatasetFollows) {
    whenModal([this](QWidget* modal) {
        auto* grid = modal->findChild<QTableView*>(QStringLiteral("Grid_List"));
        grid->selectRow(1); // Bail du dépôt
        // In the sort dialog: designation off, creation order on.
        whenModal([](QWidget* sort) {
            auto* list = sort->findChild<QListWidget*>(QStringLiteral("List_Sort"));
            list->item(0)->setCheckState(Qt::Unchecked);
            list->item(1)->setCheckState(Qt::Checked);
            sort->findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->click();
        });
        modal->findChild<QPushButton*>(QStringLiteral("Btn_Sort"))->click();
        EXPECT_EQ(cell(grid, 0, 1), "Bail du dépôt");
        EXPECT_EQ(cell(grid, 1, 1), "Achat copieur");
        EXPECT_EQ(grid->selectionModel()->selectedRows().value(0).row(), 0); // the choice follows its row
        modal->findChild<QPushButton*>(QStringLiteral("Btn_Cancel"))->click();
    });
    ui::ShowAllContracts(nullptr);
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
    // The main dataset is now in the new order too, on the same contract.
    EXPECT_EQ(m_module->Contract.integer(QStringLiteral("Id")), m_achat);
    EXPECT_EQ(m_module->Contract.recNo(), 1);
    m_module->Contract.first();
    EXPECT_EQ(m_module->Contract.integer(QStringLiteral("Id")), m_bail);
}

} // namespace
