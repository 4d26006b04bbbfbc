// CMenuXP: the paint steps of one item and their supporting operations.
#include <windows.h>

#include <cstdint>
#include <new>
#include <vector>

#include "ui/MenuXP.h"
#include "ui/MenuXPGeometry.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// PSDPxax: the brush where the source is black, the destination where it is
// white.
constexpr DWORD kBrushWhereMaskIsBlack = 0x00B8074A;

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

}  // namespace

void CMenuXP::FillSolid(CDCHandle dc, const RECT& rect, COLORREF colour) {
    CBrush brush(colour);
    CSelectObject selectBrush(dc, brush.Get());
    dc.PatBlt(rect.left, rect.top, Width(rect), Height(rect), PATCOPY);
}

CBitmap CMenuXP::CreateGradientBitmap(CDCHandle dc, int width, int height, COLORREF from, COLORREF to) {
    CBitmap bitmap;
    std::vector<std::uint32_t> pixels;
    try {
        pixels = menuxp::GradientPixels(width, height, from, to);
    } catch (const std::bad_alloc&) {
        return bitmap;
    }
    if (pixels.empty()) return bitmap;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up, the first row is the bottom one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap.Attach(::CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, pixels.data(), &info, DIB_RGB_COLORS));
    return bitmap;
}

void CMenuXP::PaintEmbossedIcon(CDCHandle dc, const RECT& rect, HICON icon, EmbossLook look) {
    const int width = Width(rect);
    const int height = Height(rect);
    if (width <= 0 || height <= 0) return;

    // The mask: black wherever the icon is opaque and not white.
    CDC mask;
    CBitmap maskBitmap;
    if (!mask.CreateCompatibleDC(dc) || !maskBitmap.CreateBitmap(width, height, 1, 1, nullptr)) return;
    CSelectObject selectMask(mask, maskBitmap.Get());
    mask.PatBlt(0, 0, width, height, WHITENESS);
    mask.DrawIconEx(0, 0, icon, width, height, DI_NORMAL);

    // A monochrome source reaches a colour target through the target's text
    // (black bits) and background (white bits) colours. The system leaves the
    // highlight text colour in a selected item's DC, which would turn the
    // whole mask white, so both are pinned.
    const COLORREF oldBack = dc.SetBkColor(kWhite);
    const COLORREF oldText = dc.SetTextColor(kBlack);
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    {
        CSelectObject selectBrush(dc, (look == ShadowLook ? shadow : highlight).Get());
        dc.BitBlt(rect.left + 1, rect.top + 1, width, height, mask, 0, 0, kBrushWhereMaskIsBlack);
    }
    {
        CSelectObject selectBrush(dc, shadow.Get());
        dc.BitBlt(rect.left, rect.top, width, height, mask, 0, 0, kBrushWhereMaskIsBlack);
    }
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBack);
}

void CMenuXP::PaintItemBackground(CDCHandle dc, const RECT& rect, bool selected, bool disabled) {
    // A disabled item in the XP look shows no selection bar.
    const bool bar = selected && !(m_nStyle == XP && disabled);
    FillSolid(dc, rect, bar ? m_crSelBack : m_crBack);
    if (m_nStyle == XP && selected && !disabled) {
        CPen frame;
        frame.CreatePen(PS_SOLID, 1, m_crSelFrame);
        CSelectObject selectPen(dc, frame.Get());
        CSelectObject selectBrush(dc, ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(rect);
    }
}

void CMenuXP::PaintIconColumn(CDCHandle dc, const RECT& rect, bool selected, bool disabled, bool) {
    if (m_nStyle == XP && (!selected || disabled)) FillSolid(dc, rect, m_crIconColumn);
}

void CMenuXP::PaintIconFrame(CDCHandle dc, const RECT& rect, bool selected, bool disabled, bool checked) {
    if (m_nStyle == Classic) {
        FillSolid(dc, rect, checked && !selected ? m_crCheckedBox : m_crBack);
        // A selected item's icon stands out; a checked item's is pressed in.
        if (!disabled && (selected || checked))
            dc.DrawEdge(rect, checked ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    } else if (checked && !selected && !disabled) {
        PaintItemBackground(dc, rect, true, false);
    }
}

void CMenuXP::PaintIcon(CDCHandle dc, const RECT& rect, HICON icon, bool selected, bool disabled, bool checked) {
    if (disabled) {
        PaintEmbossedIcon(dc, rect, icon, DisabledLook);
        return;
    }
    RECT place = rect;
    if (m_nStyle == XP && selected && !checked) {
        // Hovered: the icon lifts one pixel up-left over its shadow.
        PaintEmbossedIcon(dc, place, icon, ShadowLook);
        ::OffsetRect(&place, -1, -1);
    }
    dc.DrawIconEx(place.left, place.top, icon, Width(place), Height(place), DI_NORMAL);
}

void CMenuXP::PaintCheck(CDCHandle dc, const RECT& rect) {
    // The same colour also on the selection bar.
    CPen pen;
    pen.CreatePen(PS_SOLID, menuxp::CheckMarkPenWidth(m_nDpi), m_crCheck);
    CSelectObject selectPen(dc, pen.Get());
    const auto strokes = menuxp::CheckMarkStrokes(rect.left, rect.top, Width(rect), Height(rect), m_nDpi);
    for (const menuxp::CheckStroke& stroke : strokes) {
        const POINT points[3] = {{stroke[0].x, stroke[0].y}, {stroke[1].x, stroke[1].y}, {stroke[2].x, stroke[2].y}};
        dc.Polyline(points, 3);
    }
}

void CMenuXP::PaintItemText(CDCHandle dc, const RECT& rect, const std::string& text, bool selected, bool disabled) {
    CSelectObject selectFont(dc, m_fontMenu.Get());
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    if (disabled) {
        // Engraved: a highlight copy one pixel down-right under the grey text;
        // the Classic selection bar gets the grey text alone.
        if (!selected || m_nStyle == XP) {
            RECT engraved = rect;
            ::OffsetRect(&engraved, 1, 1);
            PaintLabel(dc, engraved, text, m_crSelText);
        }
        PaintLabel(dc, rect, text, m_crGrayText);
    } else {
        PaintLabel(dc, rect, text, selected ? m_crSelText : m_crText);
    }
    dc.SetBkMode(oldMode);
}

void CMenuXP::PaintLabel(CDCHandle dc, const RECT& rect, const std::string& text, COLORREF colour) {
    dc.SetTextColor(colour);
    const menuxp::LabelParts parts = menuxp::SplitLabel(text);
    RECT left = rect;
    dc.DrawText(parts.left, left, DT_SINGLELINE | DT_VCENTER);
    if (parts.hasTab) {
        RECT right = rect;
        dc.DrawText(parts.right, right, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

void CMenuXP::PaintSideBar(CDCHandle dc, const RECT& rect, const std::string& title) {
    RECT bar = rect;
    bar.right += Px(3);
    const int width = Width(bar);
    const int height = Height(bar);

    CBitmap gradient = CreateGradientBitmap(dc, width, height, m_crSideBarStart, m_crSideBarEnd);
    if (gradient) {
        CDC memory;
        if (memory.CreateCompatibleDC(dc)) {
            CSelectObject selectGradient(memory, gradient.Get());
            dc.BitBlt(bar.left, bar.top, width, height, memory, 0, 0, SRCCOPY);
        }
    }

    // The title runs bottom to top.
    CFont font;
    font.CreateFont(Px(16), 0, 900, 900, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    CSelectObject selectFont(dc, font.Get());
    const COLORREF oldText = dc.SetTextColor(kWhite);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.TextOut(bar.left + Px(2), bar.bottom - Px(4), title);
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldText);
}
