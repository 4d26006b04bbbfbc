// The taskbar clock keeper against a stand-in taskbar: however it is let go,
// the clock ends as it was found, and only while it holds does it hide.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/shell/TaskbarClock.h"
#include "e2e/TaskbarStandIn.h"

namespace {

bool ClockShown(const TaskbarStandIn& taskbar)
{
    return (::GetWindowLongA(taskbar.Clock(), GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

// Let go by Restore (the window's loop ended, the session ends) or only by
// the keeper's end (the window never came up, an early return): the clock
// is back as it was before, shown or hidden.
TEST(TaskbarClock, EndsAsItWasFoundHoweverItIsLetGo)
{
    struct Case {
        const char* name;
        bool shownBefore;
        bool restoreCalled;
    };
    const Case cases[] = {
        {"shown, restored", true, true},
        {"shown, keeper ends", true, false},
        {"hidden, restored", false, true},
        {"hidden, keeper ends", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TaskbarStandIn taskbar;
        ASSERT_EQ(taskbar.Tray(), ::FindWindowA("Shell_TrayWnd", nullptr));
        ::ShowWindow(taskbar.Clock(), c.shownBefore ? SW_SHOW : SW_HIDE);
        {
            CTaskbarClock keeper;
            keeper.Hide();
            EXPECT_TRUE(keeper.IsHolding());
            EXPECT_FALSE(ClockShown(taskbar));
            if (c.restoreCalled) {
                keeper.Restore();
                EXPECT_FALSE(keeper.IsHolding());
                EXPECT_EQ(c.shownBefore, ClockShown(taskbar));
                // Once let go, a new taskbar's clock is left alone, and a
                // second Restore changes nothing.
                ::ShowWindow(taskbar.Clock(), SW_HIDE);
                keeper.HideAgain();
                keeper.Restore();
                EXPECT_FALSE(ClockShown(taskbar));
                ::ShowWindow(taskbar.Clock(), c.shownBefore ? SW_SHOW : SW_HIDE);
            }
        }
        EXPECT_EQ(c.shownBefore, ClockShown(taskbar));
    }
}
