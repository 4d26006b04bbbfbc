#include "framework/Gdi.h"
#include "framework/Handles.h"

#include <gtest/gtest.h>


namespace {

bool IsLive(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

}  // namespace

// Handing an owner the handle it holds keeps it; a new one closes the old;
// a move passes the handle on and leaves nothing to close twice.
TEST(UniqueHandle, AttachOfTheHeldHandleKeepsItAndMovesPassItOn) {
    CBrush brush(RGB(1, 2, 3));
    const HBRUSH first = brush.Get();
    brush.Attach(first);
    EXPECT_TRUE(IsLive(first)) << "re-attaching deleted the live object";

    brush.Attach(::CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_FALSE(IsLive(first));

    CBrush moved(std::move(brush));
    EXPECT_FALSE(brush);
    EXPECT_TRUE(IsLive(moved.Get()));
    const HBRUSH kept = moved.Detach();
    EXPECT_TRUE(IsLive(kept));
    ::DeleteObject(kept);

    CKernelHandle event(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    event.Attach(event.Get());
    EXPECT_NE(WAIT_FAILED, ::WaitForSingleObject(event.Get(), 0));
    EXPECT_TRUE(event.Close());
}
