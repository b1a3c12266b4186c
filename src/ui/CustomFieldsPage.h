#pragma once

#include "ui/FieldBinding.h"

#include <QWidget>
#include <array>

class QLabel;

namespace ui {

// The page "Personnalisé" of the contract record: the twelve custom fields under the labels the dossier
// gives them (Misc01 to Misc10 with their pick lists, Misc11 and Misc12 as memos). A double-click on a
// label renames it for the open dossier.
class CustomFieldsPage : public QWidget {
    Q_OBJECT
  public:
    CustomFieldsPage(FieldBinding& binding, CommandRunner run, QWidget* parent = nullptr);

    // The captions of Lab_Misc01 to Lab_Misc12; a missing one shows its default caption.
    void setLabels(const QStringList& captions);

    std::array<QLabel*, 12> Lab_Misc{};

  private:
    void renameLabel(int number);

    FieldBinding& m_binding;
    CommandRunner m_run;
};

} // namespace ui
