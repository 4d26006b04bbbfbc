// Puts data on the clipboard.
#pragma once
#include <windows.h>

#include <string>

// Replaces the clipboard's content with `data` in `format`. True when the
// clipboard took it (it then owns the data); false when it could not be
// opened (another program holds it) or refused the data, which then stays
// the caller's.
bool PutOnClipboard(HWND owner, UINT format, HANDLE data);

// The text as one CF_TEXT block. When it fails the clipboard is left as it
// was.
bool SetClipboardText(HWND owner, const std::string& text);
