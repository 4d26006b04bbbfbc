// The icons of menu entries, each loaded from the resources once and handed
// out as copies. An entry destroys the icon it is given, and a menu built on
// every right-click would otherwise load each icon resource afresh every
// time; loading an icon resource and destroying it again is not free of
// cost everywhere (under Wine each round leaves about 140 bytes of its heap
// behind), while copying an icon already loaded and destroying the copy is.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

#include <map>
#include <utility>

class CMenuIcons {
public:
    static constexpr int kIconSize = 16;

    // The icons loaded so far go with the object; copies handed out are
    // their owners'.
    CMenuIcons() = default;
    CMenuIcons(const CMenuIcons&) = delete;
    CMenuIcons& operator=(const CMenuIcons&) = delete;

    // A copy of icon resource `id`, kIconSize pixels square at 96 DPI and
    // drawn for the art scale nearest `dpi`, for the caller to destroy; none
    // when the resource cannot be loaded.
    HICON Copy(int id, int dpi);
    // How many icon resources have been loaded.
    std::size_t LoadedCount() const { return m_loaded.size(); }

private:
    std::map<std::pair<int, int>, CIcon> m_loaded;  // by resource id and pixel size
};
