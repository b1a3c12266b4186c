#include "app/Globals.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"
#include "db/TDataModule1.h"
#include "db/engine/SqliteConnection.h"
#include "support/TestSupport.h"
#include "ui/TGrandePolicesMsg.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A main window over a copy of the shipped database, with scripted dialogs; no dossier exists, so
// the window opens with the contract dataset open and empty.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::globals().dataDir = m_temp.path();
        app::settings() = app::Settings();
        const QString database = m_temp.file(QStringLiteral("Data/Access/CONTRACT.MDB"));
        testsupport::copyShippedDatabase(database);
        m_connection.open(database);
        m_module = std::make_unique<db::TDataModule1>(m_connection);
        app::setDialogs(&m_dialogs);
    }
    void TearDown() override {
        app::setDialogs(nullptr);
        m_module.reset();
        m_connection.close();
    }

    QString settingsFile() const { return m_temp.file(app::SettingsFileName); }
    QString storedTitle(qint64 id) {
        db::SqliteStatement statement =
            m_connection.prepare(QStringLiteral("SELECT Title FROM CONTRACT WHERE Id=%1").arg(id));
        return statement.step() ? statement.value(0).toString() : QString();
    }

    testsupport::TempFolder m_temp;
    db::SqliteConnection m_connection;
    std::unique_ptr<db::TDataModule1> m_module;
    app::ScriptedDialogs m_dialogs;
};

TEST_F(MainWindowTest, QuitPostsThePendingContractEditAndSavesThePlacement) {
    ui::TMainForm window(ui::TMainForm::Options{false});
    EXPECT_EQ(window.windowTitle(), "Mantivo Zadovada 1.34");
    EXPECT_EQ(app::globals().currentDossierId, -1);
    ASSERT_TRUE(m_module->Contract.isOpen());
    // Only what works today is offered.
    ASSERT_EQ(window.menuBar()->actions().size(), 1);
    EXPECT_EQ(window.Popup_File->title(), "&Fichier");
    ASSERT_EQ(window.Popup_File->actions().size(), 1);
    EXPECT_EQ(window.Popup_File_Exit->text(), "&Quitter");

    window.show();
    m_module->Contract.append();
    const qint64 id = m_module->Contract.integer(QStringLiteral("Id"));
    m_module->Contract.setValue(QStringLiteral("Title"), QStringLiteral("Bail du dépôt"));
    window.Popup_File_Exit->trigger();

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
    ui::TMainForm window(ui::TMainForm::Options{false});
    window.show();
    m_module->Contract.append();
    const qint64 id = m_module->Contract.integer(QStringLiteral("Id"));
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
