// The clock of a real run: its face at the control's place and size, in the
// saved skin, with the second hand in the saved colour moving every second;
// its name, and its value's changes as assistive technology hears of them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <set>
#include <utility>
#include <vector>

#include "display/DisplayScale.h"
#include "e2e/ArtBitmap.h"
#include "e2e/ScreenPixels.h"
#include "e2e/TallvoxProcess.h"
#include "resource.h"

namespace {

// The tick counts at which value changes of the control reach this process,
// out of context as a screen reader hears them. One hook at a time on a
// thread: the callback has no context of its own.
thread_local std::pair<HWND, std::vector<ULONGLONG>>* t_heard = nullptr;

void CALLBACK HeardValueChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (t_heard && window == t_heard->first && object == OBJID_CLIENT && child == CHILDID_SELF)
        t_heard->second.push_back(::GetTickCount64());
}

std::vector<ULONGLONG> ValueChangesUntil(HWND control, ULONGLONG end) {
    std::pair<HWND, std::vector<ULONGLONG>> heard{control, {}};
    t_heard = &heard;
    // Every process: Wine sets no hook limited to another one.
    const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                                 &HeardValueChange, 0, 0, WINEVENT_OUTOFCONTEXT);
    for (ULONGLONG now = ::GetTickCount64(); hook && now < end; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    if (hook) ::UnhookWinEvent(hook);
    t_heard = nullptr;
    return heard.second;
}

std::set<std::pair<int, int>> RedPixels(const ScreenPixels& shot, const RECT& r) {
    std::set<std::pair<int, int>> red;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF c = shot.At(x, y);
            if (GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80) red.insert({x, y});
        }
    return red;
}

}  // namespace

// At every display scale: the face is the one drawn for the scale nearest
// the display's DPI (100 x 100 at 96 DPI, 150 x 150 at 144 DPI).
TEST(Clock, ShowsTheSavedSkinAtTheFaceSizeAndTheSecondHandMoves) {
    const ArtBitmap green = ReadArtForSession("face_1088.bmp");
    const ArtBitmap silver = ReadArtForSession("face_1066.bmp");
    const int size = ScaleForPercent(100, NearestArtScale(TallvoxProcess::SessionDpi()));
    ASSERT_EQ(size, green.width);
    ASSERT_EQ(size, green.height);

    TallvoxProcess tallvox("clock");
    tallvox.WriteFile("Tallvox.ini", "[Tallvox]\r\nSkin=3\r\nClock_sec_hand=RGB(255,0,0)\r\nMax_Wnd=1\r\n");
    ASSERT_TRUE(tallvox.Start());

    const RECT clock = ControlScreenRect(tallvox.Window(), IDC_CLOCK);
    ASSERT_EQ(size, clock.right - clock.left);
    ASSERT_EQ(size, clock.bottom - clock.top);

    // Outside the reach of the hands the face shows exactly as
    // painted; the magenta key shows the window's white background. The first
    // paint may still be on its way, so compare until it has arrived.
    struct FaceCount {
        int matches = 0, mismatches = 0, silverMatches = 0, keyed = 0, keyMismatches = 0;
        std::string where;  // the first few pixels that differ, for the failure message
    };
    const auto countFace = [&](const ScreenPixels& shot) {
        FaceCount n;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                // The minute hand's tip is 39 pixels out on a 100-pixel face;
                // truncating its coordinates and the anti-aliased pixel beside
                // each point take it a little further, up to about 41 pixels.
                if (std::hypot(x - size / 2, y - size / 2) <= 0.42 * size) continue;
                const COLORREF painted = green.At(x, y);
                const COLORREF shown = shot.At(clock.left + x, clock.top + y);
                const COLORREF expected = painted == RGB(255, 0, 255) ? RGB(255, 255, 255) : painted;
                if (shown != expected && n.where.size() < 200) {
                    char note[64];
                    std::snprintf(note, sizeof note, " (%d,%d) %06lx not %06lx", x, y, static_cast<unsigned long>(shown),
                                  static_cast<unsigned long>(expected));
                    n.where += note;
                }
                if (painted == RGB(255, 0, 255)) {
                    ++n.keyed;
                    n.keyMismatches += shown != RGB(255, 255, 255);
                    continue;
                }
                (shown == painted ? n.matches : n.mismatches)++;
                n.silverMatches += shown == silver.At(x, y);
            }
        return n;
    };
    ScreenPixels first(clock);
    FaceCount face;
    TallvoxProcess::WaitUntil([&] {
        first = ScreenPixels(clock);
        face = countFace(first);
        return face.mismatches == 0 && face.keyMismatches == 0;
    }, 5000);
    EXPECT_EQ(0, face.keyMismatches) << "the key shows the window's background:" << face.where;
    EXPECT_EQ(0, face.mismatches) << face.where;
    EXPECT_GT(face.keyed, 2000 * size / 100 * size / 100);
    EXPECT_GT(face.matches, 1000 * size / 100 * size / 100);
    EXPECT_LT(face.silverMatches, face.matches / 4) << "the green skin, not the silver one";

    // The hand steps once a second; a busy machine may deliver the tick late,
    // so look a few times before calling it stuck.
    const auto redBefore = RedPixels(first, clock);
    auto redAfter = redBefore;
    for (int attempt = 0; attempt < 15 && redAfter == redBefore; ++attempt) {
        ::Sleep(200);
        redAfter = RedPixels(ScreenPixels(clock), clock);
    }
    EXPECT_GE(redBefore.size(), 2u);
    EXPECT_GE(redAfter.size(), 2u);
    EXPECT_NE(redBefore, redAfter) << "the second hand moved";
}

// The clock is named "Clock"; its value (the hours and minutes, through
// Dynamic Annotation, which Wine does not keep) changes once, when the minute
// turns, not at every tick. This waits for the next minute to begin.
TEST(Clock, IsNamedClockAndItsValueChangesWhenTheMinuteTurnsNotEverySecond) {
    TallvoxProcess tallvox("clock-value");
    ASSERT_TRUE(tallvox.Start());
    EXPECT_EQ("Clock", tallvox.Line(IDC_CLOCK));

    // From well inside a minute until a little after the next one begins;
    // a tick may come late on a busy machine.
    constexpr ULONGLONG kLateTick = 3000;
    const auto untilMinute = [] {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        return (60 - now.wSecond) * 1000ULL - now.wMilliseconds;
    };
    if (untilMinute() < kLateTick) ::Sleep(static_cast<DWORD>(untilMinute() + kLateTick));
    const ULONGLONG minuteTurns = ::GetTickCount64() + untilMinute();
    const std::vector<ULONGLONG> changes = ValueChangesUntil(::GetDlgItem(tallvox.Window(), IDC_CLOCK),
                                                              minuteTurns + kLateTick);
    ASSERT_EQ(1u, changes.size()) << "one change, at the turn of the minute";
    EXPECT_GE(changes[0] + 50, minuteTurns) << "not before the minute turned";
}
