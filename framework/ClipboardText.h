// Puts data on the clipboard.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"

// Replaces the clipboard's content with `data` in `format`. True when the
// clipboard took it (it then owns the data); false when it could not be
// opened (another program holds it) or refused the data, which then stays
// the caller's.
bool PutOnClipboard(HWND owner, UINT format, HANDLE data);

// The text as CF_TEXT, our 8-bit bytes as they are, and as CF_UNICODETEXT.
// Other programs read the UTF-16 copy: left to convert CF_TEXT themselves,
// they would take its bytes in their own code page, not in the UTF-8 the
// program's strings are in. When it fails the clipboard is left as it was.
bool SetClipboardText(HWND owner, const std::string& text);

// Data offered on the clipboard for a while: taken back afterwards only when
// the clipboard still holds it, so whatever anyone copied in the meantime,
// in this program or another, stays.
class CClipboardOffer {
public:
    // As PutOnClipboard; true when the clipboard took the data.
    bool Offer(HWND owner, UINT format, HANDLE data);
    // Empties the clipboard if it is still as Offer left it (same owner,
    // same sequence number); otherwise leaves it alone.
    void Withdraw();

private:
    HWND m_owner = nullptr;
    DWORD m_sequence = 0;
    bool m_offered = false;
};
