#pragma once

#include <QWidget>

namespace ui {

class TMainForm;

// The seven buttons under the navigation tree (Pan_Main_Btn): first, prior, next and last contract, add,
// delete and record.
class RecordButtons : public QWidget {
    Q_OBJECT
  public:
    explicit RecordButtons(TMainForm& form, QWidget* parent = nullptr);

  private:
    void addContract();
    void deleteContract();

    TMainForm& m_form;
};

} // namespace ui
