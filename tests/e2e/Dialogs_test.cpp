// The Autorun and About dialogs of a running Tallvox, opened by their
// commands and driven from outside like a user would.
#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramDialogs.h"
#include "e2e/ScreenPixels.h"
#include "e2e/TallvoxProcess.h"
#include "TallvoxVersion.h"
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

}  // namespace

TEST(Dialogs, AutorunRegistersTheProgramPathAndRemovesIt) {
    DeleteRunValue();
    // A folder with a blank in its name: the path is stored without quotes.
    TallvoxProcess tallvox("autorun with blanks");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_KEYDOWN, 'A', 1);
    const HWND dialog = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Autorun", DialogCaption(dialog));
    EXPECT_EQ("Enable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    EXPECT_EQ("Enable Autorun and Tallvox will start on each Windows startup.", ItemText(dialog, IDC_AUTORUN_TEXT));

    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ(tallvox.Folder() + "\\Tallvox.exe", RunValue());
    EXPECT_EQ("Disable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    EXPECT_EQ("Disable Autorun...", ItemText(dialog, IDC_AUTORUN_TEXT));

    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ("<none>", RunValue());
    EXPECT_EQ("Enable", ItemText(dialog, IDC_AUTORUN_BUTTON));

    ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    DeleteRunValue();
}

TEST(Dialogs, AutorunOpensInTheDisableStateWhenRegistered) {
    const char path[] = "C:\\Somewhere\\Tallvox.exe";
    ASSERT_TRUE(SetRunValue(REG_SZ, path, sizeof path));

    TallvoxProcess tallvox("autorun-registered");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_AUTORUN, 0);
    const HWND dialog = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Disable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    EXPECT_EQ("Disable Autorun...", ItemText(dialog, IDC_AUTORUN_TEXT));
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
    EXPECT_EQ(tallvox.Folder() + "\\Tallvox.exe", RunValue());
    EXPECT_EQ("Disable", ItemText(dialog, IDC_AUTORUN_BUTTON));
    ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    DeleteRunValue();
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
    EXPECT_EQ(nullptr, ::GetWindow(about, GW_OWNER)) << "no parent window";
    EXPECT_NE(0, ::SendMessageA(::GetDlgItem(about, IDC_ABOUT_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0))
        << "the picture";
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
