#include "app/ClipboardText.h"

#include <cstring>

bool PutOnClipboard(HWND owner, UINT format, HANDLE data) {
    if (!data || !::OpenClipboard(owner)) return false;
    ::EmptyClipboard();
    const bool taken = ::SetClipboardData(format, data) != nullptr;
    ::CloseClipboard();
    return taken;
}

bool SetClipboardText(HWND owner, const std::string& text) {
    // Prepared first, so a failed allocation leaves the clipboard untouched.
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    if (!block) return false;
    void* bytes = ::GlobalLock(block);
    if (bytes) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        ::GlobalUnlock(block);
    }
    if (bytes && PutOnClipboard(owner, CF_TEXT, block)) return true;
    ::GlobalFree(block);
    return false;
}

bool CClipboardOffer::Offer(HWND owner, UINT format, HANDLE data) {
    m_offered = PutOnClipboard(owner, format, data);
    m_owner = owner;
    // Read once the clipboard is closed: closing it counts as a change too.
    m_sequence = ::GetClipboardSequenceNumber();
    return m_offered;
}

void CClipboardOffer::Withdraw() {
    if (!m_offered) return;
    m_offered = false;
    if (!::OpenClipboard(m_owner)) return;
    // Anyone who copied since has emptied the clipboard, which made them its
    // owner and moved the sequence number on.
    if (::GetClipboardOwner() == m_owner && ::GetClipboardSequenceNumber() == m_sequence) ::EmptyClipboard();
    ::CloseClipboard();
}
