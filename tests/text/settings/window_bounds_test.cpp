// SPDX-License-Identifier: GPL-3.0-or-later
// Window bounds from hand-written settings files: whatever the file holds, the window gets a
// size it can have and a place on the work area, and nothing insane is written back.
#include <gtest/gtest.h>

#include "settings_test_files.h"
#include "text/settings/load_ini.h"
#include "text/settings/save_ini.h"
#include "text/settings/window_bounds.h"

using namespace hexaline::settings;

namespace {

class WindowBoundsFile : public hexaline::settings::testing::SettingsFileTest {};

const WindowBounds kWork{0, 0, 1920, 1040};

}  // namespace

TEST_F(WindowBoundsFile, HugeNegativeAndGarbageBoundsLoadSane) {
    put("[agame]\r\nTop=-2147483648\r\nLeft=2147483647\r\nWidth=2147483647\r\n"
        "Height=-7\r\n");
    const LoadResult huge = loadinifile(path());
    EXPECT_EQ(huge.bounds, (WindowBounds{kMaxWindowExtent, -kMaxWindowExtent, kMaxWindowExtent,
                                         kMinWindowHeight}));
    EXPECT_EQ(fitBounds(huge.bounds, kWork), (WindowBounds{0, 0, 1920, kMinWindowHeight}));

    put("[agame]\r\nTop=zz\r\nLeft=\r\nWidth=99999999999999999999\r\nHeight=0x10\r\n");
    const LoadResult garbage = loadinifile(path());
    EXPECT_GE(garbage.bounds.width, kMinWindowWidth);
    EXPECT_LE(garbage.bounds.width, kMaxWindowExtent);
    EXPECT_GE(garbage.bounds.height, kMinWindowHeight);
    const WindowBounds fitted = fitBounds(garbage.bounds, kWork);
    EXPECT_GE(fitted.left, 0);
    EXPECT_LE(fitted.left + fitted.width, 1920);
    EXPECT_LE(fitted.top + fitted.height, 1040);
}

TEST_F(WindowBoundsFile, OrdinaryBoundsAreKeptAndInsaneOnesAreNotSavedBack) {
    put("[agame]\r\nTop=40\r\nLeft=100\r\nWidth=772\r\nHeight=535\r\n");
    const LoadResult plain = loadinifile(path());
    EXPECT_EQ(plain.bounds, (WindowBounds{100, 40, 772, 535}));
    EXPECT_EQ(fitBounds(plain.bounds, kWork), plain.bounds);
    EXPECT_EQ(fitBounds(plain.bounds, {}), plain.bounds);  // no screen known

    Preferences prefs;
    prefs.window = {2147483647, -2147483647, 2147483647, 2147483647};
    ASSERT_TRUE(saveinifile(path(), prefs).ok);
    const LoadResult back = loadinifile(path());
    EXPECT_EQ(back.bounds, saneBounds(prefs.window));
    EXPECT_TRUE(contents().contains("Width=16384"));
}

TEST(FitBounds, MovesAnUnreachableWindowOntoTheWorkAreaAndLeavesAReachableOne) {
    const WindowBounds right{1920, 0, 1280, 984};  // the work area of a second screen
    EXPECT_EQ(fitBounds({100, 100, 772, 535}, right), (WindowBounds{1920, 100, 772, 535}));
    EXPECT_EQ(fitBounds({0, 0, 5000, 5000}, right), (WindowBounds{1920, 0, 1280, 984}));
    EXPECT_EQ(fitBounds({1920, -40, 772, 535}, right), (WindowBounds{1920, 0, 772, 535}));
    // Hanging over the edge but reachable: where the user put it.
    EXPECT_EQ(fitBounds({3000, 900, 772, 535}, right), (WindowBounds{3000, 900, 772, 535}));
    EXPECT_EQ(fitBounds({1300, 10, 772, 535}, right), (WindowBounds{1300, 10, 772, 535}));
}
