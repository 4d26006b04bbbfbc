// Shared by the button tests: a dialog built from a template in memory that
// logs the commands it receives, a solid test icon, and a drawing surface
// with the draw request the system would send.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/DibSurface.h"
#include "framework/Wnd.h"

namespace buttontest {

// A colour no system colour of a fresh Wine prefix uses.
constexpr COLORREF kSentinel = RGB(1, 2, 3);
constexpr COLORREF kIconColour = RGB(200, 30, 40);

struct Command {
    int id;
    int code;
    HWND control;
};

struct ButtonItem {
    WORD id;
    DWORD style;  // BS_xxx type and extra bits; WS_CHILD | WS_VISIBLE are added
    const wchar_t* text;
};

// An in-memory dialog template in Tahoma 8, its buttons side by side.
inline std::vector<WORD> DialogTemplate(const std::vector<ButtonItem>& buttons)
{
    std::vector<WORD> t;
    auto dword = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto text = [&t](const wchar_t* s) {
        for (; *s; ++s)
            t.push_back(static_cast<WORD>(*s));
        t.push_back(0);
    };
    dword(WS_POPUP | WS_VISIBLE | DS_SETFONT);
    dword(0);
    t.push_back(static_cast<WORD>(buttons.size()));
    for (short v : {short(20), short(20), short(200), short(60)})
        t.push_back(static_cast<WORD>(v));
    t.push_back(0);  // no menu
    t.push_back(0);  // the dialog class
    text(L"Button test");
    t.push_back(8);
    text(L"Tahoma");
    short x = 4;
    for (const ButtonItem& b : buttons) {
        if (t.size() % 2)
            t.push_back(0);  // items start on a DWORD boundary
        dword(WS_CHILD | WS_VISIBLE | b.style);
        dword(0);
        for (short v : {x, short(4), short(40), short(14)})
            t.push_back(static_cast<WORD>(v));
        x = static_cast<short>(x + 44);
        t.push_back(b.id);
        t.push_back(0xFFFF);
        t.push_back(0x0080);  // the button class
        text(b.text);
        t.push_back(0);  // no creation data
    }
    return t;
}

// A modeless dialog from DialogTemplate, bound to a plain CWnd so that draw
// requests of its buttons are reflected like in the program's dialogs.
class TestDialog {
public:
    explicit TestDialog(const std::vector<ButtonItem>& buttons)
    {
        const std::vector<WORD> t = DialogTemplate(buttons);
        m_hWnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                              reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr, Proc,
                                              reinterpret_cast<LPARAM>(&commands));
        if (m_hWnd)
            m_object.SubclassWindow(m_hWnd);
    }
    ~TestDialog()
    {
        if (m_hWnd)
            ::DestroyWindow(m_hWnd);
    }
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Get() const { return m_hWnd; }
    CWnd& Object() { return m_object; }
    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // Gives the control its size in pixels.
    void Size(int id, int width, int height) const
    {
        ::SetWindowPos(Item(id), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    std::vector<Command> commands;

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            return FALSE;  // leave the focus alone
        }
        if (message == WM_COMMAND) {
            auto* log = reinterpret_cast<std::vector<Command>*>(::GetWindowLongPtrA(dialog, DWLP_USER));
            if (log)
                log->push_back(Command{LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            return TRUE;
        }
        return FALSE;
    }

    HWND m_hWnd = nullptr;
    CWnd m_object;
};

// A 16 x 16 icon, opaque all over in kIconColour (its owner destroys it).
inline HICON MakeSolidIcon(COLORREF colour = kIconColour)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 16;
    bi.bmiHeader.biHeight = -16;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP image = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!image)
        return nullptr;
    auto* pixels = static_cast<DWORD*>(bits);
    const DWORD pixel = 0xFF000000u | (static_cast<DWORD>(GetRValue(colour)) << 16) |
                        (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
    for (int i = 0; i < 16 * 16; ++i)
        pixels[i] = pixel;
    WORD maskBits[16] = {};  // all 0: opaque
    HBITMAP mask = ::CreateBitmap(16, 16, 1, 1, maskBits);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = image;
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(mask);
    ::DeleteObject(image);
    return icon;
}

inline bool IconIsAlive(HICON icon)
{
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return false;
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return true;
}

// A surface filled with the sentinel, to be drawn on by a draw request.
class Canvas {
public:
    Canvas(int width, int height)
    {
        m_surface.Create(width, height);
        m_surface.Fill(kSentinel);
    }
    HDC Dc() const { return m_surface.GetSafeHdc(); }
    int Width() const { return m_surface.Width(); }
    int Height() const { return m_surface.Height(); }
    COLORREF At(int x, int y) const
    {
        DibSurface::Flush();
        return m_surface.GetPixel(x, y);
    }
    // The smallest rectangle holding every pixel of the colour; empty
    // (all 0) when there is none.
    RECT Bounds(COLORREF colour) const
    {
        DibSurface::Flush();
        RECT r{m_surface.Width(), m_surface.Height(), 0, 0};
        bool any = false;
        for (int y = 0; y < m_surface.Height(); ++y)
            for (int x = 0; x < m_surface.Width(); ++x)
                if (m_surface.GetPixel(x, y) == colour) {
                    any = true;
                    r.left = x < r.left ? x : r.left;
                    r.top = y < r.top ? y : r.top;
                    r.right = x + 1 > r.right ? x + 1 : r.right;
                    r.bottom = y + 1 > r.bottom ? y + 1 : r.bottom;
                }
        return any ? r : RECT{0, 0, 0, 0};
    }
    int Count(COLORREF colour) const
    {
        DibSurface::Flush();
        int n = 0;
        for (int y = 0; y < m_surface.Height(); ++y)
            for (int x = 0; x < m_surface.Width(); ++x)
                n += m_surface.GetPixel(x, y) == colour;
        return n;
    }
    // The pixels where two equally sized canvases differ.
    std::vector<POINT> Differences(const Canvas& other) const
    {
        DibSurface::Flush();
        std::vector<POINT> out;
        for (int y = 0; y < m_surface.Height(); ++y)
            for (int x = 0; x < m_surface.Width(); ++x)
                if (m_surface.GetPixel(x, y) != other.m_surface.GetPixel(x, y))
                    out.push_back(POINT{x, y});
        return out;
    }

    // The request the system sends for a button of the canvas's size.
    DRAWITEMSTRUCT Request(HWND button, UINT state) const
    {
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_BUTTON;
        request.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
        request.itemAction = ODA_DRAWENTIRE;
        request.itemState = state;
        request.hwndItem = button;
        request.hDC = Dc();
        request.rcItem = RECT{0, 0, m_surface.Width(), m_surface.Height()};
        return request;
    }

private:
    DibSurface m_surface;
};

// True when every point lies on the outline of r (its outermost ring).
inline bool AllOnOutline(const std::vector<POINT>& points, const RECT& r)
{
    for (const POINT& p : points) {
        const bool inside = p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
        const bool edge = p.x == r.left || p.x == r.right - 1 || p.y == r.top || p.y == r.bottom - 1;
        if (!inside || !edge)
            return false;
    }
    return true;
}

} // namespace buttontest
