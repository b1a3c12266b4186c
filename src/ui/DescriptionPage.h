#pragma once

#include "ui/FieldBinding.h"

#include <QWidget>

class QGridLayout;
class QLineEdit;

namespace ui {

class NavigationTree;

// The page "Description" of the contract record: designation, number, reference, code, support, the three
// dates, duration, alarm, amount, tacit renewal and category, with their pick lists, calendars and count
// buttons; under them the grids of the contract's people and companies.
class DescriptionPage : public QWidget {
    Q_OBJECT
  public:
    DescriptionPage(FieldBinding& binding, NavigationTree& tree, CommandRunner run,
                    QWidget* parent = nullptr);

    QLineEdit* Ed_Designation = nullptr;
    QLineEdit* Ed_Category = nullptr;

  private:
    // An edit whose button (and Enter) opens the pick list of a COMBOITEMS column.
    QWidget* pickListRow(const QString& edit, const QString& button, const QString& field,
                         const QString& column, bool readOnly, QLineEdit** created = nullptr);
    void addDates(QGridLayout* grid);
    void addCounts(QGridLayout* grid);
    void addCategory(QGridLayout* grid);
    void addParties(QGridLayout* grid);

    void pickDate(QLineEdit* edit, const QString& field);
    void stepCount(const QString& field, bool up);
    void removeCategory();

    FieldBinding& m_binding;
    NavigationTree& m_tree;
    CommandRunner m_run;
};

// Opens the pick list of a COMBOITEMS column under a bound edit, when there is a row to write to.
void PickInto(FieldBinding& binding, QLineEdit* edit, const QString& field, const QString& comboColumn);

} // namespace ui
