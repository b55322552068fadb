#include <gtest/gtest.h>

#include "app/PictypeApplication.h"

namespace {

// On a Wayland session the program runs on Wayland, where the lock can ask
// the compositor for its shortcuts; a choice of the user's stands.
TEST(Platform, WaylandFirstOnAWaylandSessionUnlessTheUserChose) {
    struct Row {
        const char* chosen;
        const char* waylandDisplay;
        const char* tried;
    };
    for (const Row& row : {Row{"", "wayland-0", "wayland;xcb"}, Row{"", "", ""},
                           Row{"xcb", "wayland-0", "xcb"}, Row{"offscreen", "", "offscreen"}})
        EXPECT_EQ(platformsToTry(row.chosen, row.waylandDisplay), QByteArray(row.tried))
            << row.chosen << " " << row.waylandDisplay;
}

}  // namespace
