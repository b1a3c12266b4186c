#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace app {

// The main window's placement as the settings keep it ([Windows] Left, Top, Width, Height, State):
// Left and Top are the outer frame's corner, Width and Height the client size (-1: none saved).
struct SavedPlacement {
    int left = -1;
    int top = -1;
    int width = -1;
    int height = -1;
    QString state; // "wsNormal", "wsMinimized", "wsMaximized" or empty
};

// Where the window goes on its first show: the outer frame's corner, the client size, and whether it
// is maximised afterwards.
struct FirstShowPlacement {
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool maximise = false;
};

enum class ShownState { Normal, Minimized, Maximized };

QString stateText(ShownState state);

// The size a window gets when the saved one is missing or no longer fits the desktop.
inline constexpr QSize DefaultClientSize{800, 600};

// The saved rectangle when it fits the work area, else 800 x 600 centred; a negative corner is
// centred again, then pulled to 0.
FirstShowPlacement placeOnFirstShow(const SavedPlacement& saved, const QRect& workArea);

// What closing remembers: position and size only when the window is not maximised (so that the
// normal size comes back after a restore), the state always.
SavedPlacement rememberOnClose(const SavedPlacement& previous, ShownState state, const QPoint& frameTopLeft,
                               const QSize& clientSize);

} // namespace app
