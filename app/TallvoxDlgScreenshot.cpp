// The screenshot command: the whole window, offered on the clipboard while
// the user picks a file name, then written as a BMP file.
#include "app/TallvoxDlg.h"

#include "app/outputs/BitmapFileWriter.h"
#include "framework/ClipboardText.h"
#include "app/outputs/SaveAs.h"

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
    if (!windowDC || !memory.CreateCompatibleDC(windowDC) ||
        !m_bmpCapture.CreateCompatibleBitmap(windowDC, width, height))
        return nullptr;
    const HBITMAP captured = m_bmpCapture.Get();
    bool copied;
    {
        CSelectObject select(memory, captured);
        copied = memory.BitBlt(0, 0, width, height, windowDC, 0, 0, SRCCOPY) != FALSE;
    }
    if (!copied) {
        m_bmpCapture.DeleteObject();
        return nullptr;
    }
    // The clipboard gets a copy of its own: it deletes what it holds whenever
    // anyone empties it, perhaps while the file name is still being chosen.
    CBitmap forClipboard(static_cast<HBITMAP>(::CopyImage(captured, IMAGE_BITMAP, 0, 0, 0)));
    if (m_offerCapture.Offer(m_hWnd, CF_BITMAP, forClipboard.Get())) forClipboard.Detach();
    return captured;
}

void CTallvoxDlg::TakeScreenshot() {
    // Taken while the window is still on the screen.
    const HBITMAP captured = CaptureWindow(m_hWnd, true);
    ShowWindow(SW_HIDE);

    const std::string path = ChooseSavePath("Save screen shot as...", ".bmp");
    if (!path.empty()) {
        if (captured && WriteBitmapFile(m_dcCapture.GetSafeHdc(), captured, path))
            AskToOpen("Screen shot correctly written.\nDo you want to open it ?", path);
        else
            ShowFileError();
    }
    m_dcCapture.Release();
    m_bmpCapture.DeleteObject();
    ShowWindow(SW_SHOW);

    // The capture was offered only while the file was being chosen; what
    // the user copied meanwhile stays.
    m_offerCapture.Withdraw();
}
