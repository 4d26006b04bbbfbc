// Shared by the menu tests: a test icon, a drawing surface with its draw
// request, a menu in fixed colours, and entries and menus that count their
// destruction.
#pragma once
#include <windows.h>

#include <map>
#include <string>

#include "controls/DibSurface.h"
#include "ui/MenuXP.h"

namespace menutest {

// Colours no system colour of a fresh Wine prefix uses.
constexpr COLORREF kSentinel = RGB(1, 2, 3);
constexpr COLORREF kBack = RGB(230, 230, 210);
constexpr COLORREF kSelBack = RGB(40, 60, 160);
constexpr COLORREF kText = RGB(10, 90, 10);
constexpr COLORREF kSelText = RGB(250, 250, 120);
constexpr COLORREF kGray = RGB(120, 120, 100);
constexpr COLORREF kIconColumn = RGB(200, 170, 170);
constexpr COLORREF kIconRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A 16 x 16 icon: an opaque red 8 x 8 square at (4, 4), transparent around it.
inline HICON MakeSquareIcon() {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 16;
    bi.bmiHeader.biHeight = -16;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP colour = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!colour) return nullptr;
    auto* bytes = static_cast<BYTE*>(bits);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 4 && x < 12 && y >= 4 && y < 12;
            BYTE* p = bytes + y * 48 + x * 3;  // 16 * 3 bytes a row, already 4-aligned
            p[0] = 0;                        // blue
            p[1] = 0;                        // green
            p[2] = inside ? 255 : 0;         // red
        }
    // Monochrome rows are word-aligned: two bytes for 16 pixels; 0 = opaque.
    WORD maskBits[16];
    for (int y = 0; y < 16; ++y) maskBits[y] = (y >= 4 && y < 12) ? 0x0FF0 : 0xFFFF;
    HBITMAP mask = ::CreateBitmap(16, 16, 1, 1, maskBits);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(mask);
    ::DeleteObject(colour);
    return icon;
}

inline bool IconIsAlive(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return false;
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    return true;
}

// A menu in the fixed colours above, with a pinned menu font.
class TestMenu : public CMenuXP {
public:
    explicit TestMenu(MenuStyle style = Classic) {
        m_nStyle = style;
        m_crBack = kBack;
        m_crSelBack = kSelBack;
        m_crText = kText;
        m_crSelText = kSelText;
        m_crGrayText = kGray;
        m_crIconColumn = kIconColumn;
        m_fontMenu.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    }
};

// A test menu with its handle, counting the requests that reach it.
class CountingMenu : public TestMenu {
public:
    explicit CountingMenu(MenuStyle style) : TestMenu(style) { CreatePopupMenu(); }
    int draws = 0;
    int measures = 0;
    void DrawItem(LPDRAWITEMSTRUCT request) override {
        ++draws;
        TestMenu::DrawItem(request);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT request) override {
        ++measures;
        TestMenu::MeasureItem(request);
    }
};

// A surface filled with the sentinel, and the draw request for one item on it.
class Canvas {
public:
    Canvas(int width, int height) {
        m_surface.Create(width, height);
        m_surface.Fill(kSentinel);
    }
    HDC Dc() const { return m_surface.GetSafeHdc(); }
    COLORREF At(int x, int y) const {
        DibSurface::Flush();
        return m_surface.GetPixel(x, y);
    }
    int Count(const RECT& area, COLORREF colour) const {
        DibSurface::Flush();
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (m_surface.GetPixel(x, y) == colour) ++n;
        return n;
    }
    bool Untouched() const { return Count(RECT{0, 0, m_surface.Width(), m_surface.Height()}, kSentinel) ==
                                    m_surface.Width() * m_surface.Height(); }

    // The request the system sends. Like the system, it leaves the selection
    // or menu text colour in the DC.
    DRAWITEMSTRUCT Request(HMENU menu, const CMenuXPEntry* entry, RECT item, UINT state) const {
        const bool selected = (state & ODS_SELECTED) != 0;
        ::SetTextColor(Dc(), ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        ::SetBkColor(Dc(), ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_MENU;
        request.itemID = entry ? static_cast<UINT>(entry->m_nID) : 0;
        request.itemAction = ODA_DRAWENTIRE;
        request.itemState = state;
        request.hwndItem = reinterpret_cast<HWND>(menu);
        request.hDC = Dc();
        request.rcItem = item;
        request.itemData = reinterpret_cast<ULONG_PTR>(entry);
        return request;
    }
    void Draw(CMenuXP& menu, const CMenuXPEntry& entry, RECT item, UINT state) const {
        DRAWITEMSTRUCT request = Request(menu.GetSafeHmenu(), &entry, item, state);
        menu.DrawItem(&request);
    }

private:
    DibSurface m_surface;
};

// Destructions, by entry id, and of menus.
struct Tally {
    std::map<int, int> entries;
    int menus = 0;
};

class CountedEntry : public CMenuXPEntry {
public:
    CountedEntry(Tally& tally, int id, HICON icon = nullptr)
        : CMenuXPEntry(id, "Item " + std::to_string(id), icon), m_tally(tally) {}
    CountedEntry(Tally& tally, SideBarTag tag, int id) : CMenuXPEntry(tag, 15, "", id), m_tally(tally) {}
    ~CountedEntry() override { ++m_tally.entries[m_nID]; }

private:
    Tally& m_tally;
};

class CountedMenu : public CMenuXP {
public:
    explicit CountedMenu(Tally& tally) : m_tally(tally) { CreatePopupMenu(); }
    ~CountedMenu() override { ++m_tally.menus; }

private:
    Tally& m_tally;
};

}  // namespace menutest
