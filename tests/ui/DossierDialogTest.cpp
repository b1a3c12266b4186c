#include "DialogTestFixture.h"

#include "contracts/Dossiers.h"
#include "ui/TEnterFile.h"
#include "ui/TEnterPassWord.h"
#include "ui/TEnterStr.h"
#include "ui/TFileList.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

using DossierDialogTest = DialogTest;

TEST_F(DossierDialogTest, WithoutDossiersTheListIsEmptyAndOkStaysDisabled) {
    ui::TFileList list;
    EXPECT_EQ(list.windowTitle(), "Liste des dossiers");
    EXPECT_EQ(list.Tree_Global->topLevelItemCount(), 0);
    EXPECT_FALSE(list.Btn_Ok->isEnabled());
    EXPECT_EQ(list.Btn_Ok->text(), " &Ok");
    EXPECT_EQ(list.Btn_Cancel->text(), " &Annuler");
}

TEST_F(DossierDialogTest, TheListSelectsTheTopDossierAndADoubleClickConfirmsTheOneClicked) {
    const int first = contracts::AddDossier(*m_module, QStringLiteral("Bureau"), QString());
    const int second = contracts::AddDossier(*m_module, QStringLiteral("Maison"), QStringLiteral("secret"));

    whenModal([](QWidget* modal) {
        auto* tree = modal->findChild<QTreeWidget*>(QStringLiteral("Tree_Global"));
        ASSERT_NE(tree, nullptr);
        ASSERT_EQ(tree->topLevelItemCount(), 2);
        EXPECT_EQ(tree->topLevelItem(0)->text(0), "Bureau");
        EXPECT_EQ(tree->topLevelItem(1)->text(0), "Maison");
        EXPECT_TRUE(tree->topLevelItem(0)->isSelected());
        EXPECT_TRUE(modal->findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->isEnabled());
        const QRect rect = tree->visualItemRect(tree->topLevelItem(1));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    });
    int id = -1;
    QString name;
    ASSERT_TRUE(ui::TFileList::choose(nullptr, id, name));
    EXPECT_EQ(id, second);
    EXPECT_EQ(name, "Maison");

    // Cancel gives nothing back.
    whenModal([](QWidget* modal) { modal->findChild<QPushButton*>(QStringLiteral("Btn_Cancel"))->click(); });
    id = -1;
    EXPECT_FALSE(ui::TFileList::choose(nullptr, id, name));
    EXPECT_EQ(id, -1);
    EXPECT_NE(first, second);
}

TEST_F(DossierDialogTest, TheDossierDialogPostsWhatWasTypedAndOkWaitsForAName) {
    db::Dataset& dossiers = m_module->MainFile;
    dossiers.open();
    dossiers.append();
    ui::TEnterFile dialog(dossiers);
    EXPECT_EQ(dialog.windowTitle(), "Dossier");
    EXPECT_FALSE(dialog.Btn_Ok->isEnabled());
    EXPECT_EQ(dialog.Ed_PassWord->echoMode(), QLineEdit::Normal); // the owner sees the password

    typeText(dialog.Ed_File, QStringLiteral("Bureau d'études"));
    EXPECT_TRUE(dialog.Btn_Ok->isEnabled());
    QTest::keyClicks(dialog.Ed_PassWord, QStringLiteral("MotDePasse"));
    QTest::keyClicks(dialog.Ed_Name, QStringLiteral("Jeanne Martin"));
    QTest::keyClicks(dialog.Memo_Observation, QStringLiteral("Contrats du bureau"));
    // Emptying the name disables OK again.
    dialog.Ed_File->selectAll();
    QTest::keyClick(dialog.Ed_File, Qt::Key_Delete);
    EXPECT_FALSE(dialog.Btn_Ok->isEnabled());
    QTest::keyClicks(dialog.Ed_File, QStringLiteral("Bureau"));
    EXPECT_EQ(tabOrder(&dialog, dialog.Ed_File, 6),
              (QStringList{"Ed_File", "Ed_PassWord", "Ed_Name", "Memo_Observation", "Btn_Ok", "Btn_Cancel"}));
    dialog.Btn_Ok->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dossiers.isEditing());
    const qint64 id = dossiers.integer(QStringLiteral("ID"));
    EXPECT_EQ(stored(QStringLiteral("SELECT LoginName FROM PROFILES WHERE ID=%1").arg(id)).toString(),
              "Bureau");
    EXPECT_EQ(stored(QStringLiteral("SELECT LoginPassword FROM PROFILES WHERE ID=%1").arg(id)).toString(),
              "MotDePasse");
    EXPECT_EQ(stored(QStringLiteral("SELECT FullName FROM PROFILES WHERE ID=%1").arg(id)).toString(),
              "Jeanne Martin");
    EXPECT_EQ(stored(QStringLiteral("SELECT Comment FROM PROFILES WHERE ID=%1").arg(id)).toString(),
              "Contrats du bureau");
}

TEST_F(DossierDialogTest, CancellingTheDossierDialogLeavesTheRowAsItWas) {
    const int id = contracts::AddDossier(*m_module, QStringLiteral("Bureau"), QStringLiteral("abc"));
    db::Dataset& dossiers = m_module->MainFile;
    dossiers.open();
    ASSERT_TRUE(dossiers.locate(QStringLiteral("ID"), id));
    dossiers.edit();

    whenModal([](QWidget* modal) {
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("Ed_File"));
        EXPECT_EQ(name->text(), "Bureau");
        EXPECT_EQ(modal->findChild<QLineEdit*>(QStringLiteral("Ed_PassWord"))->text(), "abc");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Autre nom"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(ui::TEnterFile::edit(nullptr, dossiers));
    EXPECT_FALSE(dossiers.isEditing());
    EXPECT_EQ(stored(QStringLiteral("SELECT LoginName FROM PROFILES WHERE ID=%1").arg(id)).toString(),
              "Bureau");

    // A new row given up is not stored.
    dossiers.append();
    whenModal([](QWidget* modal) {
        QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("Ed_File")), QStringLiteral("Nouveau"));
        modal->findChild<QPushButton*>(QStringLiteral("Btn_Cancel"))->click();
    });
    EXPECT_FALSE(ui::TEnterFile::edit(nullptr, dossiers));
    EXPECT_EQ(stored(QStringLiteral("SELECT COUNT(*) FROM PROFILES")).toInt(), 1);
}

TEST_F(DossierDialogTest, ThePasswordIsHiddenAndEnterConfirmsItOnceTyped) {
    whenModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Identification");
        EXPECT_NE(modal->findChild<QLabel*>(QStringLiteral("Lab_PassWord")), nullptr);
        auto* field = modal->findChild<QLineEdit*>(QStringLiteral("Ed_PassWord"));
        auto* ok = modal->findChild<QPushButton*>(QStringLiteral("Btn_Ok"));
        EXPECT_EQ(field->echoMode(), QLineEdit::Password);
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClick(field, Qt::Key_Return); // nothing to confirm yet
        EXPECT_TRUE(modal->isVisible());
        QTest::keyClicks(field, QStringLiteral("Secret"));
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
    });
    QString typed;
    ASSERT_TRUE(ui::TEnterPassWord::ask(nullptr, typed));
    EXPECT_EQ(typed, "Secret");

    whenModal([](QWidget* modal) {
        QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("Ed_PassWord")), QStringLiteral("x"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    typed.clear();
    EXPECT_FALSE(ui::TEnterPassWord::ask(nullptr, typed));
    EXPECT_TRUE(typed.isEmpty());
}

TEST_F(DossierDialogTest, TheTextDialogShowsItsTitleAndRefusesAnEmptyText) {
    whenModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Saisie d'une chaine de caractère");
        EXPECT_EQ(modal->findChild<QLabel*>(QStringLiteral("Lab_Title"))->text(), "Modifiez le libellé");
        auto* field = modal->findChild<QLineEdit*>(QStringLiteral("Ed_Str"));
        auto* ok = modal->findChild<QPushButton*>(QStringLiteral("Btn_Ok"));
        EXPECT_EQ(field->text(), "Divers 3");
        field->clear();
        EXPECT_FALSE(ok->isEnabled());
        typeText(field, QStringLiteral("Assureur é"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    QString text = QStringLiteral("Divers 3");
    ASSERT_TRUE(ui::TEnterStr::ask(nullptr, QStringLiteral("Modifiez le libellé"), text));
    EXPECT_EQ(text, "Assureur é");
}

} // namespace
