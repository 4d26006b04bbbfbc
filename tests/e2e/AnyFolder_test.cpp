// A real Tallvox run from a folder whose name holds German, Cyrillic and CJK
// characters and a blank: every file the program keeps beside itself lands
// in that folder, and Autorun registers the folder's true path. (This test
// program, like Tallvox, runs with UTF-8 as its code page, so the 8-bit
// calls below carry the name too.)
#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramDialogs.h"
#include "e2e/TallvoxProcess.h"
#include "facts/FactsReport.h"
#include "resource.h"

namespace {

// "Prüfung Привет 試験 x", spelled out in UTF-8 bytes so that every compiler
// reads the source the same way.
const char kFolderName[] =
    "Pr\xC3\xBC" "fung "
    "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
    "\xE8\xA9\xA6\xE9\xA8\x93 x";

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string RunValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
    char data[2048] = {};
    DWORD size = sizeof data, type = 0;
    const LONG got = ::RegQueryValueExA(key, "Tallvox", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    if (got != ERROR_SUCCESS) return "<none>";
    return type == REG_SZ ? std::string(data, size ? size - 1 : 0) : "<not a string>";
}

void DeleteRunValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    ::RegDeleteValueA(key, "Tallvox");
    ::RegCloseKey(key);
}

void Click(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

}  // namespace

TEST(AnyFolder, SettingsHelpAndAutorunUseTheFolderWhateverItsName) {
    ASSERT_EQ(static_cast<UINT>(CP_UTF8), ::GetACP()) << "this test program reads and writes UTF-8 names";
    DeleteRunValue();
    TallvoxProcess tallvox(kFolderName);
    ASSERT_TRUE(::GetFileAttributesA(tallvox.Folder().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();

    // The settings: written on the first start and on a skin change, there.
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return tallvox.FileExists("Tallvox.ini"); }, 3000));
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_SKIN_GREEN, 0), 0);
    EXPECT_NE(std::string::npos, tallvox.ReadFile("Tallvox.ini").find("Skin=3")) << tallvox.ReadFile("Tallvox.ini");

    // The help file, there.
    ::PostMessageA(window, WM_COMMAND, ID_HELP_WIZARD, 0);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return tallvox.ReadFile("Help.txt") == HelpFileText(); }, 5000));
    for (int i = 0; i < 20; ++i) {  // the shell may have opened it in Notepad
        HWND notepad = ::FindWindowA("Notepad", nullptr);
        if (!notepad) break;
        ::PostMessageA(notepad, WM_CLOSE, 0, 0);
        ::Sleep(100);
    }

    // Autorun: the program's path as it is, quoted for the blanks.
    ::PostMessageA(window, WM_COMMAND, ID_AUTORUN, 0);
    const HWND dialog = WaitForProgramDialog(window);
    ASSERT_NE(nullptr, dialog);
    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ("\"" + tallvox.Folder() + "\\Tallvox.exe\"", RunValue());
    Click(dialog, IDC_AUTORUN_BUTTON);
    EXPECT_EQ("<none>", RunValue());
    ASSERT_TRUE(PressDialogButton(dialog, IDCANCEL));

    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    DeleteRunValue();
}
