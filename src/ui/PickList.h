#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

class QLineEdit;

namespace db {
class Dataset;
}

namespace ui {

// The colour of the pick lists unless the caller asks for another one.
inline const QColor PickListColour{255, 255, 242};
inline constexpr int PickListMaxRows = 8;

// Opens the pick list of a field under its edit, without waiting: the values of a COMBOITEMS column
// (an empty line on top), or the fixed items when no column is given, sorted when asked. The bound
// row is put in edit state at once; a chosen line is written to the field and becomes the edit's text,
// and the edit takes the focus with its text selected. dataset may be null (the edit alone changes).
void ShowPickList(QLineEdit* edit, bool sorted, const QStringList& fixedItems, db::Dataset* dataset,
                  const QString& field, const QString& comboColumn, const QColor& colour = PickListColour);

// Opens the date picker of a date field, without waiting. OK writes the chosen date to the field and
// the edit; the clear button sets the field to null and empties the edit.
void ShowDatePicker(QLineEdit* edit, db::Dataset* dataset, const QString& field);

// Where the pick list goes, in screen coordinates: under the edit and as wide as it, 8 rows high plus
// 3 pixels (as many rows as there are lines when fewer, one row when there is none); above the edit
// when it would pass the bottom of the screen.
QRect PickListGeometry(const QRect& edit, int rowHeight, int lineCount, const QRect& screen);

// Where the date picker goes: at the edit's left edge, 15 pixels below its top; when its bottom would
// come within 30 pixels of the screen's bottom, it ends 30 pixels above it.
QRect DatePickerGeometry(const QRect& edit, const QSize& picker, const QRect& screen);

} // namespace ui
