#pragma once

#include <QColor>

namespace ui {

// The colours of the program's title areas: a vertical gradient, brighter when the window is active.
struct TitleColours {
    static inline const QColor activeFrom{0x33, 0x98, 0xFF};
    static inline const QColor activeTo{0x00, 0x50, 0xD2};
    static inline const QColor inactiveFrom{0xA0, 0xBE, 0xFA};
    static inline const QColor inactiveTo{0x68, 0x89, 0xCE};
    static inline const QColor text{0xFF, 0xFF, 0xFF};
};

} // namespace ui
