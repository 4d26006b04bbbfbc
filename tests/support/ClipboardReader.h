// The clipboard's text as another program reads it, for tests in and out of
// the program's process.
#pragma once
#include <windows.h>

#include <string>

inline std::string ClipboardText() {
    std::string text;
    if (!::OpenClipboard(nullptr)) return "<clipboard busy>";
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
            text = bytes;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}
