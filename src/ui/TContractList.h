#pragma once

#include "db/Dataset.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

namespace ui {

// A list of contracts in a grid, in the order of the sort file; OK makes the chosen contract the
// current one of the main window.
class TContractList : public QDialog {
    Q_OBJECT
  public:
    // whereLine selects the contracts ("WHERE Id_File=3"); title is the window's caption.
    TContractList(const QString& title, const QString& whereLine, QWidget* parent = nullptr);
    ~TContractList() override;

    // The Id of the contract on the selected row; -1 when none.
    qint64 chosenId();
    db::Dataset& list() { return m_list; }

    QLabel* Title = nullptr;
    QTableView* Grid_List = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Sort = nullptr;
    QPushButton* Btn_Cancel = nullptr;

  private:
    void reload(bool keepOrder);
    void sort();

    db::Dataset m_list;
    class Model;
    Model* m_model = nullptr;
};

// Shows a list of contracts modally; on OK the chosen contract becomes current ("L'enregistrement a
// été supprimé." when it is gone). Whatever the answer, the contract dataset then follows the sort
// file, which the list may have changed.
void ShowContractList(QWidget* parent, const QString& title, const QString& whereLine);

// Every contract of the open dossier.
void ShowAllContracts(QWidget* parent);

} // namespace ui
