// CMenuXP: a popup menu whose items are all owner-drawn, in one of two looks:
// Classic (3D frames around icons) or XP (flat selection bar with a black
// frame, an icon column, the hovered icon lifted over its shadow). It can have
// a coloured side bar down its left edge, icons, check marks, separators and
// submenus. The menu owns its entries and its CMenuXP submenus and frees them
// when it is deleted. Each text item also carries its label as the item's
// string, so GetMenuString and screen readers tell what is drawn.
//
// Use: construct, CreatePopupMenu, set the style and colours, append (side bar
// first), TrackPopupMenu, delete. While the menu is open its owner window's
// draw requests reach each menu object through the framework's handle map;
// measure requests reach the tracked (top-level) menu, which can measure any
// item of the tree since measuring needs only the item's entry and a font.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "framework/Gdi.h"
#include "framework/Menu.h"
#include "ui/MenuXPEntry.h"

class CMenuXP : public CMenu {
public:
    enum MenuStyle { Classic, XP };

    CMenuXP();
    // Frees the entries and the CMenuXP submenus, then the menu handle.
    ~CMenuXP() override;

    // The run-time class check: the CMenuXP owning a menu handle, or nullptr
    // when no object owns it or the owner is not a CMenuXP.
    static CMenuXP* FromHandleIfMenuXP(HMENU menu);

    // Each append takes ownership of what it is given, also when it fails.
    // The side bar gets a column of its own: the next item starts a new one.
    BOOL AddSideBar(std::unique_ptr<CMenuXPEntry> sideBar);
    // flags: 0 or MF_CHECKED (MF_GRAYED for a disabled item).
    BOOL AppendEntry(UINT flags, std::unique_ptr<CMenuXPEntry> entry);
    BOOL AppendSeparator();
    // The entry gives the submenu's item its label and icon.
    BOOL AppendPopup(UINT flags, std::unique_ptr<CMenuXP> popup, std::unique_ptr<CMenuXPEntry> entry);

    // The system's colours throughout, in this menu and its CMenuXP
    // submenus: for high contrast, where a colour of our own could vanish.
    void UseSystemColours();

    // The DPI of the window the menu opens for (the screen's unless set): the paddings,
    // the check mark, the side bar's title and the menu font are scaled to
    // it. The entries carry icons and sizes of that scale already.
    void SetDpi(int dpi);
    int Dpi() const { return m_nDpi; }

    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    // Supporting operations.
    enum EmbossLook { DisabledLook, ShadowLook };
    // PatBlt with a solid brush of the colour.
    static void FillSolid(CDCHandle dc, const RECT& rect, COLORREF colour);
    // A width x height bitmap for dc, `from` along the bottom row and `to`
    // along the top; none for an empty size or when GDI refuses.
    static CBitmap CreateGradientBitmap(CDCHandle dc, int width, int height, COLORREF from, COLORREF to);
    // The icon's silhouette: disabled look, a highlight copy one pixel
    // down-right under a shadow copy; shadow look, a shadow two pixels thick
    // down-right.
    static void PaintEmbossedIcon(CDCHandle dc, const RECT& rect, HICON icon, EmbossLook look);

    // Set by the constructor from the system; the owner may change them
    // before the menu is shown.
    CFont m_fontMenu;
    COLORREF m_crBack;
    COLORREF m_crSelBack;
    COLORREF m_crText;
    COLORREF m_crSelText;
    COLORREF m_crGrayText;
    COLORREF m_crSideBarStart;
    COLORREF m_crSideBarEnd;
    COLORREF m_crIconColumn;
    COLORREF m_crCheck;       // the check mark
    COLORREF m_crCheckedBox;  // behind a checked item's icon (Classic)
    COLORREF m_crSelFrame;    // around the selection bar (XP)
    bool m_bBreakPending = false;
    MenuStyle m_nStyle = Classic;

protected:
    // The paint steps of an item, each replaceable by a derived menu.
    virtual void PaintItemBackground(CDCHandle dc, const RECT& rect, bool selected, bool disabled);
    virtual void PaintIconFrame(CDCHandle dc, const RECT& rect, bool selected, bool disabled, bool checked);
    virtual void PaintIcon(CDCHandle dc, const RECT& rect, HICON icon, bool selected, bool disabled, bool checked);
    virtual void PaintSideBar(CDCHandle dc, const RECT& rect, const std::string& title);
    virtual void PaintItemText(CDCHandle dc, const RECT& rect, const std::string& text, bool selected, bool disabled);
    virtual void PaintCheck(CDCHandle dc, const RECT& rect);
    virtual void PaintLabel(CDCHandle dc, const RECT& rect, const std::string& text, COLORREF colour);
    virtual void PaintIconColumn(CDCHandle dc, const RECT& rect, bool selected, bool disabled, bool checked);

private:
    // A 96-DPI length at the menu's DPI.
    int Px(int length) const;
    // A system metric for the screen's DPI, at the menu's DPI.
    int MetricAtDpi(int index) const;
    void CreateMenuFont();

    int m_nDpi = 96;  // set to the screen's by the constructor

    void PaintSeparator(CDCHandle dc, const RECT& rect, const CMenuXPEntry& entry);
    void PaintTextEntry(CDCHandle dc, const RECT& rect, const CMenuXPEntry& entry, UINT state);
    BOOL AppendOwnerDrawn(UINT flags, UINT_PTR id, std::unique_ptr<CMenuXPEntry> entry);
    // MF_MENUBREAK when a side bar waits for the next item; clears the wait.
    UINT TakeBreak();
    void FreeItems();
};
