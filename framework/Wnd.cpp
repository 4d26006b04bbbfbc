#include "framework/Wnd.h"

#include <commctrl.h>

#include <unordered_map>
#include <vector>

#include "framework/Menu.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x7A11;  // one subclass of ours per window

// The permanent handle map. All windows live on the one UI thread.
std::unordered_map<HWND, CWnd*>& HandleMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

}  // namespace

CWnd::~CWnd() {
    // An object going away before its window must not leave a dangling
    // binding behind; the window keeps running with its own procedure.
    if (m_hWnd) UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto& map = HandleMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

bool CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return false;
    if (!::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
    PreSubclassWindow();
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId);
        Detach();
    }
    return hWnd;
}

void CWnd::Detach() {
    HandleMap().erase(m_hWnd);
    m_hWnd = nullptr;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    return std::string(buffer.data());
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) const {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

RECT CWnd::GetClientRect() const {
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetWindowRect() const {
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

const MessageMap* CWnd::ThisMessageMap() {
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return ThisMessageMap(); }

const MessageEntry* CWnd::FindEntry(const MessageMap* map, UINT message, UINT code, UINT id) {
    for (; map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageEntry& e = map->entries[i];
            if (e.message != message) continue;
            if (message == WM_COMMAND && (e.id != id || e.code != code)) continue;
            return &e;
        }
    }
    return nullptr;
}

bool CWnd::ReflectToChild(UINT message, HWND child, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    CWnd* object = FromHandlePermanent(child);
    if (!object || object == this) return false;
    const MessageEntry* e = FindEntry(object->GetMessageMap(), message, 0, 0);
    if (!e) return false;
    *result = e->handler(*object, wParam, lParam);
    return true;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        const MessageEntry* e = FindEntry(GetMessageMap(), WM_COMMAND, HIWORD(wParam), LOWORD(wParam));
        if (!e) return false;
        *result = e->handler(*this, wParam, lParam);
        return true;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // A control that colours itself answers first; otherwise the parent's
        // own colour handler, if it has one.
        const UINT type = message - WM_CTLCOLORMSGBOX;
        HWND control = reinterpret_cast<HWND>(lParam);
        if (ReflectToChild(WM_REFLECT_CTLCOLOR, control, wParam, type, result)) return true;
        const MessageEntry* e = FindEntry(GetMessageMap(), WM_CTLCOLOR_ANY, 0, 0);
        if (!e) return false;
        *result = e->handler(*this, wParam, type);
        return true;
    }
    if ((message == WM_DRAWITEM || message == WM_MEASUREITEM) && RouteToMenu(message, lParam, result)) return true;
    if (message == WM_DRAWITEM && ReflectDrawItem(wParam, lParam, result)) return true;
    const MessageEntry* e = FindEntry(GetMessageMap(), message, 0, 0);
    if (!e) return false;
    *result = e->handler(*this, wParam, lParam);
    return true;
}

// Like a control that colours itself, a menu that draws itself answers first.
// A draw request names its menu handle, which leads through the permanent map
// to the menu's object; a measure request names none and goes to the menu
// this window is tracking. Anything else is left to the window's table.
bool CWnd::RouteToMenu(UINT message, LPARAM lParam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        auto* drawItem = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (!drawItem || drawItem->CtlType != ODT_MENU) return false;
        CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(drawItem->hwndItem));
        if (!menu) return false;
        menu->DrawItem(drawItem);
    } else {
        auto* measureItem = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (!measureItem || measureItem->CtlType != ODT_MENU || !m_pTrackedMenu) return false;
        m_pTrackedMenu->MeasureItem(measureItem);
    }
    *result = TRUE;
    return true;
}

// An owner-drawn button paints itself: its draw request goes to the button's
// object, found through the permanent map. A button without an object of
// ours is left to this window's table.
bool CWnd::ReflectDrawItem(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* drawItem = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!drawItem || drawItem->CtlType != ODT_BUTTON) return false;
    return ReflectToChild(WM_REFLECT_DRAWITEM, drawItem->hwndItem, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR refData) {
    CWnd* self = reinterpret_cast<CWnd*>(refData);
    if (!self || self->m_hWnd != hWnd) return ::DefSubclassProc(hWnd, message, wParam, lParam);

    const CurrentMessage saved = self->m_current;
    self->m_current = CurrentMessage{message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = self->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Exceptions must not unwind through the system's window code.
        result = 0;
    }
    self->m_current = saved;

    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId);
        self->Detach();
        self->PostNcDestroy();
    }
    return result;
}
