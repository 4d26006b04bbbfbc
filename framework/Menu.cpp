#include "framework/Menu.h"

#include <unordered_map>

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

// The permanent handle map. Menus live on the one UI thread.
std::unordered_map<HMENU, CMenu*>& HandleMap() {
    static std::unordered_map<HMENU, CMenu*> map;
    return map;
}

// Marks the menu as the one its owner is tracking, for the tracking's length.
class TrackingScope {
public:
    TrackingScope(CMenu*& slot, CMenu* menu) : m_slot(slot), m_previous(slot) { slot = menu; }
    ~TrackingScope() { m_slot = m_previous; }
    TrackingScope(const TrackingScope&) = delete;
    TrackingScope& operator=(const TrackingScope&) = delete;

private:
    CMenu*& m_slot;
    CMenu* m_previous;
};

}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandlePermanent(HMENU menu) {
    auto& map = HandleMap();
    auto it = map.find(menu);
    return it == map.end() ? nullptr : it->second;
}

void CMenu::Attach(HMENU menu) {
    if (menu == m_menu.Get()) return;
    DestroyMenu();
    m_menu.Attach(menu);
    if (menu) HandleMap()[menu] = this;
}

HMENU CMenu::Detach() {
    if (m_menu) HandleMap().erase(m_menu.Get());
    return m_menu.Detach();
}

BOOL CMenu::LoadMenu(UINT id) {
    Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
    return static_cast<bool>(m_menu);
}

BOOL CMenu::CreatePopupMenu() {
    Attach(::CreatePopupMenu());
    return static_cast<bool>(m_menu);
}

void CMenu::DestroyMenu() {
    if (m_menu) HandleMap().erase(m_menu.Get());
    m_menu.Close();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, const char* item) {
    return m_menu ? ::AppendMenuA(m_menu.Get(), flags, idOrPopup, item) : FALSE;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* exclude) {
    if (!m_menu || !owner) return FALSE;
    TrackingScope tracking(owner->m_pTrackedMenu, this);
    return ::TrackPopupMenu(m_menu.Get(), flags, x, y, 0, owner->GetSafeHwnd(), exclude);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
