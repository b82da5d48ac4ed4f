// A saved window placement stays where it was while the user can reach it, and comes back onto the
// primary screen when its monitor is gone or the file held nonsense.
#include "chart/view/screen_placement.h"

#include <gtest/gtest.h>

using brelt::chart::visiblePlacement;

TEST(ScreenPlacement, KeptWhenReachableMovedOntoThePrimaryOtherwise) {
    const QList<QRect> twoScreens = {QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1000)};
    struct Case {
        QRect saved;
        QRect expected;
    };
    const Case cases[] = {
        {QRect(100, 100, 640, 480), QRect(100, 100, 640, 480)},     // on the primary screen
        {QRect(2000, 50, 640, 480), QRect(2000, 50, 640, 480)},     // on the second screen
        {QRect(1800, 200, 640, 480), QRect(1800, 200, 640, 480)},   // across both
        {QRect(-560, 10, 640, 480), QRect(-560, 10, 640, 480)},     // 80 px showing: grabbable
        {QRect(-620, 10, 640, 480), QRect(640, 285, 640, 480)},     // 20 px showing: too little
        {QRect(4000, 100, 640, 480), QRect(640, 285, 640, 480)},    // an unplugged third monitor
        {QRect(100, -5000, 640, 480), QRect(640, 285, 640, 480)},   // a damaged file
        {QRect(100, 100, 9000, 9000), QRect(100, 100, 9000, 9000)}, // huge but its title shows
        {QRect(5000, 5000, 9000, 9000), QRect(0, 0, 1920, 1050)},   // huge and lost: shrunk
    };
    for (const Case& c : cases)
        EXPECT_EQ(visiblePlacement(c.saved, twoScreens), c.expected) << c.saved.x();
}
