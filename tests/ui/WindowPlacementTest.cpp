#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FirstShowCase {
    const char* name;
    app::SavedPlacement saved;
    QRect workArea;
    app::FirstShowPlacement expected;
};

const QRect desktop(0, 0, 1024, 768);

// {left, top, client width, client height, maximise}
const FirstShowCase firstShowCases[] = {
    {"saved rectangle that fits", {10, 20, 640, 480, "wsNormal"}, desktop, {10, 20, 640, 480, false}},
    {"rectangle touching the right and bottom edges",
     {24, 68, 1000, 700, ""},
     desktop,
     {24, 68, 1000, 700, false}},
    {"one pixel beyond the right edge", {25, 0, 1000, 600, ""}, desktop, {112, 84, 800, 600, false}},
    {"one pixel beyond the bottom edge", {0, 69, 640, 700, ""}, desktop, {112, 84, 800, 600, false}},
    {"nothing saved yet", {-1, -1, -1, -1, ""}, desktop, {112, 84, 800, 600, false}},
    {"saved size of zero", {10, 10, 0, 0, ""}, desktop, {112, 84, 800, 600, false}},
    {"width saved but no height", {10, 10, 640, -1, ""}, desktop, {112, 84, 800, 600, false}},
    {"negative corner is centred again",
     {-8, -4, 1000, 700, "wsNormal"},
     desktop,
     {12, 34, 1000, 700, false}},
    {"negative corner of a window wider than the desktop",
     {-50, -30, 1060, 790, ""},
     desktop,
     {0, 0, 1060, 790, false}},
    {"desktop smaller than the default size",
     {-1, -1, -1, -1, ""},
     QRect(0, 0, 640, 480),
     {0, 0, 800, 600, false}},
    {"maximised with a fitting rectangle",
     {10, 20, 640, 480, "wsMaximized"},
     desktop,
     {10, 20, 640, 480, true}},
    {"maximised with a rectangle that no longer fits",
     {900, 20, 640, 480, "wsMaximized"},
     desktop,
     {112, 84, 800, 600, true}},
    {"minimised state is not restored",
     {10, 20, 640, 480, "wsMinimized"},
     desktop,
     {10, 20, 640, 480, false}},
    // A panel along the top: the edges are the work area's, centring measures from the desktop origin.
    {"work area below a top panel",
     {-1, -1, -1, -1, ""},
     QRect(0, 32, 1920, 1048),
     {560, 240, 800, 600, false}},
    {"rectangle reaching into a top panel still fits",
     {100, 0, 800, 600, ""},
     QRect(0, 32, 1920, 1048),
     {100, 0, 800, 600, false}},
};

TEST(WindowPlacement, FirstShowFollowsTheSavedRectangleOrFallsBackToTheDefault) {
    for (const FirstShowCase& c : firstShowCases) {
        SCOPED_TRACE(c.name);
        const app::FirstShowPlacement placed = app::placeOnFirstShow(c.saved, c.workArea);
        EXPECT_EQ(placed.left, c.expected.left);
        EXPECT_EQ(placed.top, c.expected.top);
        EXPECT_EQ(placed.clientWidth, c.expected.clientWidth);
        EXPECT_EQ(placed.clientHeight, c.expected.clientHeight);
        EXPECT_EQ(placed.maximise, c.expected.maximise);
    }
}

TEST(WindowPlacement, ClosingRemembersTheNormalRectangleButNotAMaximisedOne) {
    const app::SavedPlacement before{10, 20, 640, 480, "wsNormal"};
    const QPoint corner(30, 40);
    const QSize client(700, 500);

    const app::SavedPlacement normal = app::rememberOnClose(before, app::ShownState::Normal, corner, client);
    EXPECT_EQ((std::vector<int>{normal.left, normal.top, normal.width, normal.height}),
              (std::vector<int>{30, 40, 700, 500}));
    EXPECT_EQ(normal.state, "wsNormal");

    const app::SavedPlacement minimised =
        app::rememberOnClose(before, app::ShownState::Minimized, corner, client);
    EXPECT_EQ((std::vector<int>{minimised.left, minimised.top, minimised.width, minimised.height}),
              (std::vector<int>{30, 40, 700, 500}));
    EXPECT_EQ(minimised.state, "wsMinimized");

    const app::SavedPlacement maximised =
        app::rememberOnClose(before, app::ShownState::Maximized, QPoint(0, 0), QSize(1024, 740));
    EXPECT_EQ((std::vector<int>{maximised.left, maximised.top, maximised.width, maximised.height}),
              (std::vector<int>{10, 20, 640, 480}));
    EXPECT_EQ(maximised.state, "wsMaximized");

    // What a maximised close kept comes back as the normal rectangle next time.
    const app::FirstShowPlacement next = app::placeOnFirstShow(maximised, QRect(0, 0, 1024, 768));
    EXPECT_EQ((std::vector<int>{next.left, next.top, next.clientWidth, next.clientHeight}),
              (std::vector<int>{10, 20, 640, 480}));
    EXPECT_TRUE(next.maximise);
}

} // namespace
