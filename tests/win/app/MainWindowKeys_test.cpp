// The main window's spoken commands, reached by their keys and by WM_COMMAND,
// with a voice that writes down what it is asked to say.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <regex>
#include <string>
#include <vector>

#include "resource.h"
#include "win/DialogAnswerer.h"
#include "win/app/MainWindowTestSupport.h"

namespace {

class MainWindowKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create());
        ::GetKeyboardState(m_savedKeys);
        // The installation date arrives from its worker thread.
        ASSERT_TRUE(PumpUntil([this] { return Line(IDC_LINE_INSTALL_DATE).size() > kDatePrefix.size(); },
                              std::chrono::seconds(10)))
            << Line(IDC_LINE_INSTALL_DATE);
    }
    void TearDown() override
    {
        ::SetKeyboardState(m_savedKeys);
        ::DestroyWindow(m_dlg.GetSafeHwnd());
    }

    // Hands a key message to the window's pre-translation, and then, as its
    // loop does, to the window it was meant for unless it was taken.
    void Press(WPARAM key, UINT message = WM_KEYDOWN, HWND target = nullptr)
    {
        const UINT scanCode = ::MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
        LPARAM lParam = 1 | static_cast<LPARAM>(scanCode) << 16;
        if (message == WM_KEYUP) lParam |= static_cast<LPARAM>(0xC0000000u);
        MSG msg{target ? target : m_dlg.GetSafeHwnd(), message, key, lParam, 0, {0, 0}};
        if (!static_cast<CWnd&>(m_dlg).PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    void HoldControl(bool down)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    std::string Line(int id) const { return LineOf(m_dlg.GetSafeHwnd(), id); }

    std::shared_ptr<SpokenLog> m_log = std::make_shared<SpokenLog>();
    ListenedDlg m_dlg{m_log};
    BYTE m_savedKeys[256] = {};
};

const std::regex kUptime(R"(- Uptime : .*\d+ (seconds?|sec))");
const std::regex kBootTime(R"(- Boot Time : \d\d-\d\d-\d{4} @ \d\d:\d\d:\d\d)");
const std::regex kCurrentTime(R"(current time is \d\d/\d\d/\d\d \d\d:\d\d:\d\d)");

}  // namespace

TEST_F(MainWindowKeys, LettersSpeakTheFactsInTheOrderPressed)
{
    Press('U');
    Press('B');
    Press('D');
    Press('Y');
    Press('Z');
    const std::vector<std::string> said = m_log->WaitFor(5);
    ASSERT_EQ(5u, said.size());
    EXPECT_TRUE(std::regex_match(said[0], kUptime)) << said[0];
    EXPECT_TRUE(std::regex_match(said[1], kBootTime)) << said[1];
    EXPECT_TRUE(std::regex_match(said[2], kCurrentTime)) << said[2];
    // The installation date as the third line shows it.
    const std::string dateLine = Line(IDC_LINE_INSTALL_DATE);
    ASSERT_EQ(0u, dateLine.rfind(kDatePrefix, 0)) << dateLine;
    EXPECT_EQ("operating system installed since " + dateLine.substr(kDatePrefix.size()), said[3]);
    EXPECT_TRUE(std::regex_match(said[4], kInstallTime)) << said[4];
}

TEST_F(MainWindowKeys, CommandsSpeakTheSameSentencesAsTheKeys)
{
    const int ids[] = {ID_SAY_UPTIME, ID_SAY_BOOT_TIME, ID_SAY_CURRENT_TIME, ID_SAY_INSTALL_DATE,
                       ID_SAY_INSTALL_TIME};
    for (int id : ids)
        ::SendMessageA(m_dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    const std::vector<std::string> said = m_log->WaitFor(5);
    ASSERT_EQ(5u, said.size());
    EXPECT_TRUE(std::regex_match(said[0], kUptime)) << said[0];
    EXPECT_TRUE(std::regex_match(said[1], kBootTime)) << said[1];
    EXPECT_TRUE(std::regex_match(said[2], kCurrentTime)) << said[2];
    EXPECT_EQ(0u, said[3].rfind("operating system installed since ", 0)) << said[3];
    EXPECT_TRUE(std::regex_match(said[4], kInstallTime)) << said[4];
}

TEST_F(MainWindowKeys, ControlLeavesLettersAloneAndOtherKeyMessagesDoNothing)
{
    // Key releases, Alt combinations (system keys) and a bare C say nothing.
    Press('U', WM_KEYUP);
    Press('U', WM_SYSKEYDOWN);
    Press('C');
    Press(VK_F1);
    // Control is only looked at for C: Ctrl+U still says the uptime.
    HoldControl(true);
    Press('U');
    HoldControl(false);
    // A marker last: sentences are spoken in order, so anything wrongly
    // queued above would come before it.
    Press('D');
    const std::vector<std::string> said = m_log->WaitFor(2);
    ASSERT_EQ(2u, said.size());
    EXPECT_TRUE(std::regex_match(said[0], kUptime)) << said[0];
    EXPECT_TRUE(std::regex_match(said[1], kCurrentTime)) << said[1];
    EXPECT_TRUE(::IsWindow(m_dlg.GetSafeHwnd()));
}

TEST_F(MainWindowKeys, ShortcutKeysDoNotAlsoPressTheFocusedSizeButton)
{
    const HWND window = m_dlg.GetSafeHwnd();
    const HWND button = ::GetDlgItem(window, IDC_SIZE_BUTTON);
    const auto width = [window] {
        RECT r{};
        ::GetWindowRect(window, &r);
        return r.right - r.left;
    };
    const auto pumpPending = [] {
        MSG pending;
        while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&pending);
    };
    const int before = width();
    // Space saves a report and Enter takes a screenshot: their save dialogs
    // are cancelled. Neither key may reach the focused size button too.
    for (WPARAM key : {VK_SPACE, VK_RETURN}) {
        ::SetForegroundWindow(window);
        ::SetFocus(button);
        ASSERT_EQ(button, ::GetFocus());
        {
            DialogAnswerer answerer(IDCANCEL, window);
            Press(key, WM_KEYDOWN, button);
            Press(key, WM_KEYUP, button);
            EXPECT_EQ(1u, answerer.SeenSoFar().size()) << "key " << key;
        }
        pumpPending();
        EXPECT_EQ(before, width()) << "the size button was pressed by key " << key;
    }
}

// Tab leaves the focus on (or brings it to) the size button and asks for its
// focus rectangle. Wine hides no focus rectangle to start with, so the
// request is what can be seen here.
TEST_F(MainWindowKeys, TabShowsTheFocusRectangleOnTheSizeButton)
{
    ::SetForegroundWindow(m_dlg.GetSafeHwnd());
    Press(VK_TAB);
    EXPECT_EQ(::GetDlgItem(m_dlg.GetSafeHwnd(), IDC_SIZE_BUTTON), ::GetFocus());
    const std::vector<WPARAM>& asked = m_dlg.uiStateChanges;
    EXPECT_NE(asked.end(), std::find(asked.begin(), asked.end(), MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)));
}
