// CMenuXPEntry: what one item of a CMenuXP shows - label, icon, command id -
// carried as the item's data. The menu owns its entries from the moment they
// are handed to it and deletes them through this type; an entry destroys its
// icon.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

#include <string>

class CMenuXPEntry {
public:
    // Marks item data as an entry of ours.
    static constexpr DWORD kSignature = 0x0505A0A0;
    static constexpr int kDefaultIconSize = 16;
    struct SideBarTag {};
    static constexpr SideBarTag kSideBar{};

    // A text item: command id, label and an icon that the entry now owns (or
    // none). The icon must be one that may be destroyed: not a shared one.
    CMenuXPEntry(int id, std::string text, HICON icon);
    // A separator.
    CMenuXPEntry();
    // The side bar, `width` pixels wide, its title written bottom to top.
    CMenuXPEntry(SideBarTag, int width, std::string title, int id);
    virtual ~CMenuXPEntry();
    CMenuXPEntry(const CMenuXPEntry&) = delete;
    CMenuXPEntry& operator=(const CMenuXPEntry&) = delete;

    // The entry behind an item's data, or nullptr when the data does not
    // carry the signature. Only for data of items appended by a CMenuXP.
    static CMenuXPEntry* FromItemData(ULONG_PTR data);

    DWORD m_dwSignature = kSignature;
    int m_nID = 0;
    bool m_bSeparator = false;
    bool m_bSideBar = false;
    std::string m_strText;
    CIcon m_icon;
    // Icon size in pixels; the side bar's width.
    int m_nSize = kDefaultIconSize;
};
