// The texts that carry the facts out of the program: the saved report, the
// clipboard copy and the help file. Lines end in CR LF; the help file's
// accented letters are Windows-1252 bytes.
#pragma once
#include <string>

#include "facts/FactsSnapshot.h"

// The report file: four fact lines, a separator, who and where, when, and an
// empty line.
std::string BuildReportText(const FactsSnapshot& facts);

// Five lines joined by CR LF, without a line end after the last.
std::string BuildClipboardText(const FactsSnapshot& facts);

// The help file, in English then in French, documenting every shortcut.
const std::string& HelpFileText();
