// The cursor hand-over: one active cursor at a time, the system cursor off while one shows.
#include <gtest/gtest.h>

#include "overlay/CrosshairCursor.h"
#include "tests/support/RecordingPlatform.h"

TEST(CursorTest, ShowingACursorTakesOverFromTheActiveOneAndOnlyTheShownOneFollowsTheMouse)
{
    const RecordingPlatform platform;
    CrosshairCursor first(8, Color(1, 1, 1, 1));
    EXPECT_FALSE(ScreenElement::shownElements().contains(&first)) << "a new cursor waits hidden";
    first.show();
    EXPECT_EQ(Cursor::active(), &first);
    EXPECT_FALSE(platform.systemCursorVisible);

    CrosshairCursor second(4, Color(0, 1, 0, 1));
    EXPECT_EQ(Cursor::active(), &first) << "building a cursor leaves the shown one in charge";
    second.show();
    EXPECT_FALSE(first.isVisible());
    second.hide();
    EXPECT_EQ(Cursor::active(), nullptr);
    EXPECT_FALSE(platform.systemCursorVisible) << "hiding alone does not bring the system cursor back";

    first.show();
    Cursor::useSystemCursor();
    EXPECT_TRUE(!first.isVisible() && platform.systemCursorVisible);
    {
        CrosshairCursor passing(8, Color(1, 1, 1, 1));
        passing.show();
    }
    EXPECT_EQ(Cursor::active(), nullptr) << "a deleted cursor is not left active";

    // Only the shown cursor follows the mouse, and it starts where the pointer is.
    CrosshairCursor third(8, Color(1, 1, 1, 1));
    dispatchMouseMoved(Pointer::inWindow(100, 200, 1280, 720));
    EXPECT_EQ(third.getPointer().x, 0) << "a hidden cursor does not listen";
    third.show();
    EXPECT_EQ(third.getPointer().y, 200);
    second.show();
    dispatchMouseMoved(Pointer::inWindow(7, 9, 1280, 720));
    EXPECT_EQ(third.getPointer().x, 100);
    EXPECT_EQ(second.getPointer().y, 9);
    Cursor::useSystemCursor();
}
