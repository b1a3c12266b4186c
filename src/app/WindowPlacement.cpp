#include "app/WindowPlacement.h"

namespace app {

namespace {

// The work area's right and bottom edges as the desktop reports them: the first pixel outside it.
int rightEdge(const QRect& area) {
    return area.x() + area.width();
}
int bottomEdge(const QRect& area) {
    return area.y() + area.height();
}

// Centring measures from the desktop's origin, not from the work area's corner; integer division
// drops the fraction.
int centred(int edge, int extent) {
    return (edge - extent) / 2;
}

} // namespace

QString stateText(ShownState state) {
    switch (state) {
    case ShownState::Minimized:
        return QStringLiteral("wsMinimized");
    case ShownState::Maximized:
        return QStringLiteral("wsMaximized");
    case ShownState::Normal:
        break;
    }
    return QStringLiteral("wsNormal");
}

FirstShowPlacement placeOnFirstShow(const SavedPlacement& saved, const QRect& workArea) {
    FirstShowPlacement placed;
    // A size of 0 or less would give a window with no client area: treat it as none saved.
    const bool hasSize = saved.width > 0 && saved.height > 0;
    const bool fits = hasSize && saved.left + saved.width <= rightEdge(workArea) &&
                      saved.top + saved.height <= bottomEdge(workArea);
    if (fits) {
        placed.left = saved.left;
        placed.top = saved.top;
        placed.clientWidth = saved.width;
        placed.clientHeight = saved.height;
    } else {
        placed.clientWidth = DefaultClientSize.width();
        placed.clientHeight = DefaultClientSize.height();
        placed.left = centred(rightEdge(workArea), placed.clientWidth);
        placed.top = centred(bottomEdge(workArea), placed.clientHeight);
    }
    if (placed.left < 0) {
        placed.left = centred(rightEdge(workArea), placed.clientWidth);
        if (placed.left < 0)
            placed.left = 0;
    }
    if (placed.top < 0) {
        placed.top = centred(bottomEdge(workArea), placed.clientHeight);
        if (placed.top < 0)
            placed.top = 0;
    }
    placed.maximise = saved.state == QLatin1String("wsMaximized");
    return placed;
}

SavedPlacement rememberOnClose(const SavedPlacement& previous, ShownState state, const QPoint& frameTopLeft,
                               const QSize& clientSize) {
    SavedPlacement remembered = previous;
    if (state != ShownState::Maximized) {
        remembered.left = frameTopLeft.x();
        remembered.top = frameTopLeft.y();
        remembered.width = clientSize.width();
        remembered.height = clientSize.height();
    }
    remembered.state = stateText(state);
    return remembered;
}

} // namespace app
