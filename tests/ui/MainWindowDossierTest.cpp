// The dossier commands of the main window: start-up opening, choosing and opening with a password,
// creating, deleting, and the command states with and without a dossier.
#include "MainWindowTestFixture.h"

#include "app/IniFile.h"
#include "ui/TEnterFile.h"
#include "ui/TEnterPassWord.h"
#include "ui/TFileList.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

using mainwindow::MainWindowFixture;
using mainwindow::whenShown;

class MainWindowDossierTest : public MainWindowFixture {
  protected:
    // Chooses the dossier of that name in the dossier list, then, when a password is asked, types it
    // (a null text cancels the password dialog).
    void chooseDossier(const QString& name, const QString& password = QString()) {
        whenShown<ui::TFileList>([name, password](ui::TFileList* list) {
            const auto found = list->Tree_Global->findItems(name, Qt::MatchExactly);
            if (found.isEmpty()) {
                list->reject();
                return;
            }
            list->Tree_Global->setCurrentItem(found.front());
            whenShown<ui::TEnterPassWord>([password](ui::TEnterPassWord* dialog) {
                if (password.isNull()) {
                    dialog->Btn_Cancel->click();
                    return;
                }
                mainwindow::typeText(dialog->Ed_PassWord, password);
                dialog->Btn_Ok->click();
            });
            list->Btn_Ok->click();
        });
        trigger("Popup_File_Open");
    }
    QString title() const { return m_window->windowTitle(); }
};

TEST_F(MainWindowDossierTest, StartUpOpensTheFirstDossierOnlyWhenItHasNoPassword) {
    const int open = addDossier(QStringLiteral("Bureau"));
    addContract(open, QStringLiteral("Bail"), QStringLiteral("B-1"));
    openWindow();
    EXPECT_EQ(app::globals().currentDossierId, open);
    EXPECT_EQ(title(), "Mantivo Zadovada 1.34 - Bureau");
    EXPECT_EQ(find<QLabel>("Title")->text(), " Mantivo Zadovada 1.34 - Bureau");
    EXPECT_EQ(find<QLabel>("Lab_Title_Mat")->text(), "Contrat (Bail - B-1)");
    EXPECT_GT(find<QTreeWidget>("Tree_Global")->topLevelItemCount(), 0);
    // The dossier's label row exists from its first opening on.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CUSTOMLAB WHERE Id_File=%1").arg(open)), 1);
    m_window.reset();

    m_connection.executeNative(QStringLiteral("UPDATE PROFILES SET LoginPassword='x'"));
    openWindow();
    EXPECT_EQ(app::globals().currentDossierId, -1);
    EXPECT_EQ(title(), "Mantivo Zadovada 1.34");
    EXPECT_TRUE(contract().isOpen());
    EXPECT_TRUE(db::IsDatasetEmpty(contract()));
    EXPECT_EQ(find<QTreeWidget>("Tree_Global")->topLevelItemCount(), 0);
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowDossierTest, AProtectedDossierOpensWithItsExactPasswordOnly) {
    const int first = addDossier(QStringLiteral("Bureau"));
    const int secret = addDossier(QStringLiteral("Coffre"), QStringLiteral("Sésame"));
    addContract(secret, QStringLiteral("Titre de propriété"));
    openWindow();
    ASSERT_EQ(app::globals().currentDossierId, first);

    // The open dossier is closed before the password is asked: a refused one leaves none open.
    chooseDossier(QStringLiteral("Coffre"), QStringLiteral("sésame"));
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Mot de passe incorrect !"});
    EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Information);
    EXPECT_EQ(app::globals().currentDossierId, -1);
    EXPECT_EQ(title(), "Mantivo Zadovada 1.34");
    EXPECT_FALSE(enabled("Popup_File_Close"));

    m_dialogs.clear();
    chooseDossier(QStringLiteral("Coffre"), QString());
    EXPECT_TRUE(m_dialogs.shown().empty());
    EXPECT_EQ(app::globals().currentDossierId, -1);

    chooseDossier(QStringLiteral("Coffre"), QStringLiteral("Sésame"));
    EXPECT_EQ(app::globals().currentDossierId, secret);
    EXPECT_EQ(title(), "Mantivo Zadovada 1.34 - Coffre");
    EXPECT_EQ(find<QLabel>("Lab_Title_Mat")->text(), "Contrat (Titre de propriété)");

    // A dossier without a password opens at once.
    chooseDossier(QStringLiteral("Bureau"));
    EXPECT_EQ(app::globals().currentDossierId, first);
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowDossierTest, CreatingADossierNeedsANameAndOpensTheNewDossier) {
    openWindow();
    ASSERT_EQ(app::globals().currentDossierId, -1);
    bool okWithoutName = true;
    whenShown<ui::TEnterFile>([&okWithoutName](ui::TEnterFile* dialog) {
        okWithoutName = dialog->Btn_Ok->isEnabled();
        mainwindow::typeText(dialog->Ed_File, QStringLiteral("Nouveau dossier"));
        dialog->Btn_Ok->click();
    });
    trigger("Popup_File_Add");

    EXPECT_FALSE(okWithoutName);
    const QList<contracts::DossierSummary> all = contracts::ListDossiers(m_connection);
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all.front().name, "Nouveau dossier");
    EXPECT_EQ(app::globals().currentDossierId, all.front().id);
    EXPECT_EQ(title(), "Mantivo Zadovada 1.34 - Nouveau dossier");
    // Open now: creating another is not offered, adding a contract is.
    EXPECT_FALSE(enabled("Popup_File_Add"));
    EXPECT_TRUE(enabled("Btn_Main_Add"));

    // A cancelled dialog adds nothing.
    trigger("Popup_File_Close");
    whenShown<ui::TEnterFile>([](ui::TEnterFile* dialog) { dialog->Btn_Cancel->click(); });
    trigger("Popup_File_Add");
    EXPECT_EQ(contracts::CountDossiers(m_connection), 1);
    EXPECT_EQ(app::globals().currentDossierId, -1);
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowDossierTest, EditingTheOpenDossierRecordsItsRowAndADossierGoneMeanwhileIsReported) {
    const int open = addDossier(QStringLiteral("Bureau"));
    openWindow();
    ASSERT_EQ(app::globals().currentDossierId, open);
    whenShown<ui::TEnterFile>([](ui::TEnterFile* dialog) {
        mainwindow::typeText(dialog->Ed_Name, QStringLiteral("Mme Dupré"));
        dialog->Btn_Ok->click();
    });
    trigger("Popup_File_Edit");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PROFILES WHERE FullName='Mme Dupré'")), 1);
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();

    // Another copy of the program deleted the dossier: the command says so instead of doing nothing.
    m_connection.executeNative(QStringLiteral("DELETE FROM PROFILES WHERE ID=%1").arg(open));
    trigger("Popup_File_Edit");
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Error);
    EXPECT_TRUE(m_dialogs.shown().front().text.contains(QStringLiteral("n'existe plus")))
        << m_dialogs.shown().front().text.toStdString();
}

TEST_F(MainWindowDossierTest, DeletingTheOpenDossierAsksWarnsAndTakesItsContractsAndKeysAlong) {
    const int doomed = addDossier(QStringLiteral("Bureau"));
    const int kept = addDossier(QStringLiteral("Archives"));
    addContract(doomed, QStringLiteral("Un"));
    addContract(doomed, QStringLiteral("Deux"));
    addContract(kept, QStringLiteral("Gardé"));
    openWindow();
    ASSERT_EQ(app::globals().currentDossierId, doomed);
    // The dossier's numbering keys are in the settings file.
    app::settings().codePrefix = QStringLiteral("BU-");
    app::SaveSettings();
    ASSERT_TRUE(testsupport::readFile(m_temp.file(app::SettingsFileName)).contains("CodePrefix#"));

    m_dialogs.queueAnswer(false);
    trigger("Popup_File_Delete");
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Confirmez-vous la suppression de ce dossier ?"});
    EXPECT_EQ(contracts::CountDossiers(m_connection), 2);

    m_dialogs.clear();
    m_dialogs.queueAnswer(true);
    trigger("Popup_File_Delete");
    ASSERT_EQ(m_dialogs.shown().size(), 2u);
    EXPECT_TRUE(m_dialogs.shown()[0].question);
    EXPECT_EQ(m_dialogs.shown()[1].kind, app::MessageKind::Warning);
    EXPECT_TRUE(m_dialogs.shown()[1].text.contains(QStringLiteral("sauvegarde")));
    EXPECT_EQ(contracts::CountDossiers(m_connection), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(doomed)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CONTRACT WHERE Id_File=%1").arg(kept)), 1);
    const QByteArray ini = testsupport::readFile(m_temp.file(app::SettingsFileName));
    for (const char* key : {"AutoCalcCode#", "CodePrefix#", "CodeSufix#", "FormatCodeCount#", "CodeCount#"})
        EXPECT_FALSE(ini.contains(QByteArray(key) + QByteArray::number(doomed) + '=')) << key;
    EXPECT_EQ(app::globals().currentDossierId, -1);
    EXPECT_EQ(title(), "Mantivo Zadovada 1.34");
    EXPECT_EQ(find<QTreeWidget>("Tree_Global")->topLevelItemCount(), 0);
    EXPECT_TRUE(m_window->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The enabled state of the commands in the three situations that matter: no dossier in the database,
// dossiers but none open, an empty dossier open.
TEST_F(MainWindowDossierTest, CommandStatesFollowTheDossierAndItsContracts) {
    const char* const dossierCommands[] = {
        "Tree_Global",    "Tab_Main",         "Tab_Contract",        "Tab_Img_File",    "Btn_State",
        "Ed_Designation", "Btn_Date_Sign",    "Btn_Delete_Category", "Btn_Main_Add",    "Popup_List",
        "Btn_List",       "Popup_Tools_Sort", "Popup_File_Close",    "Popup_File_Edit", "Popup_File_Delete"};
    const char* const contractCommands[] = {"Btn_Main_Delete",   "Btn_Main_First", "Btn_Main_Prior",
                                            "Btn_Main_Next",     "Btn_Main_Last",  "Btn_Main_Record",
                                            "Grid_PeopleList",   "Grid_Event",     "ListView_Document_Img",
                                            "Grid_Document_File"};

    openWindow();
    for (const char* name : dossierCommands)
        EXPECT_FALSE(enabled(name)) << "no dossier: " << name;
    for (const char* name : contractCommands)
        EXPECT_FALSE(enabled(name)) << "no dossier: " << name;
    EXPECT_FALSE(enabled("Popup_File_Open")); // nothing to open
    EXPECT_TRUE(enabled("Popup_File_Add"));
    EXPECT_TRUE(enabled("Popup_File_Properties"));
    EXPECT_TRUE(enabled("Popup_File_Exit"));
    m_window.reset();

    addDossier(QStringLiteral("Coffre"), QStringLiteral("x"));
    openWindow();
    EXPECT_TRUE(enabled("Popup_File_Open"));
    EXPECT_FALSE(enabled("Btn_Main_Add"));
    m_window.reset();

    m_connection.executeNative(QStringLiteral("UPDATE PROFILES SET LoginPassword=''"));
    openWindow();
    ASSERT_NE(app::globals().currentDossierId, -1);
    for (const char* name : dossierCommands)
        EXPECT_TRUE(enabled(name)) << "empty dossier: " << name;
    for (const char* name : contractCommands)
        EXPECT_FALSE(enabled(name)) << "empty dossier: " << name;
    EXPECT_TRUE(enabled("Popup_File_Open"));
    EXPECT_FALSE(enabled("Popup_File_Add"));
}

} // namespace
