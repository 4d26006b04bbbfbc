// The system's "save as" dialog, owned by the main window (AfxGetSafeOwner),
// which it disables while it runs, with one file filter.
#pragma once
#include <string>

// The name the user chose (at most MAX_PATH characters), or an empty text
// when the dialog was cancelled. `pattern` (e.g. "*.txt") is both the
// filter's label and what it matches. A name typed without an extension gets
// `defaultExtension` (e.g. "txt", no dot) from the dialog itself, before it
// asks whether an existing file of that name may be replaced.
std::string AskSaveFileName(const char* title, const char* pattern, const char* defaultExtension);
