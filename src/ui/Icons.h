#pragma once

#include <QIcon>
#include <QString>

namespace ui {

// The fixed images of the navigation tree, indexes 0 to 24: 0 open folder, 1 closed folder, 2 all
// contracts, 3 contract, 4 and 5 natural persons, 6 and 7 legal persons, 8 to 14 locations (8 the globe
// of the locations' top node), 15 to 20 calendar, picture, file, search, alarm, key, 21 to 24 the state
// nodes (top, draft, signed, archived). Each icon holds the 16- and 32-pixel drawings; an index outside
// the list, or a missing file, gives a null icon.
inline constexpr int TreeImageCount = 25;
QIcon TreeImage(int index);

// The icons of the command buttons, by name: "first", "prior", "next", "last", "add", "delete",
// "record", "date", "picklist", "select_category", "delete_category", "select_location",
// "delete_location", "state", "inc", "dec", "clear", "sort", "list". An unknown name gives a null icon.
QIcon ButtonIcon(const QString& name);

// ProgramDir + "icons/": the 16- and 32-pixel files live in its folders "16/" and "32/".
QString IconFolder();

} // namespace ui
