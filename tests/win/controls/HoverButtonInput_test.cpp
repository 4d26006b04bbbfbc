// The hover button's input: clicks, the double click, keys through the
// dialog manager, and the mouse tracking that drives the hot look.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "win/DialogAnswerer.h"
#include "controls/HoverButton.h"
#include "win/controls/ButtonTestSupport.h"

using buttontest::Command;
using buttontest::TestDialog;

namespace {

constexpr WORD kButton = 1001;
constexpr WORD kNext = 1002;
constexpr int kWidth = 60;
constexpr int kHeight = 24;

class ProbeButton : public CHoverButton {
public:
    bool Hover() const { return m_bHover != FALSE; }
    bool PendingClick() const { return m_bPendingClick != FALSE; }
};

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

class HoverButtonInput : public ::testing::Test {
protected:
    HoverButtonInput()
        : m_dialog({{kButton, BS_PUSHBUTTON | WS_TABSTOP, L"Go"}, {kNext, BS_PUSHBUTTON | WS_TABSTOP, L"Next"}})
    {
    }
    void SetUp() override
    {
        ASSERT_NE(m_dialog.Get(), nullptr);
        m_dialog.Size(kButton, kWidth, kHeight);
        ASSERT_TRUE(m_button.SubclassDlgItem(kButton, &m_dialog.Object()));
        m_hWnd = m_button.GetSafeHwnd();
        m_button.SetThemed(FALSE);
    }
    void TearDown() override { ::ReleaseCapture(); }

    void Send(UINT message, WPARAM wParam, LPARAM lParam) { ::SendMessageA(m_hWnd, message, wParam, lParam); }
    bool Pushed() const { return (::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
    bool NeedsPaint() const { return ::GetUpdateRect(m_hWnd, nullptr, FALSE) != FALSE; }
    void ExpectClicks(size_t count)
    {
        ASSERT_EQ(m_dialog.commands.size(), count);
        for (const Command& c : m_dialog.commands) {
            EXPECT_EQ(c.id, kButton);
            EXPECT_EQ(c.code, BN_CLICKED);
            EXPECT_EQ(c.control, m_hWnd);
        }
    }

    TestDialog m_dialog;
    ProbeButton m_button;
    HWND m_hWnd = nullptr;
};

} // namespace

TEST_F(HoverButtonInput, ADoubleClickSendsTwoCommands)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Send(WM_LBUTTONUP, 0, At(5, 5));
    ExpectClicks(1);

    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(Pushed());
    EXPECT_TRUE(m_button.PendingClick());
    ExpectClicks(1);

    Send(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_FALSE(Pushed());
    EXPECT_FALSE(m_button.PendingClick());
    ExpectClicks(2);
}

TEST_F(HoverButtonInput, CarriageReturnClicksAtOnceAndItsReleaseEndsThePushedLook)
{
    Send(WM_KEYDOWN, VK_RETURN, 0);
    Send(WM_CHAR, '\r', 0);
    ExpectClicks(1);
    EXPECT_TRUE(Pushed());

    Send(WM_KEYUP, VK_RETURN, 0);
    EXPECT_FALSE(Pushed());
    EXPECT_FALSE(m_button.PendingClick());
    ExpectClicks(1);

    // A later release of the mouse over the button is no click of its own.
    Send(WM_LBUTTONUP, 0, At(5, 5));
    ExpectClicks(1);
}

TEST_F(HoverButtonInput, SpaceClicksOnceWhenReleased)
{
    Send(WM_KEYDOWN, VK_SPACE, 0);
    Send(WM_CHAR, ' ', 0);
    EXPECT_TRUE(Pushed());
    ExpectClicks(0);

    Send(WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(Pushed());
    ExpectClicks(1);

    Send(WM_LBUTTONUP, 0, At(5, 5));
    ExpectClicks(1);
}

// Enter's command may open a message box: the box takes the focus and the
// key-up, perhaps the capture too. The click waiting on the button must go
// with them, or the next mouse click on the button counts twice.
TEST_F(HoverButtonInput, LosingTheFocusOrTheCaptureDropsAPendingClick)
{
    struct Start {
        const char* name;
        std::function<void()> begin;
        size_t clicksAtOnce;
    };
    const Start starts[] = {
        {"Enter", [&] { Send(WM_KEYDOWN, VK_RETURN, 0); Send(WM_CHAR, '\r', 0); }, 1},
        {"space", [&] { Send(WM_KEYDOWN, VK_SPACE, 0); Send(WM_CHAR, ' ', 0); }, 0},
        {"double click",
         [&] {
             Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
             Send(WM_LBUTTONUP, 0, At(5, 5));
             Send(WM_MOUSEMOVE, 0, At(5, 5));  // captured again after the click
             Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
         },
         1},
    };
    struct Loss {
        const char* name;
        std::function<void()> happen;
    };
    const Loss losses[] = {
        {"focus", [&] { ::SetFocus(m_dialog.Item(kNext)); }},
        {"capture", [&] { ::SetCapture(m_dialog.Get()); }},
        {"focus to a message box",
         [&] {
             DialogAnswerer answerer(IDOK, m_dialog.Get());
             ::MessageBoxA(m_dialog.Get(), "Opened by the command", "Hover test", MB_OK);
         }},
    };
    for (const Start& start : starts) {
        for (const Loss& loss : losses) {
            const std::string what = std::string(start.name) + ", then the " + loss.name + " goes";
            m_dialog.commands.clear();
            ::SetForegroundWindow(m_dialog.Get());
            ::SetFocus(m_hWnd);
            ASSERT_EQ(::GetFocus(), m_hWnd) << what;
            Send(WM_MOUSEMOVE, 0, At(5, 5));  // the pointer rests over it: captured
            start.begin();
            ASSERT_TRUE(m_button.PendingClick()) << what;
            ASSERT_TRUE(Pushed()) << what;

            loss.happen();
            EXPECT_FALSE(m_button.PendingClick()) << what;
            EXPECT_FALSE(Pushed()) << what;
            EXPECT_EQ(m_dialog.commands.size(), start.clicksAtOnce) << what;
            ::ReleaseCapture();

            // The next ordinary click is one click.
            Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
            Send(WM_LBUTTONUP, 0, At(5, 5));
            EXPECT_EQ(m_dialog.commands.size(), start.clicksAtOnce + 1) << what;
            EXPECT_FALSE(Pushed()) << what;
            ::ReleaseCapture();
        }
    }
}

TEST_F(HoverButtonInput, ThroughTheDialogManagerEnterClicksAndTabMovesOn)
{
    ::SetForegroundWindow(m_dialog.Get());
    ::SetFocus(m_hWnd);
    ASSERT_EQ(::GetFocus(), m_hWnd);

    MSG enter{m_hWnd, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    EXPECT_TRUE(::IsDialogMessageA(m_dialog.Get(), &enter));
    Pump();
    ExpectClicks(1);
    MSG enterUp{m_hWnd, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u), 0, {}};
    EXPECT_TRUE(::IsDialogMessageA(m_dialog.Get(), &enterUp));
    Pump();
    EXPECT_FALSE(Pushed());

    MSG tab{m_hWnd, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_TRUE(::IsDialogMessageA(m_dialog.Get(), &tab));
    EXPECT_EQ(::GetFocus(), m_dialog.Item(kNext));
    ExpectClicks(1);
}

TEST_F(HoverButtonInput, EscapeOnTheFocusedButtonStillCancelsTheDialog)
{
    ::SetForegroundWindow(m_dialog.Get());
    ::SetFocus(m_hWnd);
    ASSERT_EQ(::GetFocus(), m_hWnd);
    MSG escape{m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
    EXPECT_TRUE(::IsDialogMessageA(m_dialog.Get(), &escape));
    Pump();
    ASSERT_EQ(m_dialog.commands.size(), 1u);
    EXPECT_EQ(m_dialog.commands[0].id, IDCANCEL);
}

TEST_F(HoverButtonInput, EnteringCapturesTheMouseAndLeavingReleasesIt)
{
    ::ValidateRect(m_hWnd, nullptr);
    Send(WM_MOUSEMOVE, 0, At(0, 0));
    EXPECT_TRUE(m_button.Hover());
    EXPECT_EQ(::GetCapture(), m_hWnd);
    EXPECT_TRUE(NeedsPaint()) << "the hot look needs a repaint";

    ::ValidateRect(m_hWnd, nullptr);
    Send(WM_MOUSEMOVE, 0, At(kWidth - 1, kHeight - 1));
    EXPECT_TRUE(m_button.Hover());
    EXPECT_EQ(::GetCapture(), m_hWnd);
    EXPECT_FALSE(NeedsPaint()) << "no change, no repaint";

    Send(WM_MOUSEMOVE, 0, At(kWidth, 5));
    EXPECT_FALSE(m_button.Hover());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(NeedsPaint());

    ::ValidateRect(m_hWnd, nullptr);
    Send(WM_MOUSEMOVE, 0, At(-1, -1));
    EXPECT_FALSE(m_button.Hover());
    EXPECT_FALSE(NeedsPaint());
}

// A menu or a message box that takes the mouse while the pointer is over the
// button leaves it no way to see the pointer go: the hot look goes now.
TEST_F(HoverButtonInput, TheHotLookEndsWhenAnotherWindowTakesTheCapture)
{
    Send(WM_MOUSEMOVE, 0, At(5, 5));
    ASSERT_TRUE(m_button.Hover());
    ASSERT_EQ(::GetCapture(), m_hWnd);

    ::ValidateRect(m_hWnd, nullptr);
    ::SetCapture(m_hWnd);
    EXPECT_TRUE(m_button.Hover()) << "taking the capture again changes nothing";
    EXPECT_FALSE(NeedsPaint());

    ::SetCapture(m_dialog.Get());
    EXPECT_FALSE(m_button.Hover());
    EXPECT_TRUE(NeedsPaint()) << "the normal look needs a repaint";
    ::ReleaseCapture();

    // Back over the button, the hot look returns.
    Send(WM_MOUSEMOVE, 0, At(6, 6));
    EXPECT_TRUE(m_button.Hover());
    EXPECT_EQ(::GetCapture(), m_hWnd);
}

TEST_F(HoverButtonInput, BackgroundIsNeverErased)
{
    buttontest::Canvas canvas(kWidth, kHeight);
    EXPECT_NE(::SendMessageA(m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0), 0);
    EXPECT_EQ(canvas.Count(buttontest::kSentinel), kWidth * kHeight);
}
