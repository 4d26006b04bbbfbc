// CMenu: an owned menu handle, destroyed with the object. Every handle a CMenu
// owns is listed in a permanent handle map (HMENU -> object): the draw request
// of an owner-drawn item names only its menu handle, and the map leads from it
// to the object that paints the item.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

class CWnd;

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // The object owning a menu handle, or nullptr.
    static CMenu* FromHandlePermanent(HMENU menu);

    HMENU GetSafeHmenu() const { return m_menu.Get(); }
    // Takes ownership of a handle, destroying the one held before; the
    // handle already held is kept.
    void Attach(HMENU menu);
    // Gives the handle up without destroying it.
    HMENU Detach();
    BOOL LoadMenu(UINT id);
    BOOL CreatePopupMenu();
    void DestroyMenu();

    // For MF_OWNERDRAW, `item` is the item data; for MF_POPUP, `idOrPopup` is
    // the submenu's handle.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, const char* item = nullptr);
    int GetMenuItemCount() const { return m_menu ? ::GetMenuItemCount(m_menu.Get()) : -1; }
    // A submenu belongs to this menu and is destroyed with it.
    HMENU GetSubMenu(int position) const { return m_menu ? ::GetSubMenu(m_menu.Get(), position) : nullptr; }

    // Shows the menu as a popup owned by `owner` and returns when it closes.
    // While it is open the owner's measure requests for menu items come here
    // (see CWnd::GetTrackedMenu). With TPM_RETURNCMD the chosen command id.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* exclude = nullptr);

    // Owner-drawn items: the framework passes on the owner's requests. The
    // plain menu draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT measureItem);

private:
    CMenuHandle m_menu;
};
