// The Autorun, History and About dialogs of a running Tallvox, opened by
// their commands and driven from outside like a user would.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "e2e/ProgramDialogs.h"
#include "e2e/ScreenPixels.h"
#include "e2e/TallvoxProcess.h"
#include "TallvoxVersion.h"
#include "display/DisplayScale.h"
#include "resource.h"

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The registered start-up command, or "<none>".
std::string RunValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
    char data[1024] = {};
    DWORD size = sizeof data, type = 0;
    const LONG got = ::RegQueryValueExA(key, "Tallvox", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    if (got != ERROR_SUCCESS) return "<none>";
    return type == REG_SZ ? std::string(data, size ? size - 1 : 0) : "<not a string>";
}

bool SetRunValue(DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG set = ::RegSetValueExA(key, "Tallvox", 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
    return set == ERROR_SUCCESS;
}

void DeleteRunValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    ::RegDeleteValueA(key, "Tallvox");
    ::RegCloseKey(key);
}

std::string ItemText(HWND dialog, int id) {
    char text[256] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Click(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// A right click of the user's at a point of the screen, through the
// system's input queue (a posted message would reach even a disabled
// window).
void RightClickAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    ::SendInput(2, clicks, sizeof(INPUT));
}

}  // namespace

TEST(Dialogs, AutorunRegistersTheProgramPathAndRemovesIt) {
    DeleteRunValue();
    // A folder with a blank in its name: the path is stored in quotes, so
    // that Windows does not read it as "...\autorun" with arguments.
    TallvoxProcess tallvox("autorun with blanks");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_KEYDOWN, 'A', 1);
    const HWND dialog = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Autorun", DialogCaption(dialog));
    EXPECT_EQ("Enable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    EXPECT_EQ("Enable Autorun and Tallvox will start on each Windows startup.", ItemText(dialog, IDC_AUTORUN_TEXT));

    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ("\"" + tallvox.Folder() + "\\Tallvox.exe\"", RunValue());
    EXPECT_EQ("Disable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    EXPECT_EQ("Disable Autorun...", ItemText(dialog, IDC_AUTORUN_TEXT));

    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ("<none>", RunValue());
    EXPECT_EQ("Enable", ItemText(dialog, IDC_AUTORUN_BUTTON));

    ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    DeleteRunValue();
}

// Autorun is on only when the value starts this very program: after the
// program has moved, the dialog offers to enable it again.
TEST(Dialogs, AutorunIsOnOnlyWhenTheValueNamesThisProgram) {
    TallvoxProcess tallvox("autorun-registered");
    // Inherited by the program: an expandable value names its folder through it.
    ::SetEnvironmentVariableA("TALLVOX_TEST_FOLDER", tallvox.Folder().c_str());
    ASSERT_TRUE(tallvox.Start());
    std::string upper = tallvox.Folder() + "\\TALLVOX.EXE";
    for (char& c : upper) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    const struct {
        std::string value;
        const char* button;
        DWORD type;
    } cases[] = {
        {"\"" + tallvox.Folder() + "\\Tallvox.exe\"", "Disable", REG_SZ},
        {tallvox.Folder() + "\\Tallvox.exe", "Disable", REG_SZ},  // as earlier versions wrote it
        {upper, "Disable", REG_SZ},
        {"\"%TALLVOX_TEST_FOLDER%\\Tallvox.exe\"", "Disable", REG_EXPAND_SZ},
        {"\"C:\\Somewhere\\Tallvox.exe\"", "Enable", REG_SZ},  // a copy elsewhere, or this one before it moved
        {"C:\\Somewhere\\Tallvox.exe", "Enable", REG_SZ},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetRunValue(c.type, c.value.c_str(), static_cast<DWORD>(c.value.size() + 1)));
        ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_AUTORUN, 0);
        const HWND dialog = WaitForProgramDialog(tallvox.Window());
        ASSERT_NE(nullptr, dialog) << c.value;
        EXPECT_EQ(c.button, ItemText(dialog, IDC_AUTORUN_BUTTON)) << c.value;
        EXPECT_EQ(std::string(c.button) == "Disable" ? "Disable Autorun..."
                                                     : "Enable Autorun and Tallvox will start on each Windows startup.",
                  ItemText(dialog, IDC_AUTORUN_TEXT))
            << c.value;
        ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL)) << c.value;
    }

    // Enabling replaces the other program's path with this one.
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_AUTORUN, 0);
    const HWND dialog = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, dialog);
    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ("\"" + tallvox.Folder() + "\\Tallvox.exe\"", RunValue());
    EXPECT_EQ("Disable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    DeleteRunValue();
}

TEST(Dialogs, AValueOfAnotherTypeCountsAsOffAndEnablingReplacesIt) {
    const DWORD number = 1;
    ASSERT_TRUE(SetRunValue(REG_DWORD, &number, sizeof number));
    ASSERT_EQ("<not a string>", RunValue());

    TallvoxProcess tallvox("autorun-not-a-string");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_AUTORUN, 0);
    const HWND dialog = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Enable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ("\"" + tallvox.Folder() + "\\Tallvox.exe\"", RunValue());
    EXPECT_EQ("Disable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    DeleteRunValue();
}

// H opens the History window. Wine has no System log to read: the window says
// so, and still tells what the registry says. Escape closes it; the size it
// was given comes back at the next opening and is kept in 96-DPI units.
TEST(Dialogs, HistoryOpensWithHKeepsItsSizeAndClosesWithEscape) {
    TallvoxProcess tallvox("history");
    ASSERT_TRUE(tallvox.Start());
    const LONG width = ScaleForDpi(500, TallvoxProcess::SessionDpi());
    const LONG height = ScaleForDpi(300, TallvoxProcess::SessionDpi());
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        ::PostMessageA(tallvox.Window(), WM_KEYDOWN, 'H', 1);
        const HWND history = WaitForProgramDialog(tallvox.Window());
        ASSERT_NE(nullptr, history);
        EXPECT_EQ("History", DialogCaption(history));
        EXPECT_EQ("Starts and stops", ItemText(history, IDC_HISTORY_LIST)) << "the list's name";
        EXPECT_TRUE(TallvoxProcess::WaitUntil(
            [&] {
                return ItemText(history, IDC_HISTORY_SUMMARY) ==
                       "The System event log can't be read here; only the registry tells whether a restart is "
                       "pending.\r\nNo restart is pending.";
            },
            5000))
            << ItemText(history, IDC_HISTORY_SUMMARY);
        RECT r{};
        ::GetWindowRect(history, &r);
        if (opening == 1)
            ::SetWindowPos(history, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        else
            EXPECT_EQ(std::make_pair(width, height), std::make_pair(r.right - r.left, r.bottom - r.top));
        ::PostMessageA(::GetDlgItem(history, IDC_HISTORY_LIST), WM_KEYDOWN, VK_ESCAPE, 1);
        ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !::IsWindow(history); }, 5000));
    }
    EXPECT_NE(std::string::npos, tallvox.ReadFile("Tallvox.ini").find("History_Width=500\r\nHistory_Height=300\r\n"))
        << tallvox.ReadFile("Tallvox.ini");
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Dialogs, AboutShowsTheTitleFeaturesAndAHomepageButton) {
    TallvoxProcess tallvox("about");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_ABOUT, 0);
    const HWND about = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, about);
    EXPECT_EQ("About...", DialogCaption(about));
    EXPECT_EQ("Tallvox", ItemText(about, IDC_ABOUT_TITLE));
    EXPECT_EQ("Tell you:\r\n - Current date-time.\r\n - Uptime.\r\n - Boot time.\r\n - OS installation date-time.",
              ItemText(about, IDC_ABOUT_FEATURES));
    EXPECT_EQ("Version " TALLVOX_VERSION_STRING ", under the MIT License.\r\nCopyright (C) 2026 The Tallvox authors.",
              ItemText(about, IDC_ABOUT_AUTHOR));
    EXPECT_EQ("Homepage", ItemText(about, IDC_HOMEPAGE));
    EXPECT_EQ(tallvox.Window(), ::GetWindow(about, GW_OWNER)) << "owned by the main window";
    EXPECT_NE(0, ::SendMessageA(::GetDlgItem(about, IDC_ABOUT_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0))
        << "the picture";
    EXPECT_EQ("Tallvox logo", ItemText(about, IDC_ABOUT_PICTURE)) << "its name for screen readers";
    // The background is white, painted by the box itself.
    POINT corner{2, 2};
    ::ClientToScreen(about, &corner);
    EXPECT_TRUE(TallvoxProcess::WaitUntil(
        [&] {
            return ScreenPixels(RECT{corner.x, corner.y, corner.x + 1, corner.y + 1}).At(corner.x, corner.y) ==
                   RGB(255, 255, 255);
        },
        3000));
    // Escape closes it; the main window carries on.
    ASSERT_TRUE(PressDialogButton(about, IDCANCEL));
    EXPECT_TRUE(::IsWindowVisible(tallvox.Window()));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

// What the system loads from the program by id stays an ordinary resource,
// not packed art: the window's and the notification area's icon, the
// clipboard box's MB_USERICON, the About template's picture.
TEST(Dialogs, PicturesTheSystemLoadsByIdAreOrdinaryResources) {
    const HMODULE program = ::LoadLibraryExA(TallvoxProcess::ProgramPath().c_str(), nullptr,
                                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(nullptr, program);
    for (int icon : {IDR_MAINFRAME, IDI_ADJUST})
        EXPECT_NE(nullptr, ::LoadIconA(program, MAKEINTRESOURCEA(icon))) << icon;
    const HANDLE about = ::LoadImageA(program, MAKEINTRESOURCEA(IDB_ABOUT), IMAGE_BITMAP, 0, 0, 0);
    EXPECT_NE(nullptr, about);
    ::DeleteObject(about);
    ::FreeLibrary(program);
}

// Every modal the program opens belongs to the main window, which takes no
// input until the modal is gone: no second About from the menu behind the
// first, no "Exit" that waits on a forgotten dialog, no chooser beneath an
// always-on-top window.
TEST(Dialogs, ModalsBelongToTheMainWindowWhichTakesNoInputMeanwhile) {
    struct Modal {
        const char* name;
        int command;
    };
    const Modal modals[] = {
        {"About", ID_ABOUT},
        {"Autorun", ID_AUTORUN},
        {"History", ID_HISTORY},
        {"colour chooser", ID_COLOR_UPTIME},
        {"save dialog", ID_SAVE_REPORT},
        {"clipboard notice", ID_COPY_TO_CLIPBOARD},
    };
    TallvoxProcess tallvox("modal-owner");
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();
    for (const Modal& modal : modals) {
        ::PostMessageA(window, WM_COMMAND, modal.command, 0);
        const HWND dialog = WaitForProgramDialog(window);
        ASSERT_NE(nullptr, dialog) << modal.name;
        EXPECT_EQ(window, ::GetWindow(dialog, GW_OWNER)) << modal.name;
        EXPECT_FALSE(::IsWindowEnabled(window)) << modal.name;
        ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL)) << modal.name;
        EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }, 3000))
            << modal.name << ": enabled again";
    }
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

// While About is open the main window refuses the user's right click, so no
// menu (and no second About) opens behind it; afterwards the click works.
TEST(Dialogs, TheMainWindowRefusesTheMouseWhileAboutIsOpen) {
    TallvoxProcess tallvox("about-refuses");
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();
    ::PostMessageA(window, WM_COMMAND, ID_ABOUT, 0);
    const HWND about = WaitForProgramDialog(window);
    ASSERT_NE(nullptr, about);
    // Moved aside, so the click lands on the main window itself.
    ::SetWindowPos(about, nullptr, 700, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r{};
    ::GetWindowRect(window, &r);
    const POINT inside{(r.left + r.right) / 2, r.bottom - 20};

    RightClickAt(inside);
    EXPECT_EQ(nullptr, WaitForOpenMenu(window, 1500)) << "a menu opened behind About";
    EXPECT_TRUE(::IsWindow(about));

    ASSERT_TRUE(PressDialogButton(about, IDCANCEL));
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }, 3000));
    RightClickAt(inside);
    const HWND menu = WaitForOpenMenu(window);
    ASSERT_NE(nullptr, menu) << "the same click opens the menu once About is gone";
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return !::IsWindowVisible(menu); }, 3000));
    ::SetCursorPos(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);  // out of the way of later windows
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}
