// CWnd: a C++ object bound to one window. The binding lives in a permanent
// handle map (HWND -> object), so a parent can find the object of a child
// control for reflected messages. Windows are subclassed with
// SetWindowSubclass, the object as reference data; the binding ends at
// WM_NCDESTROY. A CWnd does not own a window it merely subclassed: the window
// is destroyed by whoever created it. Owner-drawn menu items are painted and
// measured by their CMenu objects (see RouteToMenu); owner-drawn buttons are
// painted by their own objects (see ReflectDrawItem).
#pragma once
#include <windows.h>
#include <string>

#include "framework/MessageMap.h"

class CMenu;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to a window, or nullptr.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds this object to an existing window and routes its messages here.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Called for every message before it is translated and dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Thin conveniences over the window functions, for the bound window.
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE) const {
        return ::MoveWindow(m_hWnd, x, y, w, h, repaint);
    }
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    // Removes then adds style bits; with flags (SWP_FRAMECHANGED, say) the
    // window is told through SetWindowPos. FALSE when nothing changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return m_hWnd ? ::KillTimer(m_hWnd, id) : FALSE; }
    BOOL Invalidate(BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;

    // The popup menu that CMenu::TrackPopupMenu is showing for this window
    // right now, or nullptr. A measure request of a menu item names no menu,
    // so this one answers it.
    CMenu* GetTrackedMenu() const { return m_pTrackedMenu; }

protected:
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* ThisMessageMap();

    // Looks the message up in the table chain; true when a handler ran.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The processing a message gets when no table entry takes it, and what
    // Default() runs: the window's own procedure. A derived class overrides
    // it to answer messages before, or instead of, that procedure.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled now.
    LRESULT Default();
    // Called when the object has been bound to an existing window.
    virtual void PreSubclassWindow() {}
    // Called after the binding ended at WM_NCDESTROY.
    virtual void PostNcDestroy() {}

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    bool ReflectToChild(UINT message, HWND child, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool RouteToMenu(UINT message, LPARAM lParam, LRESULT* result);
    bool ReflectDrawItem(WPARAM wParam, LPARAM lParam, LRESULT* result);
    static const MessageEntry* FindEntry(const MessageMap* map, UINT message, UINT code, UINT id);
    void Detach();

    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{};

    friend class CMenu;  // sets m_pTrackedMenu while it tracks
    CMenu* m_pTrackedMenu = nullptr;
};
