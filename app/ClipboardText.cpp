#include "app/ClipboardText.h"

#include <cstring>

bool SetClipboardText(HWND owner, const std::string& text) {
    // Prepared first, so a failed allocation leaves the clipboard untouched.
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    if (!block) return false;
    if (void* bytes = ::GlobalLock(block)) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        ::GlobalUnlock(block);
    } else {
        ::GlobalFree(block);
        return false;
    }
    if (!::OpenClipboard(owner)) {
        ::GlobalFree(block);
        return false;
    }
    ::EmptyClipboard();
    // Once taken, the block belongs to the clipboard.
    const bool taken = ::SetClipboardData(CF_TEXT, block) != nullptr;
    ::CloseClipboard();
    if (!taken) ::GlobalFree(block);
    return taken;
}
