#include "framework/ClipboardText.h"

#include <cstring>
#include <string>

namespace {

// A movable global block holding a copy of the bytes; none when memory is short.
CGlobalMemory GlobalCopy(const void* bytes, size_t size) {
    CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size));
    void* target = block ? ::GlobalLock(block.Get()) : nullptr;
    if (!target) return CGlobalMemory();
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block.Get());
    return block;
}

// The text in UTF-16 with its terminator, converted from the code page our
// 8-bit strings are in; none when it does not convert.
CGlobalMemory WideCopy(const std::string& text) {
    const int units = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (units <= 0) return CGlobalMemory();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    if (::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], units) != units) return CGlobalMemory();
    return GlobalCopy(wide.c_str(), static_cast<size_t>(units) * sizeof(wchar_t));
}

}  // namespace

bool PutOnClipboard(HWND owner, UINT format, HANDLE data) {
    if (!data || !::OpenClipboard(owner)) return false;
    ::EmptyClipboard();
    const bool taken = ::SetClipboardData(format, data) != nullptr;
    ::CloseClipboard();
    return taken;
}

bool SetClipboardText(HWND owner, const std::string& text) {
    // Prepared first, so a failed allocation leaves the clipboard untouched.
    CGlobalMemory bytes = GlobalCopy(text.c_str(), text.size() + 1);
    if (!bytes) return false;
    CGlobalMemory wide = WideCopy(text);
    if (!::OpenClipboard(owner)) return false;
    ::EmptyClipboard();
    // What the clipboard takes is its own from then on.
    const bool taken = ::SetClipboardData(CF_TEXT, bytes.Get()) != nullptr;
    if (taken) bytes.Detach();
    if (wide && ::SetClipboardData(CF_UNICODETEXT, wide.Get())) wide.Detach();
    ::CloseClipboard();
    return taken;
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
