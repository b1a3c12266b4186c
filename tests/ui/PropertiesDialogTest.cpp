#include "DialogTestFixture.h"

#include "app/IniFile.h"
#include "contracts/CodeNumbering.h"
#include "ui/TEnterProperties.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

class PropertiesDialogTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        app::globals().currentDossierId = 3;
        testsupport::writeFile(settingsFile(), "[AutoCalc]\r\nAutoCalcCode#3=0\r\nFormatCodeCount#3=4\r\n"
                                               "CodeCount#3=41\r\nCodePrefix#3=A\r\n");
        app::LoadSettings();
    }
    QString settingsFile() const { return m_temp.file(app::SettingsFileName); }
    QString stored(const QString& section, const QString& key) {
        return app::IniFile(settingsFile()).value(section, key);
    }

    // Opens the dialog, lets the test fill it, presses OK.
    bool confirm(std::function<void(ui::TEnterProperties*)> fill) {
        whenModal([fill](QWidget* modal) {
            auto* dialog = qobject_cast<ui::TEnterProperties*>(modal);
            ASSERT_NE(dialog, nullptr);
            fill(dialog);
            dialog->Btn_Ok->click();
        });
        return ui::EditProperties(nullptr);
    }
};

TEST_F(PropertiesDialogTest, TheDialogShowsTheSettingsAndTheDossiersPaddedCounter) {
    app::settings().smtpHost = QStringLiteral("smtp.exemple.fr");
    app::settings().jpegQuality = 80;
    ui::TEnterProperties dialog;
    EXPECT_EQ(dialog.windowTitle(), "Propriétés");
    ASSERT_EQ(dialog.Tab_Properties->count(), 2);
    EXPECT_EQ(dialog.Tab_Properties->tabText(0), "Général");
    EXPECT_EQ(dialog.Tab_Properties->tabText(1), "Serveur SMTP");
    EXPECT_EQ(dialog.Ed_Code->text(), "0041");
    EXPECT_EQ(dialog.Ed_Prefix->text(), "A");
    EXPECT_FALSE(dialog.Check_Code->isChecked());
    EXPECT_EQ(dialog.Check_Code->text(), "Activer la numérotation automatique");
    EXPECT_EQ(dialog.Ed_ScanJpegQuality->text(), "80");
    EXPECT_EQ(dialog.Ed_ScanMaxWidth->text(), "5000");
    EXPECT_EQ(dialog.Ed_SMTP_Host->text(), "smtp.exemple.fr");
    EXPECT_EQ(dialog.Ed_SMTP_Port->text(), "25");
    EXPECT_EQ(dialog.Ed_Prefix->maxLength(), 10);
    EXPECT_EQ(dialog.Ed_Sufix->maxLength(), 10);
    // No scanner sources can be listed yet: no button that would offer none.
    EXPECT_FALSE(dialog.Btn_Source->isVisibleTo(&dialog));

    EXPECT_EQ(
        tabOrder(&dialog, dialog.Check_Code, 9),
        (QStringList{"Check_Code", "Ed_Code", "Ed_Prefix", "Ed_Sufix", "Ed_TwainSource", "Check_ShowTwainUI",
                     "Ed_ScanMaxWidth", "Ed_ScanJpegQuality", "Check_ContractAlarm"}));

    // Ed_Code takes six digits, nothing else.
    dialog.Ed_Code->clear();
    QTest::keyClicks(dialog.Ed_Code, QStringLiteral("12a34567"));
    EXPECT_EQ(dialog.Ed_Code->text(), "123456");
}

TEST_F(PropertiesDialogTest, TheTypedCounterGivesTheCounterAndTheNumberOfDigits) {
    ASSERT_TRUE(confirm([](ui::TEnterProperties* dialog) {
        dialog->Check_Code->setChecked(true);
        dialog->Ed_Code->clear();
        QTest::keyClicks(dialog->Ed_Code, QStringLiteral("007"));
        dialog->Ed_Sufix->setText(QStringLiteral("-Z"));
        dialog->Check_ContractAlarm->setChecked(true);
    }));
    EXPECT_EQ(contracts::ReadCodeCounter(), 7);
    EXPECT_EQ(app::settings().formatCodeCount, 3);
    EXPECT_TRUE(app::settings().autoCalcCode);
    EXPECT_TRUE(app::settings().alarm);
    EXPECT_EQ(stored(QStringLiteral("AutoCalc"), QStringLiteral("CodeCount#3")), "7");
    EXPECT_EQ(stored(QStringLiteral("AutoCalc"), QStringLiteral("FormatCodeCount#3")), "3");
    EXPECT_EQ(stored(QStringLiteral("AutoCalc"), QStringLiteral("AutoCalcCode#3")), "1");
    EXPECT_EQ(stored(QStringLiteral("AutoCalc"), QStringLiteral("CodeSufix#3")), "-Z");
    EXPECT_EQ(stored(QStringLiteral("Contract"), QStringLiteral("Alarm")), "1");
    // The next code follows on.
    EXPECT_EQ(contracts::NextContractCode(), "A008-Z");
    // The backup folder of db.ini is written with the settings.
    EXPECT_EQ(app::IniFile(m_temp.file(QStringLiteral("db.ini")))
                  .value(QStringLiteral("Backup"), QStringLiteral("Path")),
              m_temp.path() + "Backup/Data/");
}

TEST_F(PropertiesDialogTest, NumbersAreKeptWithinTheirLimits) {
    const struct {
        const char* width;
        const char* quality;
        const char* port;
        int storedWidth, storedQuality, storedPort;
    } cases[] = {
        {"200", "5", "0", 500, 10, 1},              // below the limits
        {"", "", "", 500, 10, 25},                  // emptied: the port falls back to its default
        {"9999", "999", "70000", 5000, 100, 65535}, // above them
        {"1024", "75", "587", 1024, 75, 587},       // within
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(confirm([&c](ui::TEnterProperties* dialog) {
            for (QLineEdit* edit :
                 {dialog->Ed_ScanMaxWidth, dialog->Ed_ScanJpegQuality, dialog->Ed_SMTP_Port})
                edit->clear();
            QTest::keyClicks(dialog->Ed_ScanMaxWidth, QString::fromLatin1(c.width));
            QTest::keyClicks(dialog->Ed_ScanJpegQuality, QString::fromLatin1(c.quality));
            QTest::keyClicks(dialog->Ed_SMTP_Port, QString::fromLatin1(c.port));
        }));
        EXPECT_EQ(app::settings().maxWidth, c.storedWidth) << c.width;
        EXPECT_EQ(app::settings().jpegQuality, c.storedQuality) << c.quality;
        EXPECT_EQ(app::settings().smtpPort, c.storedPort) << c.port;
        EXPECT_EQ(stored(QStringLiteral("Scan"), QStringLiteral("JpegQuality")),
                  QString::number(c.storedQuality));
        EXPECT_EQ(stored(QStringLiteral("SMTP"), QStringLiteral("Port")), QString::number(c.storedPort));
    }
}

TEST_F(PropertiesDialogTest, CancelChangesNothing) {
    const app::Settings before = app::settings();
    const QByteArray file = testsupport::readFile(settingsFile());
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<ui::TEnterProperties*>(modal);
        dialog->Ed_Code->setText(QStringLiteral("99"));
        dialog->Ed_SMTP_Host->setText(QStringLiteral("autre.fr"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(ui::EditProperties(nullptr));
    EXPECT_EQ(app::settings(), before);
    EXPECT_EQ(testsupport::readFile(settingsFile()), file);
    EXPECT_FALSE(QFile::exists(m_temp.file(QStringLiteral("db.ini"))));
}

} // namespace
