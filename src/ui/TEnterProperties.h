#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace ui {

// The properties dialog: numbering of the open dossier, scanner, start-up action and mail server.
class TEnterProperties : public QDialog {
    Q_OBJECT
  public:
    explicit TEnterProperties(QWidget* parent = nullptr);

    // Stores the fields into the settings and saves them (the numbering counter at once).
    void apply();

    QLabel* Title = nullptr;
    QTabWidget* Tab_Properties = nullptr;
    QCheckBox* Check_Code = nullptr;
    QLineEdit* Ed_Code = nullptr;
    QLineEdit* Ed_Prefix = nullptr;
    QLineEdit* Ed_Sufix = nullptr;
    QLineEdit* Ed_TwainSource = nullptr;
    QPushButton* Btn_Source = nullptr;
    QCheckBox* Check_ShowTwainUI = nullptr;
    QLineEdit* Ed_ScanMaxWidth = nullptr;
    QLineEdit* Ed_ScanJpegQuality = nullptr;
    QCheckBox* Check_ContractAlarm = nullptr;
    QLineEdit* Ed_SMTP_Name = nullptr;
    QLineEdit* Ed_SMTP_Email = nullptr;
    QLineEdit* Ed_SMTP_Host = nullptr;
    QLineEdit* Ed_SMTP_Port = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;

  private:
    QWidget* buildGeneralPage();
    QWidget* buildMailPage();
    QLineEdit* textEdit(const char* name, const QString& text, int maxLength);
    QLineEdit* numberEdit(const char* name, int value, int digits);

    QString m_backupFolder;
};

// The menu's "Propriétés": true when the dialog was confirmed (the settings are then saved).
bool EditProperties(QWidget* parent);

} // namespace ui
