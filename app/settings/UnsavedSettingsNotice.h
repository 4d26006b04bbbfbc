// Tells the user, once per run, that a setting could not be saved, or that
// the settings file could not be read at start, naming the file: changes hold
// until the program ends and would otherwise be lost without a word. Later
// failures of the same run pass in silence.
#pragma once
#include <windows.h>

#include <string>

#include "app/settings/IniFile.h"

class CUnsavedSettingsNotice {
public:
    // Failed writes of `ini` are told here; the notice must outlive it.
    void Watch(CIniFile& ini);
    // The window that owns the message.
    void SetOwner(HWND owner) { m_owner = owner; }

    // Shows the message the first time only.
    void Tell(const std::string& file);
    // Says that `file` could not be read at start, so nothing is saved to it
    // in this run; later failures pass in silence.
    void TellUnreadable(const std::string& file);
    bool Told() const { return m_bTold; }

    // The message for `file`; it says so when the file's path is too long to
    // be used at all.
    static std::string Text(const std::string& file);
    static std::string UnreadableText(const std::string& file);

private:
    void ShowOnce(const std::string& text);

    HWND m_owner = nullptr;
    bool m_bTold = false;
};
