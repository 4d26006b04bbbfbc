// Where the user wants a report or a screenshot saved.
#pragma once
#include <string>

// Asks with the system's save dialog (title, and a filter for `extension`,
// e.g. ".txt"), then names the file by SaveFileName. The dialog adds the
// extension to a bare name itself, so its question about replacing an
// existing file is asked about the real name; when the extension is added
// here instead (a name with some other extension), the same question is
// asked here. The full path, or empty when the user cancelled.
std::string ChooseSavePath(const char* title, const std::string& extension);
