// The thin window layer: handle map, message tables with chaining,
// reflection to controls, the modal loop.
#include <gtest/gtest.h>

#include <colordlg.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "win/DialogAnswerer.h"
#include "framework/ColorDialog.h"
#include "framework/Dialog.h"
#include "framework/FileDialog.h"
#include "framework/Gdi.h"
#include "framework/Static.h"
#include "framework/WinApp.h"
#include "resource.h"

namespace {

class CountingStatic : public CStatic {
public:
    int reflected = 0;
    int destroyed = 0;

protected:
    const MessageMap* GetMessageMap() const override {
        using T = CountingStatic;
        static const MessageEntry entries[] = {
            OnMessage(WM_REFLECT_CTLCOLOR, &msg::CtlColor<T, &T::CtlColor>),
            OnMessage(WM_DESTROY, &msg::Void<T, &T::OnDestroy>),
        };
        static const MessageMap map{CStatic::ThisMessageMap(), entries, 2};
        return &map;
    }
    HBRUSH CtlColor(HDC, UINT) {
        ++reflected;
        return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    }
    void OnDestroy() {
        ++destroyed;
        Default();
    }
};

class BaseDialog : public CDialog {
public:
    BaseDialog() : CDialog(IDD_TALLVOX_DIALOG, nullptr) {}
    int baseCommands = 0;
    int created = 0;

protected:
    const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
    static const MessageMap* ThisMessageMap() {
        using T = BaseDialog;
        static const MessageEntry entries[] = {
            OnCommand(4001, &msg::Void<T, &T::OnBaseCommand>),
            OnCommand(4002, &msg::Void<T, &T::OnBaseCommand>),
            OnMessage(WM_CREATE, &msg::Create<T, &T::OnCreate>),
        };
        static const MessageMap map{CDialog::ThisMessageMap(), entries, 3};
        return &map;
    }
    void OnBaseCommand() { ++baseCommands; }
    int OnCreate(CREATESTRUCTA*) {
        ++created;
        return static_cast<int>(Default());
    }
};

class DerivedDialog : public BaseDialog {
public:
    int derivedCommands = 0;
    int keysSeen = 0;
    bool endOnInit = false;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F9) {
            ++keysSeen;
            EndDialog(77);
            return TRUE;
        }
        return CWnd::PreTranslateMessage(msg);
    }

protected:
    const MessageMap* GetMessageMap() const override {
        using T = DerivedDialog;
        static const MessageEntry entries[] = {OnCommand(4002, &msg::Void<T, &T::OnDerivedCommand>)};
        static const MessageMap map{BaseDialog::ThisMessageMap(), entries, 1};
        return &map;
    }
    BOOL OnInitDialog() override {
        BaseDialog::OnInitDialog();
        // Queued now, seen by the modal loop before anything dispatches it.
        ::PostMessageA(m_hWnd, WM_KEYDOWN, VK_F9, 0);
        return TRUE;
    }
    void OnDerivedCommand() { ++derivedCommands; }
};

// Runs a message box of its own once its modal loop is going, the way a
// command of a running dialog would.
class InterruptedDialog : public BaseDialog {
protected:
    const MessageMap* GetMessageMap() const override {
        using T = InterruptedDialog;
        static const MessageEntry entries[] = {OnMessage(WM_APP, &msg::Void<T, &T::AskSomething>)};
        static const MessageMap map{BaseDialog::ThisMessageMap(), entries, 1};
        return &map;
    }
    BOOL OnInitDialog() override {
        BaseDialog::OnInitDialog();
        ::PostMessageA(m_hWnd, WM_APP, 0, 0);
        return TRUE;
    }
    void AskSomething() { AfxMessageBox("Over the dialog", MB_OKCANCEL); }
};

// An application whose main window is a modeless dialog 102, as the
// program's own main window is while its modal loop runs.
class WithMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_main.Create());
        m_app.m_pMainWnd = &m_main;
    }
    void TearDown() override {
        m_app.m_pMainWnd = nullptr;
        if (m_main.GetSafeHwnd()) ::DestroyWindow(m_main.GetSafeHwnd());
    }
    HWND Main() const { return m_main.GetSafeHwnd(); }

    CWinApp m_app{"Framework test"};
    BaseDialog m_main;
};

// Types a number into one of the colour chooser's fields, as a user would.
void TypeInto(HWND edit, int value) {
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : std::to_string(value)) ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
}

}  // namespace

// Every modal run without a parent of its own belongs to the main window and
// keeps it from input meanwhile: a second copy cannot be opened behind it,
// and it cannot end up beneath an always-on-top main window.
TEST_F(WithMainWindow, ModalsWithoutAParentAreOwnedByTheMainWindowWhichWaitsForThem) {
    struct Modal {
        const char* name;
        std::function<void()> run;
    };
    const Modal modals[] = {
        {"dialog", [] { BaseDialog().DoModal(); }},
        {"colour chooser", [] { CColorDialog(RGB(1, 2, 3), CC_FULLOPEN).DoModal(); }},
        {"save dialog", [] { AskSaveFileName("Save as...", "*.txt", "txt"); }},
        {"message box", [] { AfxMessageBox("Owned", MB_OKCANCEL); }},
    };
    for (const Modal& modal : modals) {
        DialogAnswerer answerer(IDCANCEL, Main());
        modal.run();
        const auto seen = answerer.SeenSoFar();
        ASSERT_EQ(1u, seen.size()) << modal.name;
        EXPECT_EQ(Main(), seen[0].owner) << modal.name;
        EXPECT_FALSE(seen[0].ownerEnabled) << modal.name << ": the main window took input meanwhile";
        EXPECT_TRUE(::IsWindowEnabled(Main())) << modal.name << ": enabled again afterwards";
    }
}

TEST_F(WithMainWindow, AModalOpenedOverAnotherBelongsToThatOne) {
    DialogAnswerer answerer(IDCANCEL, Main());
    InterruptedDialog dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    const auto seen = answerer.SeenSoFar();
    ASSERT_EQ(2u, seen.size());
    const auto box = std::find_if(seen.begin(), seen.end(),
                                  [](const DialogAnswerer::Seen& s) { return s.text == "Over the dialog"; });
    const auto under = std::find_if(seen.begin(), seen.end(),
                                    [](const DialogAnswerer::Seen& s) { return s.text != "Over the dialog"; });
    ASSERT_NE(seen.end(), box);
    ASSERT_NE(seen.end(), under);
    EXPECT_EQ(Main(), under->owner);
    EXPECT_EQ(under->window, box->owner) << "the box belongs to the dialog it interrupts";
    EXPECT_FALSE(box->ownerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(Main()));
}

// A worker's message box must not reach into the main window of another
// thread (nor the application object, which may be going away).
TEST_F(WithMainWindow, AMessageBoxOfAnotherThreadHasNoOwner) {
    DialogAnswerer answerer(IDCANCEL, Main());
    std::atomic<bool> done{false};
    std::thread worker([&] {
        AfxMessageBox("From a worker", MB_OKCANCEL);
        done = true;
    });
    // Pumped meanwhile: a box wrongly owned by our window would wait on it.
    while (!done) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        ::Sleep(10);
    }
    worker.join();
    const auto seen = answerer.SeenSoFar();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(nullptr, seen[0].owner);
    EXPECT_TRUE(::IsWindowEnabled(Main()));
}

// The sixteen custom colours belong to the process: one kept under one
// command is offered again under the next.
TEST(Framework, ColourChoosersShareOneSetOfCustomColours) {
    COLORREF* saved = CColorDialog::GetSavedCustomColors();
    std::fill(saved, saved + 16, RGB(255, 255, 255));
    const COLORREF kept = RGB(12, 200, 34);
    {
        DialogAnswerer answerer(IDCANCEL, nullptr, [&](HWND chooser) {
            TypeInto(::GetDlgItem(chooser, COLOR_RED), GetRValue(kept));
            TypeInto(::GetDlgItem(chooser, COLOR_GREEN), GetGValue(kept));
            TypeInto(::GetDlgItem(chooser, COLOR_BLUE), GetBValue(kept));
            ::SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(COLOR_ADD, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(chooser, COLOR_ADD)));
        });
        EXPECT_EQ(IDCANCEL, CColorDialog(RGB(0, 0, 0), CC_FULLOPEN).DoModal());
        ASSERT_EQ(1u, answerer.SeenSoFar().size());
    }
    EXPECT_EQ(kept, saved[0]) << "added to the process's set, not to one chooser's";
    {
        DialogAnswerer answerer(IDCANCEL, nullptr);
        EXPECT_EQ(IDCANCEL, CColorDialog(RGB(5, 5, 5), CC_FULLOPEN).DoModal());
    }
    EXPECT_EQ(kept, saved[0]) << "a later chooser starts from the set and keeps it";
    std::fill(saved, saved + 16, RGB(255, 255, 255));
}

TEST(Framework, DialogIsBoundFromItsCreationAndTablesChainToTheBase) {
    BaseDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND hWnd = dialog.GetSafeHwnd();
    EXPECT_EQ(&dialog, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(1, dialog.created) << "WM_CREATE reached the table";
    ::SendMessageA(hWnd, WM_COMMAND, 4001, 0);
    EXPECT_EQ(1, dialog.baseCommands);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
}

TEST(Framework, DerivedEntriesComeFirstAndTheModalLoopPreTranslates) {
    DerivedDialog dialog;
    EXPECT_EQ(77, dialog.DoModal());
    EXPECT_EQ(1, dialog.keysSeen);
}

TEST(Framework, ADerivedCommandHidesTheBaseOne) {
    DerivedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, 4002, 0);
    ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, 4001, 0);
    EXPECT_EQ(1, dialog.derivedCommands);
    EXPECT_EQ(1, dialog.baseCommands);
    ::DestroyWindow(dialog.GetSafeHwnd());
}

TEST(Framework, ColourRequestsAreReflectedToTheControlsObject) {
    BaseDialog dialog;
    ASSERT_TRUE(dialog.Create());
    CountingStatic line;
    ASSERT_TRUE(line.SubclassDlgItem(IDC_LINE_UPTIME, &dialog));
    EXPECT_FALSE(line.SubclassDlgItem(IDC_LINE_BOOT_TIME, &dialog)) << "one window per object";
    HDC dc = ::GetDC(line.GetSafeHwnd());
    const LRESULT brush = ::SendMessageA(dialog.GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(line.GetSafeHwnd()));
    ::ReleaseDC(line.GetSafeHwnd(), dc);
    EXPECT_EQ(1, line.reflected);
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)), brush);

    HWND control = line.GetSafeHwnd();
    ::DestroyWindow(dialog.GetSafeHwnd());
    EXPECT_EQ(1, line.destroyed);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(control));
}

TEST(Framework, ObjectGoingFirstLeavesTheWindowWorking) {
    BaseDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND control = ::GetDlgItem(dialog.GetSafeHwnd(), IDC_LINE_UPTIME);
    {
        CountingStatic line;
        ASSERT_TRUE(line.SubclassWindow(control));
    }
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(control));
    ::SetWindowTextA(control, "still here");
    char text[32] = {};
    ::GetWindowTextA(control, text, sizeof text);
    EXPECT_STREQ("still here", text);
    ::DestroyWindow(dialog.GetSafeHwnd());
}
