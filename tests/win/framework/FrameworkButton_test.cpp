// Framework pieces the owner-drawn button stands on: a class's own default
// processing, style changes, and draw requests reflected to a button's object.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/Button.h"
#include "framework/Wnd.h"

namespace {

constexpr UINT kHandled = WM_APP + 1;    // in the table, which asks Default()
constexpr UINT kUnhandled = WM_APP + 2;  // not in the table
constexpr UINT kPassedOn = WM_APP + 3;   // reaches the window's procedure
constexpr LRESULT kWindowsAnswer = 55;

LRESULT CALLBACK TestWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kHandled || message == kUnhandled || message == kPassedOn || message == WM_DRAWITEM)
        return kWindowsAnswer;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

const char* TestClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "TallvoxFrameworkButtonTest";
        ::RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

class Window {
public:
    explicit Window(HWND parent = nullptr, const char* cls = TestClass(), DWORD style = WS_POPUP, int id = 0)
        : m_hWnd(::CreateWindowExA(0, cls, "", style | (parent ? WS_CHILD : 0), 0, 0, 40, 20, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr))
    {
    }
    ~Window() { ::DestroyWindow(m_hWnd); }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    operator HWND() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

class Intercepting : public CWnd {
public:
    int intercepted = 0;

protected:
    const MessageMap* GetMessageMap() const override
    {
        using T = Intercepting;
        static const MessageEntry entries[] = {OnMessage(kHandled, &msg::Raw<T, &T::OnHandled>)};
        static const MessageMap map{CWnd::ThisMessageMap(), entries, 1};
        return &map;
    }
    LRESULT OnHandled(WPARAM, LPARAM) { return Default() + 1000; }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kHandled || message == kUnhandled) {
            ++intercepted;
            return static_cast<LRESULT>(message - WM_APP);
        }
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
};

class CountingButton : public CButton {
public:
    int draws = 0;
    const DRAWITEMSTRUCT* last = nullptr;
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        ++draws;
        last = item;
    }
};

DRAWITEMSTRUCT Request(HWND control, UINT type)
{
    DRAWITEMSTRUCT request{};
    request.CtlType = type;
    request.CtlID = static_cast<UINT>(::GetDlgCtrlID(control));
    request.hwndItem = control;
    return request;
}

} // namespace

TEST(FrameworkDefault, ADerivedClassAnswersBeforeTheWindowsProcedure)
{
    Window window;
    Intercepting object;
    ASSERT_TRUE(object.SubclassWindow(window));
    EXPECT_EQ(::SendMessageA(window, kHandled, 0, 0), 1001) << "Default() of a table handler";
    EXPECT_EQ(::SendMessageA(window, kUnhandled, 0, 0), 2) << "no table entry";
    EXPECT_EQ(object.intercepted, 2);
    EXPECT_EQ(::SendMessageA(window, kPassedOn, 0, 0), kWindowsAnswer);
    object.UnsubclassWindow();
}

TEST(FrameworkStyle, ModifyStyleReportsAndAppliesAChange)
{
    Window button(nullptr, "BUTTON", WS_POPUP | BS_PUSHBUTTON);
    CButton object;
    ASSERT_TRUE(object.SubclassWindow(button));
    EXPECT_TRUE(object.ModifyStyle(0, WS_TABSTOP));
    EXPECT_FALSE(object.ModifyStyle(0, WS_TABSTOP)) << "already set";
    EXPECT_TRUE(object.ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED));
    EXPECT_EQ(object.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_NE(object.GetStyle() & WS_TABSTOP, 0u);
    EXPECT_TRUE(object.ModifyStyle(WS_TABSTOP, 0));
    EXPECT_EQ(object.GetStyle() & WS_TABSTOP, 0u);

    object.SetState(TRUE);
    EXPECT_NE(object.GetState() & BST_PUSHED, 0u);
    object.SetState(FALSE);
    EXPECT_EQ(object.GetState() & BST_PUSHED, 0u);
}

TEST(FrameworkReflection, ButtonDrawRequestsGoToTheButtonsObject)
{
    Window parent;
    CWnd parentObject;
    ASSERT_TRUE(parentObject.SubclassWindow(parent));
    Window drawn(parent, "BUTTON", BS_OWNERDRAW, 11);
    Window plain(parent, "BUTTON", BS_OWNERDRAW, 12);
    Window unbound(parent, "BUTTON", BS_OWNERDRAW, 13);
    CountingButton button;
    CWnd notAButton;
    ASSERT_TRUE(button.SubclassWindow(drawn));
    ASSERT_TRUE(notAButton.SubclassWindow(plain));

    DRAWITEMSTRUCT request = Request(drawn, ODT_BUTTON);
    EXPECT_EQ(::SendMessageA(parent, WM_DRAWITEM, 11, reinterpret_cast<LPARAM>(&request)), TRUE);
    EXPECT_EQ(button.draws, 1);
    EXPECT_EQ(button.last, &request);

    // Anything else is the parent's to answer.
    DRAWITEMSTRUCT other = Request(plain, ODT_BUTTON);
    EXPECT_EQ(::SendMessageA(parent, WM_DRAWITEM, 12, reinterpret_cast<LPARAM>(&other)), kWindowsAnswer);
    DRAWITEMSTRUCT loose = Request(unbound, ODT_BUTTON);
    EXPECT_EQ(::SendMessageA(parent, WM_DRAWITEM, 13, reinterpret_cast<LPARAM>(&loose)), kWindowsAnswer);
    DRAWITEMSTRUCT notButton = Request(drawn, ODT_STATIC);
    EXPECT_EQ(::SendMessageA(parent, WM_DRAWITEM, 11, reinterpret_cast<LPARAM>(&notButton)), kWindowsAnswer);
    EXPECT_EQ(button.draws, 1);

    button.UnsubclassWindow();
    notAButton.UnsubclassWindow();
    parentObject.UnsubclassWindow();
}
