#include "ui/MenuXPEntry.h"

#include <utility>

CMenuXPEntry::CMenuXPEntry(int id, std::string text, HICON icon)
    : m_nID(id), m_strText(std::move(text)), m_icon(icon) {}

CMenuXPEntry::CMenuXPEntry() : m_bSeparator(true) {}

CMenuXPEntry::CMenuXPEntry(SideBarTag, int width, std::string title, int id)
    : m_nID(id), m_bSideBar(true), m_strText(std::move(title)), m_nSize(width) {}

CMenuXPEntry::~CMenuXPEntry() = default;

CMenuXPEntry* CMenuXPEntry::FromItemData(ULONG_PTR data) {
    auto* entry = reinterpret_cast<CMenuXPEntry*>(data);
    return entry && entry->m_dwSignature == kSignature ? entry : nullptr;
}
