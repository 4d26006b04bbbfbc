#include "framework/Menu.h"

#include "framework/WinApp.h"

BOOL CMenu::LoadMenu(UINT id) {
    Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
    return m_hMenu != nullptr;
}
