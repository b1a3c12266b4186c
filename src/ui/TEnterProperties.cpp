#include "ui/TEnterProperties.h"

#include "app/AppError.h"
#include "app/DatabaseConfig.h"
#include "app/Globals.h"
#include "app/Settings.h"
#include "app/UserDialogs.h"
#include "contracts/CodeNumbering.h"
#include "ui/DialogParts.h"
#include "ui/PrepareForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

// Below these a stored picture is useless; above them a value is no JPEG quality or TCP port.
constexpr int MinimumWidth = 500, MaximumWidth = 5000;
constexpr int MinimumJpegQuality = 10, MaximumJpegQuality = 100;
constexpr int MinimumPort = 1, MaximumPort = 65535, DefaultPort = 25;

int clampedNumber(const QLineEdit* edit, int minimum, int maximum) {
    return std::clamp(edit->text().toInt(), minimum, maximum);
}

} // namespace

TEnterProperties::TEnterProperties(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EnterProperties"));

    auto* titleBar = MakeTitleBar(this, QStringLiteral("  Propriétés"), Title);

    // The database page of the design is not offered: its folders stay as they are, and the backup
    // folder is written back to db.ini on confirmation.
    m_backupFolder = app::databaseConfig().backupFolder();

    Tab_Properties = new QTabWidget(this);
    Tab_Properties->setObjectName(QStringLiteral("Tab_Properties"));
    Tab_Properties->addTab(buildGeneralPage(), QStringLiteral("Général"));
    Tab_Properties->addTab(buildMailPage(), QStringLiteral("Serveur SMTP"));

    auto* buttons = MakeOkCancel(this, Btn_Ok, Btn_Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    layout->addWidget(Tab_Properties, 1);
    layout->addLayout(buttons);

    PrepareForm(this);
}

QLineEdit* TEnterProperties::textEdit(const char* name, const QString& text, int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    edit->setText(text);
    return edit;
}

QLineEdit* TEnterProperties::numberEdit(const char* name, int value, int digits) {
    auto* edit = textEdit(name, QString::number(value), digits);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), edit));
    return edit;
}

QWidget* TEnterProperties::buildGeneralPage() {
    const app::Settings& s = app::settings();
    auto* page = new QWidget(this);

    auto* codeGroup = new QGroupBox(QStringLiteral(" Calcul automatique du code "), page);
    Check_Code = new QCheckBox(QStringLiteral("Activer la numérotation automatique"), codeGroup);
    Check_Code->setObjectName(QStringLiteral("Check_Code"));
    Check_Code->setChecked(s.autoCalcCode);
    Ed_Code = textEdit("Ed_Code", contracts::PadNumber(contracts::ReadCodeCounter(), s.formatCodeCount), 6);
    Ed_Code->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), Ed_Code));
    Ed_Prefix = textEdit("Ed_Prefix", s.codePrefix, 10);
    Ed_Sufix = textEdit("Ed_Sufix", s.codeSufix, 10);
    auto* codeForm = new QFormLayout;
    codeForm->addRow(QStringLiteral("Compteur"), Ed_Code);
    codeForm->addRow(QStringLiteral("Préfixe"), Ed_Prefix);
    codeForm->addRow(QStringLiteral("Sufixe"), Ed_Sufix);
    auto* codeLayout = new QVBoxLayout(codeGroup);
    codeLayout->addWidget(Check_Code);
    codeLayout->addLayout(codeForm);

    auto* scanGroup = new QGroupBox(QStringLiteral(" Paramètrage du scanner "), page);
    Ed_TwainSource = textEdit("Ed_TwainSource", s.twainSource, 255);
    // The list of scanner sources comes with the scanning support; until then the name is typed.
    Btn_Source = new QPushButton(QStringLiteral("..."), scanGroup);
    Btn_Source->setObjectName(QStringLiteral("Btn_Source"));
    Btn_Source->hide();
    Check_ShowTwainUI = new QCheckBox(QStringLiteral("Afficher la fenêtre du pilote"), scanGroup);
    Check_ShowTwainUI->setObjectName(QStringLiteral("Check_ShowTwainUI"));
    Check_ShowTwainUI->setChecked(s.showTwainUI);
    Ed_ScanMaxWidth = numberEdit("Ed_ScanMaxWidth", s.maxWidth, 4);
    Ed_ScanJpegQuality = numberEdit("Ed_ScanJpegQuality", s.jpegQuality, 3);
    auto* source = new QHBoxLayout;
    source->addWidget(Ed_TwainSource, 1);
    source->addWidget(Btn_Source);
    auto* scanForm = new QFormLayout(scanGroup);
    scanForm->addRow(QStringLiteral("Source TWAIN"), source);
    scanForm->addRow(Check_ShowTwainUI);
    scanForm->addRow(QStringLiteral("Largeur maximale (pixel)"), Ed_ScanMaxWidth);
    scanForm->addRow(QStringLiteral("Taux de compression Jpeg"), Ed_ScanJpegQuality);

    auto* openingGroup = new QGroupBox(QStringLiteral(" Action à l'ouverture "), page);
    Check_ContractAlarm = new QCheckBox(
        QStringLiteral("Afficher les contrats en alertes au démarrage du logiciel"), openingGroup);
    Check_ContractAlarm->setObjectName(QStringLiteral("Check_ContractAlarm"));
    Check_ContractAlarm->setChecked(s.alarm);
    auto* openingLayout = new QVBoxLayout(openingGroup);
    openingLayout->addWidget(Check_ContractAlarm);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(codeGroup);
    layout->addWidget(scanGroup);
    layout->addWidget(openingGroup);
    layout->addStretch(1);
    return page;
}

QWidget* TEnterProperties::buildMailPage() {
    const app::Settings& s = app::settings();
    auto* page = new QWidget(this);
    auto* group = new QGroupBox(QStringLiteral(" Paramètres pour l'envoi d'emails "), page);
    Ed_SMTP_Name = textEdit("Ed_SMTP_Name", s.smtpName, 255);
    Ed_SMTP_Email = textEdit("Ed_SMTP_Email", s.smtpEmail, 255);
    Ed_SMTP_Host = textEdit("Ed_SMTP_Host", s.smtpHost, 255);
    Ed_SMTP_Port = numberEdit("Ed_SMTP_Port", s.smtpPort, 5);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Nom"), Ed_SMTP_Name);
    form->addRow(QStringLiteral("Email"), Ed_SMTP_Email);
    form->addRow(QStringLiteral("Serveur SMTP"), Ed_SMTP_Host);
    form->addRow(QStringLiteral("Port SMTP"), Ed_SMTP_Port);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

void TEnterProperties::apply() {
    app::Settings& s = app::settings();
    s.alarm = Check_ContractAlarm->isChecked();
    s.autoCalcCode = Check_Code->isChecked();

    // The typed text gives both the counter and the width of the number: 007 is 7 on three digits.
    bool isNumber = false;
    const int counter = Ed_Code->text().toInt(&isNumber);
    if (isNumber)
        contracts::WriteCodeCounter(counter);
    s.formatCodeCount = int(Ed_Code->text().size());

    s.codePrefix = Ed_Prefix->text();
    s.codeSufix = Ed_Sufix->text();
    s.twainSource = Ed_TwainSource->text();
    s.showTwainUI = Check_ShowTwainUI->isChecked();
    s.maxWidth = clampedNumber(Ed_ScanMaxWidth, MinimumWidth, MaximumWidth);
    s.jpegQuality = clampedNumber(Ed_ScanJpegQuality, MinimumJpegQuality, MaximumJpegQuality);
    s.smtpName = Ed_SMTP_Name->text();
    s.smtpEmail = Ed_SMTP_Email->text();
    s.smtpHost = Ed_SMTP_Host->text();
    // An emptied port means the usual one rather than port 1.
    s.smtpPort =
        Ed_SMTP_Port->text().isEmpty() ? DefaultPort : clampedNumber(Ed_SMTP_Port, MinimumPort, MaximumPort);
    app::SaveSettings();

    if (!m_backupFolder.isEmpty() && !app::databaseConfig().dataDir.isEmpty())
        app::SaveBackupPath(m_backupFolder);
}

bool EditProperties(QWidget* parent) {
    TEnterProperties dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    try {
        dialog.apply();
    } catch (const app::AppError& error) {
        app::dialogs().message(app::MessageKind::Error, error.text());
    }
    return true;
}

} // namespace ui
