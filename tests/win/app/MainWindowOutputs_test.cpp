// The clipboard copy of the main window, through its Ctrl+C key: what lands
// on the clipboard, what the user is told, and a clipboard held elsewhere.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "win/DialogAnswerer.h"
#include "framework/ClipboardText.h"
#include "app/TallvoxDlg.h"
#include "tests/support/ClipboardReader.h"

namespace {

class OpenDlg : public CTallvoxDlg {
public:
    OpenDlg() : CTallvoxDlg(nullptr, VoiceFactory()) {}
};

class MainWindowClipboard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        ::GetKeyboardState(m_savedKeys);
        // The installation date arrives from its worker thread as a message.
        const ULONGLONG end = ::GetTickCount64() + 10000;
        while (m_dlg.Facts().installTime.empty() && ::GetTickCount64() < end) {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
            ::Sleep(10);
        }
        ASSERT_FALSE(m_dlg.Facts().installTime.empty());
    }
    void TearDown() override {
        ::SetKeyboardState(m_savedKeys);
        ::DestroyWindow(m_dlg.GetSafeHwnd());
    }

    void PressCtrlC() {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        MSG msg{m_dlg.GetSafeHwnd(), WM_KEYDOWN, 'C', 1, 0, {0, 0}};
        static_cast<CWnd&>(m_dlg).PreTranslateMessage(&msg);
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    }


    static std::wstring ClipboardUnicodeText() {
        std::wstring text;
        if (!::OpenClipboard(nullptr)) return L"<clipboard busy>";
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            if (const wchar_t* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
                text = units;
                ::GlobalUnlock(data);
            }
        }
        ::CloseClipboard();
        return text;
    }

    OpenDlg m_dlg;
    BYTE m_savedKeys[256] = {};
};

}  // namespace

TEST_F(MainWindowClipboard, CtrlCCopiesTheFiveFactLinesAndSaysSo) {
    ASSERT_TRUE(SetClipboardText(nullptr, "before"));
    DialogAnswerer answerer(IDOK, m_dlg.GetSafeHwnd());
    PressCtrlC();  // returns once the confirmation has been answered

    ASSERT_EQ(1u, answerer.SeenSoFar().size());
    EXPECT_EQ("Tallvox", answerer.SeenSoFar()[0].caption);
    EXPECT_EQ("Informations have been correctly copied to the clipboard.", answerer.SeenSoFar()[0].text);

    const std::string text = ClipboardText();
    EXPECT_EQ(0u, text.rfind("- Uptime : ", 0)) << text;
    EXPECT_NE(std::string::npos, text.find("\r\n- Boot Time : ")) << text;
    EXPECT_NE(std::string::npos, text.find("\r\n- OS Installation Date: ")) << text;
    EXPECT_NE(std::string::npos, text.find("\r\n- OS Installation Time: ")) << text;
    EXPECT_NE(std::string::npos, text.find("\r\n- Today: ")) << text;
    EXPECT_NE("\r\n", text.substr(text.size() - 2)) << "no line end after the last line";
}

// Names from the system (user, computer) may hold any character. Programs
// that read the clipboard in UTF-16 get them right: the copy is put there in
// UTF-16 too, not left for the system to convert from an 8-bit code page.
TEST_F(MainWindowClipboard, TextGoesOnTheClipboardAsItsBytesAndInUtf16) {
    ASSERT_EQ(static_cast<UINT>(CP_UTF8), ::GetACP()) << "the program's manifest asks for UTF-8";
    const char bytes[] = "caf\xC3\xA9 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE8\xA9\xA6\xE9\xA8\x93";
    ASSERT_TRUE(SetClipboardText(nullptr, bytes));
    EXPECT_EQ(bytes, ClipboardText());
    EXPECT_EQ(L"caf\u00E9 \u041F\u0440\u0438\u0432\u0435\u0442 \u8A66\u9A13", ClipboardUnicodeText());
}

TEST_F(MainWindowClipboard, AClipboardHeldByAnotherProgramIsLeftAloneAndTheUserIsTold) {
    ASSERT_TRUE(SetClipboardText(nullptr, "kept"));
    HANDLE held = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        const BOOL opened = ::OpenClipboard(nullptr);
        ::SetEvent(held);
        ::WaitForSingleObject(release, 10000);
        if (opened) ::CloseClipboard();
    });
    ::WaitForSingleObject(held, 10000);

    DialogAnswerer answerer(IDOK, m_dlg.GetSafeHwnd());
    PressCtrlC();
    ::SetEvent(release);
    holder.join();
    ::CloseHandle(held);
    ::CloseHandle(release);

    ASSERT_EQ(1u, answerer.SeenSoFar().size());
    EXPECT_EQ("The clipboard is used by another program: the informations have not been copied.",
              answerer.SeenSoFar()[0].text);
    EXPECT_EQ("kept", ClipboardText());
}

TEST_F(MainWindowClipboard, CWithoutControlCopiesNothing) {
    ASSERT_TRUE(SetClipboardText(nullptr, "untouched"));
    DialogAnswerer answerer(IDOK, m_dlg.GetSafeHwnd());
    MSG msg{m_dlg.GetSafeHwnd(), WM_KEYDOWN, 'C', 1, 0, {0, 0}};
    static_cast<CWnd&>(m_dlg).PreTranslateMessage(&msg);
    EXPECT_EQ("untouched", ClipboardText());
    EXPECT_TRUE(answerer.SeenSoFar().empty());
}
