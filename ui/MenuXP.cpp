// CMenuXP: building, measuring, dispatching the draw requests, freeing. The
// paint steps are in MenuXPPaint.cpp.
#include "ui/MenuXP.h"

#include <cstddef>
#include <utility>

#include "display/DisplayScale.h"
#include "framework/Dpi.h"
#include "ui/MenuXPGeometry.h"

namespace {

// NONCLIENTMETRICSA as it was before iPaddedBorderWidth (Vista) was added.
// Every Windows version accepts this size, XP rejects the newer one; the
// structure we pass is the newer, larger one, so the system never writes
// past it.
constexpr UINT kNonClientMetricsSize = 340;
#if WINVER >= 0x0600
static_assert(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth) == kNonClientMetricsSize,
              "the old layout ends where iPaddedBorderWidth begins");
#endif

bool Has(UINT state, UINT bit) { return (state & bit) != 0; }

}  // namespace

CMenuXP::CMenuXP()
    : m_crBack(::GetSysColor(COLOR_MENU)),
      m_crSelBack(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crText(::GetSysColor(COLOR_MENUTEXT)),
      m_crSelText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crGrayText(::GetSysColor(COLOR_GRAYTEXT)),
      m_crSideBarStart(RGB(0, 0, 192)),
      m_crSideBarEnd(RGB(0, 0, 0)),
      m_crIconColumn(m_crBack),
      m_crCheck(RGB(0, 0, 0)),
      m_crCheckedBox(::GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_crSelFrame(RGB(0, 0, 0)) {
    m_nDpi = SystemDpi();
    CreateMenuFont();
}

// The system tells its metrics for the screen's DPI; a window on a screen
// of another DPI gets them scaled.
void CMenuXP::CreateMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    const int systemDpi = SystemDpi();
    if (m_nDpi != systemDpi) metrics.lfMenuFont.lfHeight = RescaleForDpi(metrics.lfMenuFont.lfHeight, systemDpi, m_nDpi);
    m_fontMenu.CreateFontIndirect(metrics.lfMenuFont);
}

void CMenuXP::SetDpi(int dpi) {
    if (dpi <= 0 || dpi == m_nDpi) return;
    m_nDpi = dpi;
    CreateMenuFont();
}

int CMenuXP::Px(int length) const { return ScaleForDpi(length, m_nDpi); }

int CMenuXP::MetricAtDpi(int index) const {
    const int metric = ::GetSystemMetrics(index);
    const int systemDpi = SystemDpi();
    return m_nDpi == systemDpi ? metric : RescaleForDpi(metric, systemDpi, m_nDpi);
}

CMenuXP::~CMenuXP() {
    m_fontMenu.DeleteObject();
    FreeItems();
    // The CMenu base destroys the handle.
}

CMenuXP* CMenuXP::FromHandleIfMenuXP(HMENU menu) {
    return menu ? dynamic_cast<CMenuXP*>(CMenu::FromHandlePermanent(menu)) : nullptr;
}

void CMenuXP::FreeItems() {
    HMENU menu = GetSafeHmenu();
    if (!menu) return;
    int position = 0;
    while (position < ::GetMenuItemCount(menu)) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
            ++position;
            continue;
        }
        if (info.fType & MFT_OWNERDRAW) delete CMenuXPEntry::FromItemData(info.dwItemData);
        if (CMenuXP* popup = FromHandleIfMenuXP(info.hSubMenu)) {
            // Taken out of this menu first: destroying this menu's handle
            // would otherwise destroy the submenu's handle a second time.
            ::RemoveMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
            delete popup;
            continue;
        }
        ++position;
    }
}

UINT CMenuXP::TakeBreak() { return std::exchange(m_bBreakPending, false) ? MF_MENUBREAK : 0u; }

BOOL CMenuXP::AppendOwnerDrawn(UINT flags, UINT_PTR id, std::unique_ptr<CMenuXPEntry> entry) {
    // For an owner-drawn item the text argument carries the item data.
    if (!AppendMenu(flags, id, reinterpret_cast<const char*>(entry.get()))) return FALSE;
    const CMenuXPEntry* appended = entry.release();  // now the menu's, freed by FreeItems
    if (!(flags & MF_SEPARATOR)) {
        // The label beside the drawing; the item stays owner-drawn.
        MENUITEMINFOA label{};
        label.cbSize = sizeof label;
        label.fMask = MIIM_STRING;
        label.dwTypeData = const_cast<char*>(appended->m_strText.c_str());
        ::SetMenuItemInfoA(GetSafeHmenu(), static_cast<UINT>(::GetMenuItemCount(GetSafeHmenu()) - 1), TRUE, &label);
    }
    return TRUE;
}

BOOL CMenuXP::AddSideBar(std::unique_ptr<CMenuXPEntry> sideBar) {
    if (!sideBar) return FALSE;
    m_bBreakPending = true;
    const UINT_PTR id = static_cast<UINT_PTR>(sideBar->m_nID);
    return AppendOwnerDrawn(MF_SEPARATOR | MF_OWNERDRAW, id, std::move(sideBar));
}

BOOL CMenuXP::AppendEntry(UINT flags, std::unique_ptr<CMenuXPEntry> entry) {
    const UINT breakFlag = TakeBreak();
    if (!entry) return FALSE;
    const UINT_PTR id = static_cast<UINT_PTR>(entry->m_nID);
    return AppendOwnerDrawn(flags | MF_OWNERDRAW | breakFlag, id, std::move(entry));
}

BOOL CMenuXP::AppendSeparator() {
    m_bBreakPending = false;
    return AppendOwnerDrawn(MF_SEPARATOR | MF_OWNERDRAW, 0, std::make_unique<CMenuXPEntry>());
}

BOOL CMenuXP::AppendPopup(UINT flags, std::unique_ptr<CMenuXP> popup, std::unique_ptr<CMenuXPEntry> entry) {
    const UINT breakFlag = TakeBreak();
    if (!popup || !popup->GetSafeHmenu() || !entry) return FALSE;
    const UINT_PTR handle = reinterpret_cast<UINT_PTR>(popup->GetSafeHmenu());
    if (!AppendOwnerDrawn(flags | MF_POPUP | MF_OWNERDRAW | breakFlag, handle, std::move(entry))) return FALSE;
    popup.release();  // now the menu's, freed by FreeItems
    return TRUE;
}

void CMenuXP::UseSystemColours() {
    m_crBack = m_crIconColumn = m_crCheckedBox = ::GetSysColor(COLOR_MENU);
    m_crText = m_crCheck = ::GetSysColor(COLOR_MENUTEXT);
    m_crSelBack = ::GetSysColor(COLOR_HIGHLIGHT);
    m_crSelText = m_crSelFrame = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_crGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    m_crSideBarStart = m_crSideBarEnd = ::GetSysColor(COLOR_HIGHLIGHT);
    HMENU menu = GetSafeHmenu();
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position)
        if (CMenuXP* popup = FromHandleIfMenuXP(::GetSubMenu(menu, position))) popup->UseSystemColours();
}

void CMenuXP::MeasureItem(LPMEASUREITEMSTRUCT measureItem) {
    if (!measureItem || measureItem->CtlType != ODT_MENU) return;
    const CMenuXPEntry* entry = CMenuXPEntry::FromItemData(measureItem->itemData);
    if (!entry) return;

    menuxp::ItemSize size{};
    if (entry->m_bSideBar) {
        size = menuxp::SideBarSize(entry->m_nSize);
    } else if (entry->m_bSeparator) {
        size = menuxp::SeparatorSize(MetricAtDpi(SM_CYMENUCHECK));
    } else {
        // Measured in bold, so the regular label that is drawn always fits.
        // Tabs are not expanded. No DT_VCENTER here: with DT_CALCRECT it
        // centres the line on the empty starting rectangle, and the height
        // comes back about half the line's, too short for a large menu font.
        LOGFONTA lf{};
        ::GetObjectA(m_fontMenu.Get(), sizeof lf, &lf);
        lf.lfWeight = FW_BOLD;
        CFont bold;
        bold.CreateFontIndirect(lf);
        CClientDC screen(nullptr);
        CSelectObject selectBold(screen, bold.Get());
        RECT extent{};
        CDCHandle(screen).DrawText(entry->m_strText, extent, DT_CALCRECT | DT_SINGLELINE);
        size = menuxp::TextItemSize(entry->m_nSize, extent.right - extent.left, extent.bottom - extent.top, m_nDpi);
    }
    measureItem->itemWidth = menuxp::ReportedItemWidth(size.width, MetricAtDpi(SM_CXMENUCHECK));
    measureItem->itemHeight = static_cast<UINT>(size.height);
}

void CMenuXP::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    if (!drawItem || drawItem->CtlType != ODT_MENU) return;
    const CMenuXPEntry* entry = CMenuXPEntry::FromItemData(drawItem->itemData);
    if (!entry) return;
    CDCHandle dc(drawItem->hDC);
    const RECT& item = drawItem->rcItem;

    if (entry->m_bSideBar) {
        // Whichever item is being painted, the bar covers the menu's height.
        const RECT clip = dc.GetClipBox();
        PaintSideBar(dc, RECT{item.left, clip.top, item.right, clip.bottom}, entry->m_strText);
    } else if (entry->m_bSeparator) {
        PaintSeparator(dc, item, *entry);
    } else {
        PaintTextEntry(dc, item, *entry, drawItem->itemState);
    }
}

void CMenuXP::PaintSeparator(CDCHandle dc, const RECT& rect, const CMenuXPEntry& entry) {
    PaintItemBackground(dc, rect, false, false);
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2;
    dc.DrawEdge(line, EDGE_ETCHED, BF_TOP);
    if (m_nStyle == XP) {
        // The icon column runs on across the separator.
        const int side = entry.m_nSize + Px(4);
        PaintIconColumn(dc, RECT{rect.left, rect.top, rect.left + side, rect.top + side}, false, false, false);
    }
}

void CMenuXP::PaintTextEntry(CDCHandle dc, const RECT& rect, const CMenuXPEntry& entry, UINT state) {
    const bool selected = Has(state, ODS_SELECTED);
    const bool disabled = Has(state, ODS_GRAYED);
    const bool checked = Has(state, ODS_CHECKED);
    const int height = rect.bottom - rect.top;

    PaintItemBackground(dc, rect, selected, disabled);
    const RECT iconBox{rect.left, rect.top, rect.left + height, rect.top + height};
    if (m_nStyle == XP) PaintIconColumn(dc, iconBox, selected, disabled, checked);
    if (entry.m_icon || checked) PaintIconFrame(dc, iconBox, selected, disabled, checked);

    RECT inner = iconBox;
    ::InflateRect(&inner, -Px(2), -Px(2));
    if (entry.m_icon)
        PaintIcon(dc, inner, entry.m_icon.Get(), selected, disabled, checked);
    else if (checked)
        PaintCheck(dc, inner);

    const RECT text{rect.left + height + Px(2), rect.top, rect.right - entry.m_nSize, rect.bottom};
    PaintItemText(dc, text, entry.m_strText, selected, disabled);
}
