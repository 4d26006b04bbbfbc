// The settings file of a real run: written on the first start, read at the
// next, and in force on screen.
#include <gtest/gtest.h>

#include "e2e/ProgramDialogs.h"
#include "e2e/ScreenPixels.h"
#include "e2e/TallvoxProcess.h"
#include "framework/Handles.h"
#include "resource.h"

namespace {

const char kDefaults[] =
    "[Tallvox]\r\n"
    "Opacity=100\r\n"
    "Boot_Time_Text_Color=RGB(0,0,0)\r\n"
    "UpTime_Text_Color=RGB(0,0,0)\r\n"
    "OS_Install_Date_Text_Color=RGB(0,0,0)\r\n"
    "OS_Install_Time_Text_Color=RGB(0,0,0)\r\n"
    "Clock_sec_hand=RGB(0,0,255)\r\n"
    "Background_Color=RGB(255,255,255)\r\n"
    "TopMost_Wnd=0\r\n"
    "Max_Wnd=0\r\n"
    "Skin=0\r\n";

}  // namespace

TEST(Settings, FirstStartWritesTheTenKeysInOrder) {
    TallvoxProcess tallvox("settings-first");
    ASSERT_FALSE(tallvox.FileExists("Tallvox.ini"));
    ASSERT_TRUE(tallvox.Start());
    EXPECT_EQ(kDefaults, tallvox.ReadFile("Tallvox.ini"));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    // Nothing is written at exit.
    EXPECT_EQ(kDefaults, tallvox.ReadFile("Tallvox.ini"));
}

TEST(Settings, AnotherProgramNameReadsItsOwnFileButWritesDefaultsToTallvoxIni) {
    TallvoxProcess tallvox("settings-other", "Other.exe");
    ASSERT_TRUE(tallvox.Start());
    std::string expected = kDefaults;
    expected.replace(0, 9, "[Other]");
    EXPECT_EQ(expected, tallvox.ReadFile("Tallvox.ini"));
    EXPECT_FALSE(tallvox.FileExists("Other.ini"));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Settings, SavedLargeSizeOnTopAndOpacityAreInForce) {
    TallvoxProcess tallvox("settings-window");
    tallvox.WriteFile("Tallvox.ini", "[Tallvox]\r\nOpacity=50\r\nTopMost_Wnd=1\r\nMax_Wnd=1\r\n");
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();
    RECT rc{};
    ::GetWindowRect(window, &rc);
    EXPECT_GT(rc.right - rc.left, 200) << "the template's size, not the small one";
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(127, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
    // The file was present: it is read, not rewritten.
    EXPECT_EQ("[Tallvox]\r\nOpacity=50\r\nTopMost_Wnd=1\r\nMax_Wnd=1\r\n", tallvox.ReadFile("Tallvox.ini"));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Settings, AnOpacityThatIsNoNumberOrNegativeKeepsTheWindowOpaque) {
    for (const char* opacity : {"abc", "-2147483648"}) {
        TallvoxProcess tallvox("settings-bad-opacity");
        tallvox.WriteFile("Tallvox.ini", std::string("[Tallvox]\r\nOpacity=") + opacity + "\r\n");
        ASSERT_TRUE(tallvox.Start());
        BYTE alpha = 0;
        ::GetLayeredWindowAttributes(tallvox.Window(), nullptr, &alpha, nullptr);
        EXPECT_EQ(255, alpha) << opacity;
        EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    }
}

TEST(Settings, LinesShowTheirSavedColoursOnTheSavedBackground) {
    const COLORREF background = RGB(0, 0, 128);
    const COLORREF uptime = RGB(255, 255, 0);
    const COLORREF boot = RGB(0, 255, 0);
    TallvoxProcess tallvox("settings-colours");
    tallvox.WriteFile("Tallvox.ini",
                      "[Tallvox]\r\nBackground_Color=RGB(0,0,128)\r\nUpTime_Text_Color=RGB(255,255,0)\r\n"
                      "Boot_Time_Text_Color=RGB(0,255,0)\r\nMax_Wnd=1\r\n");
    ASSERT_TRUE(tallvox.Start());
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));
    // The line repaints after its text changed; wait for the text to show.
    const RECT uptimeRect = ControlScreenRect(tallvox.Window(), IDC_LINE_UPTIME);
    ScreenPixels uptimeLine(uptimeRect);
    TallvoxProcess::WaitUntil([&] {
        uptimeLine = ScreenPixels(uptimeRect);
        return uptimeLine.Count(uptime) > 20;
    }, 3000);
    EXPECT_EQ(background, uptimeLine.At(uptimeRect.left + 1, uptimeRect.top + 1));
    EXPECT_GT(uptimeLine.Count(uptime), 20) << "the text is drawn in its own colour";

    const RECT bootRect = ControlScreenRect(tallvox.Window(), IDC_LINE_BOOT_TIME);
    const ScreenPixels bootLine(bootRect);
    EXPECT_EQ(background, bootLine.At(bootRect.left + 1, bootRect.top + 1));
    EXPECT_GT(bootLine.Count(boot), 20);
    EXPECT_EQ(0, bootLine.Count(uptime));

    // The window's own background, left of the clock.
    POINT inside{2, 2};
    ::ClientToScreen(tallvox.Window(), &inside);
    const ScreenPixels corner(RECT{inside.x, inside.y, inside.x + 1, inside.y + 1});
    EXPECT_EQ(background, corner.At(inside.x, inside.y));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Settings, ASettingThatCannotBeSavedIsSaidOnceNamingTheFile) {
    TallvoxProcess tallvox("settings-unwritable");
    // A folder where the settings file should be: every write fails.
    ASSERT_TRUE(::CreateDirectoryA((tallvox.Folder() + "\\Tallvox.ini").c_str(), nullptr));
    ASSERT_TRUE(tallvox.Start());
    EXPECT_EQ(nullptr, WaitForProgramDialog(tallvox.Window(), 500)) << "nothing to say before a change";

    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_ALWAYS_ON_TOP, 0);
    const HWND notice = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ("Tallvox", DialogCaption(notice));
    EXPECT_EQ("The settings can't be saved to the file\n" + tallvox.Folder() +
                  "\\Tallvox.ini\nChanges made now are lost when Tallvox ends.",
              MessageBoxText(notice));
    ASSERT_TRUE(PressDialogButton(notice, IDOK));
    EXPECT_TRUE(::GetWindowLongA(tallvox.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "the change holds for the run";

    // Further changes of the same run fail in silence.
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_SKIN_ICE, 0);
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_ALWAYS_ON_TOP, 0);
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_OPACITY_50, 0);
    EXPECT_EQ(nullptr, WaitForProgramDialog(tallvox.Window(), 1500));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Settings, AFileThatCannotBeReadAtStartIsSaidOnceAndNeverWritten) {
    TallvoxProcess tallvox("settings-locked");
    const std::string mine = "; f\xFCr B\xFCro\r\n[Tallvox]\r\nOpacity=50\r\n";
    tallvox.WriteFile("Tallvox.ini", mine);
    const std::string file = tallvox.Folder() + "\\Tallvox.ini";
    // Held open without sharing, as another program may hold it.
    CFileHandle lock(::CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(tallvox.Start());
    const HWND notice = WaitForProgramDialog(tallvox.Window());
    lock.Close();
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ(0u, MessageBoxText(notice).rfind("The settings file\n" + file + "\ncan't be read: ", 0));
    ASSERT_TRUE(PressDialogButton(notice, IDOK));
    BYTE alpha = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(tallvox.Window(), nullptr, &alpha, nullptr));
    EXPECT_EQ(255, alpha) << "the default opacity, not the file's";

    // Readable now: a change holds for the run, in silence, and is not saved.
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_OPACITY_50, 0);
    EXPECT_EQ(nullptr, WaitForProgramDialog(tallvox.Window(), 1500));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
    EXPECT_EQ(mine, tallvox.ReadFile("Tallvox.ini"));
}
