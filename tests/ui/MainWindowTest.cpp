#include "MainWindowTestFixture.h"

#include "ui/MainMenus.h"
#include "ui/TGrandePolicesMsg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public mainwindow::MainWindowFixture {
  protected:
    QString settingsFile() const { return m_temp.file(app::SettingsFileName); }
    QString storedTitle(qint64 id) { return stored(QStringLiteral("Title"), id).toString(); }
};

QStringList captions(const QList<QAction*>& actions) {
    QStringList result;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            result << action->text();
    return result;
}

TEST_F(MainWindowTest, QuitPostsThePendingContractEditAndSavesThePlacement) {
    const int dossier = addDossier(QStringLiteral("Bureau"));
    const qint64 id = addContract(dossier, QStringLiteral("Ancien titre"));
    ui::TMainForm& window = openWindow();
    EXPECT_EQ(window.windowTitle(), "Mantivo Zadovada 1.34 - Bureau");
    // Only what works today is offered.
    EXPECT_EQ(captions(window.menuBar()->actions()), (QStringList{"&Fichier", "&Liste", "&Outils"}));
    EXPECT_EQ(captions(window.menus->Popup_File->actions()),
              (QStringList{"&Ouvrir un dossier", "&Fermer ce dossier", "&Créer un dossier",
                           "&Modifier ce dossier", "&Supprimer ce dossier", "&Propriétés", "&Quitter"}));
    EXPECT_EQ(captions(window.menus->Popup_List->actions()), QStringList{"&Tous les contrats"});
    EXPECT_EQ(captions(window.menus->Popup_Tools->actions()), QStringList{"&Trier la base sur ..."});

    m_module->Contract.setValue(QStringLiteral("Title"), QStringLiteral("Bail du dépôt"));
    window.menus->Popup_File_Exit->trigger();

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(storedTitle(id), "Bail du dépôt");
    EXPECT_FALSE(m_module->Contract.isOpen());
    EXPECT_FALSE(m_module->ContractFile.isOpen());
    EXPECT_FALSE(m_module->Event.isOpen());
    const QByteArray ini = testsupport::readFile(settingsFile());
    EXPECT_TRUE(ini.contains("State=wsNormal\r\n")) << ini.constData();
    EXPECT_TRUE(ini.contains("FirstLaunch=0\r\n"));
    EXPECT_TRUE(m_dialogs.shown().empty()) << m_dialogs.texts().join('\n').toStdString();
}

TEST_F(MainWindowTest, AnEditThatCannotBePostedKeepsTheWindowOpenUnlessTheSessionEnds) {
    const int dossier = addDossier(QStringLiteral("Bureau"));
    const qint64 id = addContract(dossier, QStringLiteral("Ancien titre"));
    ui::TMainForm& window = openWindow();
    m_module->Contract.setValue(QStringLiteral("Title"), QStringLiteral("Mon titre"));
    // Someone else changed the row meanwhile: posting must fail.
    m_connection.execute(QStringLiteral("UPDATE CONTRACT SET Title='Leur titre' WHERE Id=%1").arg(id));
    QFile::remove(settingsFile());

    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_EQ(m_dialogs.shown().front().kind, app::MessageKind::Error);
    EXPECT_TRUE(m_module->Contract.isEditing());
    EXPECT_FALSE(QFile::exists(settingsFile()));

    window.closeForTermination();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(storedTitle(id), "Leur titre");
    EXPECT_TRUE(QFile::exists(settingsFile()));
    EXPECT_EQ(m_dialogs.shown().size(), 1u); // the second failure goes to stderr, not to a box
}

TEST(LargeFontsCheck, TheNoticeAppearsOnlyAwayFrom96DpiAndItsBoxSilencesItForGood) {
    app::ScriptedDialogs dialogs;
    app::setDialogs(&dialogs);
    EXPECT_TRUE(ui::RunLargeFontsCheck(nullptr, 96, false, true));
    EXPECT_TRUE(ui::RunLargeFontsCheck(nullptr, 120, true, true));
    EXPECT_TRUE(dialogs.shown().empty());

    // Unattended, the notice is reported and the choice stays open.
    EXPECT_FALSE(ui::RunLargeFontsCheck(nullptr, 120, false, false));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown().front().text.contains(QStringLiteral("96 ppp")));
    app::setDialogs(nullptr);

    // On screen, the answer is the state of "Ne afficher ce message" when the notice is closed.
    for (const bool tick : {true, false}) {
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* notice = qobject_cast<ui::TGrandePolicesMsg*>(modal);
            if (!notice) {
                if (modal)
                    modal->close();
                return;
            }
            caption = notice->windowTitle();
            notice->Check_Hide->setChecked(tick);
            notice->Btn_Close->click();
        });
        EXPECT_EQ(ui::RunLargeFontsCheck(nullptr, 144, false, true), tick);
        EXPECT_EQ(caption, "Détection de grandes polices");
    }
}

} // namespace
