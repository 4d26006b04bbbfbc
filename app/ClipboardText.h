// Puts text on the clipboard as one CF_TEXT block.
#pragma once
#include <windows.h>

#include <string>

// False when the clipboard could not be opened (another program holds it)
// or did not take the text; the clipboard is then left as it was.
bool SetClipboardText(HWND owner, const std::string& text);
