// Changing the look of a running Tallvox: colours through the system's colour
// chooser, opacity, always-on-top, the size button and the clock skins. Each
// change must show at once and reach the settings file at once.
#include <gtest/gtest.h>

#include <colordlg.h>

#include <string>

#include "display/DisplayScale.h"
#include "e2e/ArtBitmap.h"
#include "e2e/ProgramDialogs.h"
#include "e2e/ScreenPixels.h"
#include "e2e/TallvoxProcess.h"
#include "resource.h"

namespace {

const char kWhiteOnBlackLines[] =
    "[Tallvox]\r\nBackground_Color=RGB(255,255,255)\r\nUpTime_Text_Color=RGB(0,0,0)\r\n"
    "Boot_Time_Text_Color=RGB(0,0,0)\r\nOS_Install_Date_Text_Color=RGB(0,0,0)\r\n"
    "OS_Install_Time_Text_Color=RGB(0,0,0)\r\nMax_Wnd=1\r\n";

void Command(const TallvoxProcess& tallvox, int id) {
    ::SendMessageA(tallvox.Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// A key pressed in the main window, through its message loop.
void Key(const TallvoxProcess& tallvox, WPARAM key) { ::PostMessageA(tallvox.Window(), WM_KEYDOWN, key, 1); }

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Types a number into one of the chooser's red, green and blue fields, as a
// user would: select all, then the digits.
void TypeInto(HWND edit, int value) {
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : std::to_string(value)) ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
}

void TypeColour(HWND chooser, COLORREF colour) {
    TypeInto(::GetDlgItem(chooser, COLOR_RED), GetRValue(colour));
    TypeInto(::GetDlgItem(chooser, COLOR_GREEN), GetGValue(colour));
    TypeInto(::GetDlgItem(chooser, COLOR_BLUE), GetBValue(colour));
}

// Waits for the chooser, types the colour into its fields and presses OK (or
// Cancel).
bool AnswerColourChooser(const TallvoxProcess& tallvox, COLORREF colour, bool ok = true) {
    const HWND chooser = WaitForProgramDialog(tallvox.Window());
    if (!chooser) return false;
    TypeColour(chooser, colour);
    return PressDialogButton(chooser, ok ? IDOK : IDCANCEL);
}

int LineColourCount(const TallvoxProcess& tallvox, int id, COLORREF colour) {
    const RECT r = ControlScreenRect(tallvox.Window(), id);
    return ScreenPixels(r).Count(colour);
}

}  // namespace

TEST(Appearance, F2ChoosesTheUptimeColourWhichShowsAndIsSaved) {
    TallvoxProcess tallvox("look-uptime-colour");
    tallvox.WriteFile("Tallvox.ini", kWhiteOnBlackLines);
    ASSERT_TRUE(tallvox.Start());
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));

    const COLORREF red = RGB(200, 0, 0);
    Key(tallvox, VK_F2);
    ASSERT_TRUE(AnswerColourChooser(tallvox, red));
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return Has(tallvox.ReadFile("Tallvox.ini"), "UpTime_Text_Color=RGB(200,0,0)"); }, 3000));
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return LineColourCount(tallvox, IDC_LINE_UPTIME, red) > 20; }, 3000));
    EXPECT_EQ(0, LineColourCount(tallvox, IDC_LINE_BOOT_TIME, red)) << "only the uptime line";
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Appearance, ColourChoicesThatWouldHideALineAreRefusedAndCancelChangesNothing) {
    TallvoxProcess tallvox("look-refused-colours");
    tallvox.WriteFile("Tallvox.ini", kWhiteOnBlackLines);
    ASSERT_TRUE(tallvox.Start());
    const std::string before = tallvox.ReadFile("Tallvox.ini");

    // White text on the white background.
    Key(tallvox, VK_F9);
    ASSERT_TRUE(AnswerColourChooser(tallvox, RGB(255, 255, 255)));
    // A background equal to the text colour.
    Key(tallvox, VK_F4);
    ASSERT_TRUE(AnswerColourChooser(tallvox, RGB(0, 0, 0)));
    // A good colour, but cancelled.
    Key(tallvox, VK_F3);
    ASSERT_TRUE(AnswerColourChooser(tallvox, RGB(0, 128, 0), false));

    // A last accepted change proves that the commands before it have run.
    Command(tallvox, ID_OPACITY_90);
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return Has(tallvox.ReadFile("Tallvox.ini"), "Opacity=90"); }, 3000));
    std::string after = tallvox.ReadFile("Tallvox.ini");
    after.replace(after.find("Opacity=90\r\n"), 12, "");
    EXPECT_EQ(before, after);
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Appearance, AllTextAndBackgroundColoursReachEveryLine) {
    TallvoxProcess tallvox("look-all-colours");
    tallvox.WriteFile("Tallvox.ini", kWhiteOnBlackLines);
    ASSERT_TRUE(tallvox.Start());
    const COLORREF text = RGB(0, 0, 160);
    const COLORREF background = RGB(255, 255, 128);

    Key(tallvox, VK_F9);
    ASSERT_TRUE(AnswerColourChooser(tallvox, text));
    Key(tallvox, VK_F4);
    ASSERT_TRUE(AnswerColourChooser(tallvox, background));

    const std::string ini = tallvox.ReadFile("Tallvox.ini");
    EXPECT_TRUE(Has(ini, "UpTime_Text_Color=RGB(0,0,160)"));
    EXPECT_TRUE(Has(ini, "Boot_Time_Text_Color=RGB(0,0,160)"));
    EXPECT_TRUE(Has(ini, "OS_Install_Date_Text_Color=RGB(0,0,160)"));
    EXPECT_TRUE(Has(ini, "OS_Install_Time_Text_Color=RGB(0,0,160)"));
    EXPECT_TRUE(Has(ini, "Background_Color=RGB(255,255,128)"));

    const RECT boot = ControlScreenRect(tallvox.Window(), IDC_LINE_BOOT_TIME);
    ScreenPixels bootLine(boot);
    TallvoxProcess::WaitUntil([&] {
        bootLine = ScreenPixels(boot);
        return bootLine.At(boot.left + 1, boot.top + 1) == background && bootLine.Count(text) > 20;
    }, 3000);
    EXPECT_EQ(background, bootLine.At(boot.left + 1, boot.top + 1));
    EXPECT_GT(bootLine.Count(text), 20);
    // The window's own background too.
    POINT corner{2, 2};
    ::ClientToScreen(tallvox.Window(), &corner);
    EXPECT_EQ(background, ScreenPixels(RECT{corner.x, corner.y, corner.x + 1, corner.y + 1}).At(corner.x, corner.y));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

// The chooser's custom colours last as long as the program: one kept while
// choosing the uptime colour is offered again for the boot time.
TEST(Appearance, CustomColoursKeptUnderOneCommandAreOfferedUnderTheNext) {
    TallvoxProcess tallvox("look-custom-colours");
    ASSERT_TRUE(tallvox.Start());
    const COLORREF kept = RGB(12, 200, 34);

    Key(tallvox, VK_F2);
    HWND chooser = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, chooser);
    TypeColour(chooser, kept);
    ::SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(COLOR_ADD, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(chooser, COLOR_ADD)));
    ASSERT_TRUE(PressDialogButton(chooser, IDCANCEL));

    Key(tallvox, VK_F3);
    chooser = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, chooser);
    // The custom colours are painted in the chooser's box of them.
    const RECT custom = ControlScreenRect(chooser, COLOR_CUSTOM1);
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return ScreenPixels(custom).Count(kept) > 20; }, 3000));
    ASSERT_TRUE(PressDialogButton(chooser, IDCANCEL));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Appearance, OpacityAlwaysOnTopAndSizeApplyAtOnceAndAreSaved) {
    TallvoxProcess tallvox("look-window");
    ASSERT_TRUE(tallvox.Start());
    const HWND window = tallvox.Window();

    Command(tallvox, ID_OPACITY_50);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(127, alpha);
    EXPECT_TRUE(Has(tallvox.ReadFile("Tallvox.ini"), "Opacity=50"));
    Command(tallvox, ID_OPACITY_100);
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(255, alpha);

    Command(tallvox, ID_ALWAYS_ON_TOP);
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(Has(tallvox.ReadFile("Tallvox.ini"), "TopMost_Wnd=1"));
    Command(tallvox, ID_ALWAYS_ON_TOP);
    EXPECT_FALSE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(Has(tallvox.ReadFile("Tallvox.ini"), "TopMost_Wnd=0"));

    // The size button: small to large and back, in place. Its name (read
    // out, not drawn) says what it will do.
    RECT r{};
    ::GetWindowRect(window, &r);
    const POINT place{r.left, r.top};
    EXPECT_EQ("Large window", tallvox.Line(IDC_SIZE_BUTTON));
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SIZE_BUTTON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_SIZE_BUTTON)));
    EXPECT_EQ("Small window", tallvox.Line(IDC_SIZE_BUTTON));
    // Sizes scaled by the display's DPI; the caption tells 96-DPI units.
    const int dpi = TallvoxProcess::SessionDpi();
    ::GetWindowRect(window, &r);
    EXPECT_EQ(ScaleForDpi(370, dpi), r.right - r.left);
    EXPECT_EQ(ScaleForDpi(212, dpi), r.bottom - r.top);
    EXPECT_EQ(place.x, r.left);
    EXPECT_EQ(place.y, r.top);
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ("Tallvox x=370; y=212", caption);
    EXPECT_TRUE(Has(tallvox.ReadFile("Tallvox.ini"), "Max_Wnd=1"));

    // S does what the button does.
    Key(tallvox, 'S');
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return tallvox.Line(IDC_SIZE_BUTTON) == "Large window"; }, 3000));
    ::GetWindowRect(window, &r);
    EXPECT_EQ(ScaleForDpi(200, dpi), r.right - r.left);
    EXPECT_EQ(ScaleForDpi(163, dpi), r.bottom - r.top);
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ("Tallvox x=200; y=163", caption);
    EXPECT_TRUE(Has(tallvox.ReadFile("Tallvox.ini"), "Max_Wnd=0"));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Appearance, SkinCommandsSwitchTheFaceAndTheSameSkinWritesNothing) {
    TallvoxProcess tallvox("look-skins");
    tallvox.WriteFile("Tallvox.ini", "[Tallvox]\r\nMax_Wnd=1\r\n");
    ASSERT_TRUE(tallvox.Start());

    // A point of the rim, outside the hands' reach, as each face paints it
    // (the faces drawn for the display's scale).
    const RECT clock = ControlScreenRect(tallvox.Window(), IDC_CLOCK);
    const ArtBitmap silver = ReadArtForSession("face_1066.bmp");
    const int x = silver.width / 2, y = silver.width / 20;
    const COLORREF silverRim = silver.At(x, y);
    const COLORREF greenRim = ReadArtForSession("face_1088.bmp").At(x, y);
    ASSERT_NE(silverRim, greenRim);
    const auto shown = [&] { return ScreenPixels(clock).At(clock.left + x, clock.top + y); };
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return shown() == silverRim; }, 3000)) << "the silver face";

    Command(tallvox, ID_SKIN_GREEN);
    EXPECT_TRUE(Has(tallvox.ReadFile("Tallvox.ini"), "Skin=3"));
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return shown() == greenRim; }, 3000)) << "the green face";

    // The skin already shown: no restart, nothing written.
    tallvox.WriteFile("Tallvox.ini", "[Tallvox]\r\nMax_Wnd=1\r\n");
    Command(tallvox, ID_SKIN_GREEN);
    EXPECT_EQ("[Tallvox]\r\nMax_Wnd=1\r\n", tallvox.ReadFile("Tallvox.ini"));

    Command(tallvox, ID_SKIN_SILVER);
    EXPECT_TRUE(Has(tallvox.ReadFile("Tallvox.ini"), "Skin=0"));
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return shown() == silverRim; }, 3000));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}
