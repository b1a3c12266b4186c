#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace db {
class Dataset;
}

namespace ui {

// The dossier dialog: name, password, owner and observations of the current row of MainFile. Each
// field writes into the row as it is typed; OK posts it, any other way out cancels it.
class TEnterFile : public QDialog {
    Q_OBJECT
  public:
    TEnterFile(db::Dataset& mainFile, QWidget* parent = nullptr);

    // The row is already appended or in edit state. True when it was posted.
    static bool edit(QWidget* parent, db::Dataset& mainFile);

    QLabel* Title = nullptr;
    QLineEdit* Ed_File = nullptr;
    QLineEdit* Ed_PassWord = nullptr;
    QLineEdit* Ed_Name = nullptr;
    QPlainTextEdit* Memo_Observation = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;

    void accept() override;
    void reject() override;

  private:
    QLineEdit* boundEdit(const char* name, const QString& field);
    void write(const QString& field, const QString& text);

    db::Dataset& m_mainFile;
};

} // namespace ui
