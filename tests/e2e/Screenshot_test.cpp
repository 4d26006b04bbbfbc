// The screenshot command of a running Tallvox: the window captured whole,
// hidden while the file is chosen, written as a BMP, the clipboard emptied.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "e2e/ProgramDialogs.h"
#include "e2e/TallvoxProcess.h"
#include "tests/support/ClipboardReader.h"
#include "resource.h"

namespace {

uint32_t U32(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

bool ClipboardHasText() {
    if (!::OpenClipboard(nullptr)) return false;
    const bool has = ::IsClipboardFormatAvailable(CF_TEXT) != FALSE;
    ::CloseClipboard();
    return has;
}

void PutTextOnClipboard(const char* text) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const size_t size = std::string(text).size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(block), text, size);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();
}

// Returns once the window's thread is back in its message loop, so the
// command that was running has finished.
void WaitForCommandEnd(HWND window) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
}

}  // namespace

TEST(Screenshot, EnterWritesTheWholeWindowAsABitmapFile) {
    TallvoxProcess tallvox("screenshot");
    ASSERT_TRUE(tallvox.Start());
    RECT window{};
    ::GetWindowRect(tallvox.Window(), &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    PutTextOnClipboard("before");
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return !tallvox.Line(IDC_LINE_UPTIME).empty(); }, 3000));

    ::PostMessageA(tallvox.Window(), WM_KEYDOWN, VK_RETURN, 1);
    const HWND save = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, save);
    EXPECT_EQ("Save screen shot as...", DialogCaption(save));
    EXPECT_FALSE(::IsWindowVisible(tallvox.Window())) << "hidden while the file is chosen";
    EXPECT_FALSE(ClipboardHasText()) << "the capture is on the clipboard meanwhile";
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    // Someone empties the clipboard while the name is being chosen: the file
    // is still written from the program's own copy.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    const std::string chosen = tallvox.Folder() + "\\shot";
    ASSERT_TRUE(SaveAsInDialog(save, chosen));

    const HWND question = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, question);
    EXPECT_EQ(chosen + ".bmp", DialogCaption(question));
    EXPECT_EQ("Screen shot correctly written.\nDo you want to open it ?", MessageBoxText(question));
    ASSERT_TRUE(PressDialogButton(question, IDNO));
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowVisible(tallvox.Window()) != FALSE; }, 5000));

    const std::string bmp = tallvox.ReadFile("shot.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ("BM", bmp.substr(0, 2));
    const uint32_t bits = static_cast<uint8_t>(bmp[28]);
    const uint32_t rowBytes = (width * bits + 31) / 32 * 4;
    EXPECT_EQ(bmp.size(), U32(bmp, 2));
    EXPECT_EQ(54u + rowBytes * height, bmp.size());
    EXPECT_EQ(static_cast<uint32_t>(width), U32(bmp, 18));
    EXPECT_EQ(static_cast<uint32_t>(height), U32(bmp, 22));
    EXPECT_EQ(0u, U32(bmp, 30));
    EXPECT_EQ(rowBytes * height, U32(bmp, 34));

    // The window as drawn: plenty of pixels that are not the white
    // background (the clock, the lines, the caption), and no stray values in
    // the unused fourth byte of 32-bit pixels.
    int drawn = 0, stray = 0;
    const uint32_t bytesPerPixel = bits / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + static_cast<size_t>(y) * rowBytes + static_cast<size_t>(x) * bytesPerPixel;
            drawn += static_cast<uint8_t>(bmp[at]) != 255 || static_cast<uint8_t>(bmp[at + 1]) != 255 ||
                     static_cast<uint8_t>(bmp[at + 2]) != 255;
            if (bits == 32) stray += bmp[at + 3] != 0;
        }
    EXPECT_GT(drawn, 5000);
    EXPECT_EQ(0, stray);

    EXPECT_FALSE(ClipboardHasText());
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Screenshot, CancellingWritesNothingAndBringsTheWindowBack) {
    TallvoxProcess tallvox("screenshot-cancel");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_SCREENSHOT, 0);
    const HWND save = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, save);
    ASSERT_TRUE(PressDialogButton(save, IDCANCEL));
    EXPECT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowVisible(tallvox.Window()) != FALSE; }, 5000));
    WaitForCommandEnd(tallvox.Window());
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_BITMAP)) << "the capture offered meanwhile is taken back";
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((tallvox.Folder() + "\\*.bmp").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << "no file written";
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Screenshot, TextCopiedWhileTheNameIsChosenStaysOnTheClipboard) {
    TallvoxProcess tallvox("screenshot-copied-meanwhile");
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_SCREENSHOT, 0);
    const HWND save = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, save);
    ASSERT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    PutTextOnClipboard("copied meanwhile");
    ASSERT_TRUE(SaveAsInDialog(save, tallvox.Folder() + "\\kept"));
    const HWND question = WaitForProgramDialog(tallvox.Window());
    ASSERT_NE(nullptr, question);
    ASSERT_TRUE(PressDialogButton(question, IDNO));
    ASSERT_TRUE(TallvoxProcess::WaitUntil([&] { return ::IsWindowVisible(tallvox.Window()) != FALSE; }, 5000));
    WaitForCommandEnd(tallvox.Window());
    EXPECT_EQ("copied meanwhile", ClipboardText());
    EXPECT_TRUE(tallvox.FileExists("kept.bmp"));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(Screenshot, ASaveThatFailsLeavesTheOldFileWhole) {
    TallvoxProcess tallvox("screenshot-blocked");
    tallvox.WriteFile("photo.bmp", "old photo");
    // Held open by a viewer that lets others write but not delete it: the
    // file can be truncated in place but not replaced whole.
    HANDLE held = ::CreateFileA((tallvox.Folder() + "\\photo.bmp").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ASSERT_TRUE(tallvox.Start());
    ::PostMessageA(tallvox.Window(), WM_COMMAND, ID_SCREENSHOT, 0);
    const HWND error = SaveReplacingTakenName(tallvox.Window(), tallvox.Folder() + "\\photo");
    ASSERT_NE(nullptr, error);
    EXPECT_EQ("The file can't be created (fopen error)", MessageBoxText(error));
    ASSERT_TRUE(PressDialogButton(error, IDOK));
    ::CloseHandle(held);
    EXPECT_EQ("old photo", tallvox.ReadFile("photo.bmp"));
    EXPECT_EQ((std::vector<std::string>{"Tallvox.exe", "Tallvox.ini", "photo.bmp"}), tallvox.FileNames())
        << "no temporary file left behind";
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}
