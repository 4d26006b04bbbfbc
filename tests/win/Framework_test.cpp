// The thin window layer: handle map, message tables with chaining,
// reflection to controls, the modal loop, and the GDI wrappers' ownership.
#include <gtest/gtest.h>

#include <utility>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/Static.h"
#include "framework/SystemFolder.h"
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

}  // namespace

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

TEST(GdiWrappers, OwnershipMovesAndSelectionIsRestored) {
    CBrush first(RGB(1, 2, 3));
    HBRUSH handle = first.Get();
    ASSERT_NE(nullptr, handle);
    CBrush second(std::move(first));
    EXPECT_EQ(nullptr, first.Get());
    EXPECT_EQ(handle, second.Get());

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const HGDIOBJ original = ::GetCurrentObject(dc, OBJ_BRUSH);
    {
        CSelectObject selected(dc, second.Get());
        EXPECT_EQ(handle, ::GetCurrentObject(dc, OBJ_BRUSH));
    }
    EXPECT_EQ(original, ::GetCurrentObject(dc, OBJ_BRUSH));

    second.DeleteObject();
    LOGBRUSH lb{};
    EXPECT_EQ(0, ::GetObjectA(handle, sizeof lb, &lb)) << "deleted with its owner";

    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(9, 9, 9)));
    HPEN oldPen = pen.Get();
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(8, 8, 8)));
    LOGPEN lp{};
    EXPECT_EQ(0, ::GetObjectA(oldPen, sizeof lp, &lp)) << "re-creating releases the previous pen";
}

namespace {

std::string ModuleFile(HMODULE module) {
    char path[MAX_PATH] = {};
    return std::string(path, ::GetModuleFileNameA(module, path, MAX_PATH));
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

// System DLLs come from the system folder. A DLL beside the program, which
// the ordinary search by name finds first, is never loaded in their place.
TEST(SystemFolder, SystemLibrariesComeFromTheSystemFolderOnly) {
    char folder[MAX_PATH] = {};
    ASSERT_NE(0u, ::GetSystemDirectoryA(folder, MAX_PATH));
    EXPECT_EQ(std::string(folder) + "\\uxtheme.dll", SystemFolderPath("uxtheme.dll"));

    const HMODULE theme = LoadSystemLibrary("UXTHEME.DLL");
    ASSERT_NE(nullptr, theme);
    EXPECT_EQ(Lower(SystemFolderPath("uxtheme.dll")), Lower(ModuleFile(theme)));
    ::FreeLibrary(theme);

    // tallvox_planted.dll is built beside this test program.
    const HMODULE planted = ::LoadLibraryA("tallvox_planted.dll");
    ASSERT_NE(nullptr, planted) << "the ordinary search finds the planted DLL";
    ::FreeLibrary(planted);
    EXPECT_EQ(nullptr, LoadSystemLibrary("tallvox_planted.dll"));
}

TEST(SystemFolder, AProgramThatIsNotThereIsNotStarted) {
    EXPECT_FALSE(StartSystemCommand(SystemCommand{}, SW_SHOWDEFAULT));
    EXPECT_FALSE(StartSystemCommand(SystemProgramCommand("tallvox-no-such-program.exe", ""), SW_SHOWDEFAULT));
}
