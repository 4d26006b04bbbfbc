// CMenu: an owned menu handle, destroyed with the object.
#pragma once
#include <windows.h>

#include <utility>

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    void Attach(HMENU menu) {
        DestroyMenu();
        m_hMenu = menu;
    }
    HMENU Detach() { return std::exchange(m_hMenu, nullptr); }
    BOOL LoadMenu(UINT id);
    void DestroyMenu() {
        if (m_hMenu) ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
    }
    // A submenu belongs to this menu and is destroyed with it.
    HMENU GetSubMenu(int position) const { return m_hMenu ? ::GetSubMenu(m_hMenu, position) : nullptr; }

private:
    HMENU m_hMenu = nullptr;
};
