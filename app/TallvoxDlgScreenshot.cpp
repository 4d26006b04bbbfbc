// The screenshot command: the whole window, offered on the clipboard while
// the user picks a file name, then written as a BMP file.
#include "app/TallvoxDlg.h"


#include "app/BitmapFileWriter.h"
#include "framework/FileDialog.h"

HBITMAP CTallvoxDlg::CaptureWindow(HWND window, bool wholeWindow) {
    // Paints still pending (a line whose text just changed) land first, so
    // the picture shows what the user sees.
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rc{};
    if (wholeWindow)
        ::GetWindowRect(window, &rc);
    else
        ::GetClientRect(window, &rc);
    const HDC windowDC = m_dcCapture.Acquire(window, wholeWindow);
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;

    CDC memory;
    memory.CreateCompatibleDC(windowDC);
    m_bmpCapture.CreateCompatibleBitmap(windowDC, width, height);
    const HBITMAP captured = m_bmpCapture.Get();
    {
        CSelectObject select(memory, captured);
        memory.BitBlt(0, 0, width, height, windowDC, 0, 0, SRCCOPY);
    }
    if (captured && ::OpenClipboard(m_hWnd)) {
        ::EmptyClipboard();
        // Once the clipboard has taken the bitmap it is the clipboard's to
        // delete, so our wrapper lets go of it.
        if (::SetClipboardData(CF_BITMAP, captured)) m_bmpCapture.Detach();
        ::CloseClipboard();
    }
    return captured;
}

void CTallvoxDlg::TakeScreenshot() {
    // Taken while the window is still on the screen.
    const HBITMAP captured = CaptureWindow(m_hWnd, true);
    ShowWindow(SW_HIDE);

    const std::string chosen = AskSaveFileName("Save screen shot as...", "*.bmp");
    if (!chosen.empty()) {
        const std::string path = chosen + ".bmp";
        if (captured && WriteBitmapFile(m_dcCapture.GetSafeHdc(), captured, path))
            AskToOpen("Screen shot correctly written.\nDo you want to open it ?", path);
        else
            ShowFileError();
    }
    m_dcCapture.Release();
    m_bmpCapture.DeleteObject();  // only when the clipboard did not take it
    ShowWindow(SW_SHOW);

    // The capture was offered only while the file was being chosen.
    if (::OpenClipboard(m_hWnd)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}
