#include "ui/MenuIcons.h"

#include "framework/WinApp.h"

CMenuIcons::~CMenuIcons() {
    for (const auto& icon : m_loaded)
        if (icon.second) ::DestroyIcon(icon.second);
}

HICON CMenuIcons::Copy(int id) {
    auto found = m_loaded.find(id);
    if (found == m_loaded.end()) {
        // A resource that fails to load is not tried again on every menu.
        HICON loaded = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                       kIconSize, kIconSize, LR_DEFAULTCOLOR));
        found = m_loaded.emplace(id, loaded).first;
    }
    return found->second ? ::CopyIcon(found->second) : nullptr;
}
