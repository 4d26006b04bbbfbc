// The texts that carry the facts out of the program: the saved report, the
// clipboard copy and the help file. Lines end in CR LF; the help file's
// accented letters are Windows-1252 bytes.
#pragma once
#include <string>

// The facts as the main window reads them at the moment of the command.
struct FactsSnapshot {
    std::string uptime;        // "- Uptime : ..."
    std::string bootTime;      // "- Boot Time : ..."
    std::string installDate;   // the date alone, empty when the query failed
    std::string installTime;   // "- OS Installation Time: ..." or empty
    std::string today;         // "- Today: ..."
    std::string userName;      // "Not find" when unknown
    std::string computerName;  // "Not find" when unknown
    std::string dateTime;      // the current local date-time as "%c" prints it
};

// What stands for a user or computer name that can't be read.
extern const char kNameNotFound[];

// The report file: four fact lines, a separator, who and where, when, and an
// empty line.
std::string BuildReportText(const FactsSnapshot& facts);

// Five lines joined by CR LF, without a line end after the last.
std::string BuildClipboardText(const FactsSnapshot& facts);

// The help file, in English then in French, documenting every shortcut.
const std::string& HelpFileText();
