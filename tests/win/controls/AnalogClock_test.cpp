// The clock control in a real window: skin size, the once-a-minute compose,
// the pixels that reach the screen (and the value given to screen readers).
#include <windows.h>

#include <gtest/gtest.h>

#include <oleacc.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "controls/AnalogClock.h"
#include "controls/DibSurface.h"
#include "controls/HandGeometry.h"
#include "framework/Gdi.h"
#include "resource.h"

namespace {

constexpr COLORREF kParentBack = RGB(0, 128, 0);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr int kClockX = 10;
constexpr int kClockY = 10;

// Annotations as they were asked for, in order: "role <n>" and values.
class AnnotationLog : public CAccessibleAnnotation {
public:
    std::vector<std::string> asked;
    bool SetValue(HWND, const std::string& value) override { return asked.push_back(value), true; }
    bool SetRole(HWND, long role) override { return asked.push_back("role " + std::to_string(role)), true; }
};

// The clock with its time under the test's control.
class TestClock : public CAnalogClock {
public:
    TestClock() { SetAnnotation(annotations); }
    __time64_t now = 0;
    AnnotationLog annotations;

protected:
    __time64_t CurrentTime() override { return now; }
};

__time64_t LocalTime(int day, int hour, int minute, int second)
{
    tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return _mktime64(&t);
}

const char* ParentClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = ::CreateSolidBrush(kParentBack);
        wc.lpszClassName = "TallvoxClockTestParent";
        ::RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

class AnalogClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_parent = ::CreateWindowExA(0, ParentClass(), "Clock test", WS_POPUP | WS_VISIBLE, 40, 40, 160, 140,
                                     nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(m_parent, nullptr);
        m_static = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, kClockX, kClockY, 70, 47, m_parent,
                                     nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(m_static, nullptr);
        m_font.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
        ::SendMessageA(m_static, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
        // No paint yet: the plain static would fill its rectangle with the
        // dialog colour, which the clock's keyed pixels would then show.
    }

    void TearDown() override
    {
        if (m_parent)
            ::DestroyWindow(m_parent);
    }

    // Sized to the face and started, as the main window does.
    void StartClock(__time64_t now)
    {
        ASSERT_TRUE(m_clock.SubclassWindow(m_static));
        m_clock.SetSkin(IDB_FACE_SILVER, IDB_DATE_GREY);
        const SIZE face = m_clock.GetFaceSize();
        m_clock.MoveWindow(kClockX, kClockY, face.cx, face.cy, TRUE);
        m_clock.now = now;
        m_clock.Start();
        ::UpdateWindow(m_parent);
        ::UpdateWindow(m_static);
    }

    void Repaint(__time64_t now)
    {
        m_clock.now = now;
        ::InvalidateRect(m_static, nullptr, FALSE);
        ::UpdateWindow(m_static);
    }

    // What the control shows on screen, 100 x 100 from its top-left corner.
    std::vector<COLORREF> Capture()
    {
        DibSurface shot;
        EXPECT_TRUE(shot.Create(100, 100));
        HDC window = ::GetDC(m_static);
        ::BitBlt(shot, 0, 0, 100, 100, window, 0, 0, SRCCOPY);
        ::ReleaseDC(m_static, window);
        DibSurface::Flush();
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                pixels.push_back(shot.GetPixel(x, y));
        return pixels;
    }

    // The clock at noon on the 5th, then restarted at noon on the 25th.
    std::pair<std::vector<COLORREF>, std::vector<COLORREF>> CaptureNoonOfDays5And25()
    {
        StartClock(LocalTime(5, 12, 0, 0));
        std::vector<COLORREF> day5 = Capture();
        m_clock.now = LocalTime(25, 12, 0, 0);
        m_clock.Start();
        ::UpdateWindow(m_static);
        return {std::move(day5), Capture()};
    }

    static COLORREF At(const std::vector<COLORREF>& pixels, int x, int y) { return pixels[y * 100 + x]; }

    HWND m_parent = nullptr;
    HWND m_static = nullptr;
    CFont m_font;
    TestClock m_clock;
};

} // namespace

TEST_F(AnalogClockTest, FaceSizeComesFromTheSkin)
{
    EXPECT_EQ(m_clock.GetFaceSize().cx, 0);
    EXPECT_EQ(m_clock.GetFaceSize().cy, 0);
    m_clock.SetSkin(IDB_FACE_SILVER, 0);
    EXPECT_EQ(m_clock.GetFaceSize().cx, 0);
    m_clock.SetSkin(IDB_FACE_SILVER, IDB_DATE_GREY);
    EXPECT_EQ(m_clock.GetFaceSize().cx, 100);
    EXPECT_EQ(m_clock.GetFaceSize().cy, 100);
}

TEST_F(AnalogClockTest, WithoutSkinPaintsNothingAndValidates)
{
    ASSERT_TRUE(m_clock.SubclassWindow(m_static));
    ::InvalidateRect(m_static, nullptr, FALSE);
    ::UpdateWindow(m_static);
    EXPECT_EQ(m_clock.ComposeCount(), 0);
    EXPECT_FALSE(::GetUpdateRect(m_static, nullptr, FALSE));
}

TEST_F(AnalogClockTest, ComposesOncePerMinute)
{
    const __time64_t noon = LocalTime(5, 12, 0, 0);
    StartClock(noon);
    EXPECT_EQ(m_clock.ComposeCount(), 1);

    Repaint(noon + 10);
    Repaint(noon + 59);
    EXPECT_EQ(m_clock.ComposeCount(), 1);

    Repaint(noon + 60);
    EXPECT_EQ(m_clock.ComposeCount(), 2);

    // Start (as after a skin change) forces a full compose at once.
    m_clock.Start();
    ::UpdateWindow(m_static);
    EXPECT_EQ(m_clock.ComposeCount(), 3);
}

// The same minute of the hour an hour or a day later (the window was hidden,
// the machine slept, the clock was set) is a different picture: composed
// afresh, and exactly what a clock started at that moment shows.
TEST_F(AnalogClockTest, SameMinuteAnHourOrADayLaterComposesAfresh)
{
    struct Case {
        const char* name;
        __time64_t later;
    };
    const Case cases[] = {
        {"an hour later", LocalTime(5, 13, 0, 0)},
        {"a day later", LocalTime(6, 12, 0, 0)},
        {"an hour and a day earlier", LocalTime(4, 11, 0, 0)},
    };
    const __time64_t noon = LocalTime(5, 12, 0, 0);
    StartClock(noon);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_clock.now = c.later;
        m_clock.Start();
        ::UpdateWindow(m_static);
        const std::vector<COLORREF> fresh = Capture();

        m_clock.now = noon;
        m_clock.Start();
        ::UpdateWindow(m_static);
        const int composed = m_clock.ComposeCount();

        Repaint(c.later);
        EXPECT_EQ(composed + 1, m_clock.ComposeCount());
        EXPECT_EQ(fresh, Capture());
    }
}

TEST_F(AnalogClockTest, KeyColourShowsTheParentAndHandsAreDrawn)
{
    StartClock(LocalTime(5, 12, 0, 0));
    const std::vector<COLORREF> shot = Capture();

    EXPECT_EQ(At(shot, 0, 0), kParentBack);
    EXPECT_EQ(At(shot, 99, 99), kParentBack);
    EXPECT_NE(At(shot, 50, 50), kParentBack);
    EXPECT_NE(At(shot, 50, 50), kKey);

    // At second 0 the doubled second hand runs straight up, x 49 and 50 from
    // y 15 to 45, drawn last and unblended.
    for (int y = 15; y <= 45; ++y) {
        EXPECT_EQ(At(shot, 49, y), RGB(220, 20, 60)) << "y " << y;
        EXPECT_EQ(At(shot, 50, y), RGB(220, 20, 60)) << "y " << y;
    }
}

// The one-second tick draws straight onto the window, with no WM_PAINT in
// between: the paint's own cost was larger than the drawing's.
TEST_F(AnalogClockTest, TickDrawsAtOnceWithoutAskingForAPaint)
{
    const __time64_t noon = LocalTime(5, 12, 0, 0);
    StartClock(noon);
    const Point tipAt0 = SecondHandLines(100, 100, 0).front().from;
    const Point tipAt15 = SecondHandLines(100, 100, 15).front().from;
    ASSERT_EQ(At(Capture(), tipAt0.x, tipAt0.y), RGB(220, 20, 60));

    m_clock.now = noon + 15;
    ::SendMessageA(m_static, WM_TIMER, 1, 0);
    EXPECT_FALSE(::GetUpdateRect(m_static, nullptr, FALSE));
    const std::vector<COLORREF> shot = Capture();
    EXPECT_EQ(At(shot, tipAt15.x, tipAt15.y), RGB(220, 20, 60));
    EXPECT_NE(At(shot, tipAt0.x, tipAt0.y), RGB(220, 20, 60));
}

TEST_F(AnalogClockTest, TickDrawsNothingWhileTheWindowIsHidden)
{
    const __time64_t noon = LocalTime(5, 12, 0, 0);
    StartClock(noon);
    ::ShowWindow(m_parent, SW_HIDE);
    m_clock.now = noon + 60;
    ::SendMessageA(m_static, WM_TIMER, 1, 0);
    EXPECT_EQ(m_clock.ComposeCount(), 1);

    ::ShowWindow(m_parent, SW_SHOWNA);
    ::SendMessageA(m_static, WM_TIMER, 1, 0);
    EXPECT_EQ(m_clock.ComposeCount(), 2);
}

TEST_F(AnalogClockTest, SecondHandColourShowsAtTheNextPaint)
{
    const __time64_t noon = LocalTime(5, 12, 0, 0);
    StartClock(noon);
    m_clock.m_crSecondHand = RGB(0, 0, 255);
    Repaint(noon);
    EXPECT_EQ(At(Capture(), 49, 30), RGB(0, 0, 255));

    m_clock.m_bShowSeconds = FALSE;
    Repaint(noon);
    const std::vector<COLORREF> shot = Capture();
    EXPECT_NE(At(shot, 50, 30), RGB(0, 0, 255));
    // The minute hand stays underneath.
    EXPECT_EQ(At(shot, 49, 30), RGB(0, 0, 0));
}

TEST_F(AnalogClockTest, DateWindowShowsTheDay)
{
    const auto [day5, day25] = CaptureNoonOfDays5And25();

    int differing = 0;
    for (int y = 42; y < 57; ++y)
        for (int x = 67; x < 86; ++x)
            differing += At(day5, x, y) != At(day25, x, y);
    EXPECT_GT(differing, 0);

    // The rest of the picture is the same.
    EXPECT_EQ(At(day5, 49, 30), At(day25, 49, 30));
    EXPECT_EQ(At(day5, 20, 50), At(day25, 20, 50));
}

TEST_F(AnalogClockTest, NoDateWithoutAFont)
{
    ::SendMessageA(m_static, WM_SETFONT, 0, FALSE);
    const auto [day5, day25] = CaptureNoonOfDays5And25();
    EXPECT_EQ(day5, day25);
}

TEST_F(AnalogClockTest, DestroyStopsAndUnbinds)
{
    StartClock(LocalTime(5, 12, 0, 0));
    ::DestroyWindow(m_parent);
    m_parent = nullptr;
    EXPECT_EQ(m_clock.GetSafeHwnd(), nullptr);
    m_clock.Stop();  // safe without a window
}

// Screen checks of the face leave out the middle of the clock; the hands must
// stay inside that middle whatever the time.
TEST_F(AnalogClockTest, HandsNeverReachBeyondFortyTwoPixelsFromTheCentre)
{
    StartClock(LocalTime(5, 0, 0, 0));
    const std::vector<COLORREF> reference = Capture();
    for (int minute = 0; minute < 60; ++minute) {
        m_clock.now = LocalTime(5, minute % 12, minute, minute);
        m_clock.Start();
        ::UpdateWindow(m_static);
        const std::vector<COLORREF> shot = Capture();
        int outside = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (std::hypot(x - 50, y - 50) > 42.0 && At(shot, x, y) != At(reference, x, y)) ++outside;
        EXPECT_EQ(0, outside) << "at minute " << minute;
    }
}

// The value tells the hours and minutes shown: set at the start and again
// when the minute turns, not at every tick.
TEST_F(AnalogClockTest, TheValueForReadersChangesWhenTheMinuteTurns)
{
    const __time64_t before = LocalTime(5, 9, 59, 58);
    StartClock(before);
    for (int second : {1, 2, 3, 62}) {
        m_clock.now = before + second;
        ::SendMessageA(m_static, WM_TIMER, 1, 0);
    }
    EXPECT_EQ((std::vector<std::string>{"role " + std::to_string(ROLE_SYSTEM_CLOCK), "09:59", "10:00", "10:01"}),
              m_clock.annotations.asked);
}

// High contrast: hour marks and hands in the ink over the paper.
TEST_F(AnalogClockTest, ThePlainFaceDrawsInInkOverPaper)
{
    constexpr COLORREF kInk = RGB(255, 255, 0);
    constexpr COLORREF kPaper = RGB(0, 0, 128);
    StartClock(LocalTime(5, 12, 0, 0));
    m_clock.SetPlainFace(true, kInk, kPaper);
    ::UpdateWindow(m_static);
    const std::vector<COLORREF> shot = Capture();
    const Point twelve = TickLines(100, 100).front().from;
    EXPECT_EQ(kInk, At(shot, twelve.x, twelve.y)) << "the mark at twelve";
    EXPECT_EQ(kInk, At(shot, 49, 30)) << "the hands";
    EXPECT_EQ(kPaper, At(shot, 20, 50));
    EXPECT_EQ(kPaper, At(shot, 1, 1)) << "the whole face";
}
