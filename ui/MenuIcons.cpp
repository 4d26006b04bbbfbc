#include "ui/MenuIcons.h"

#include "display/ScaledArt.h"

HICON CMenuIcons::Copy(int id, int dpi) {
    const std::pair<int, int> key(id, ScaledIconSize(kIconSize, dpi));
    auto found = m_loaded.find(key);
    if (found == m_loaded.end()) {
        // A resource that fails to load is not tried again on every menu.
        found = m_loaded.emplace(key, CIcon(LoadScaledIcon(id, kIconSize, dpi))).first;
    }
    return found->second ? ::CopyIcon(found->second.Get()) : nullptr;
}
