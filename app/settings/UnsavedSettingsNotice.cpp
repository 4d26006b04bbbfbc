#include "app/settings/UnsavedSettingsNotice.h"

#include "framework/ModuleName.h"

void CUnsavedSettingsNotice::Watch(CIniFile& ini) {
    ini.SetWriteFailureHandler([this](const std::string& file) { Tell(file); });
}

void CUnsavedSettingsNotice::Tell(const std::string& file) { ShowOnce(Text(file)); }

void CUnsavedSettingsNotice::TellUnreadable(const std::string& file) { ShowOnce(UnreadableText(file)); }

void CUnsavedSettingsNotice::ShowOnce(const std::string& text) {
    if (m_bTold) return;
    // Set first: the message box's own loop may run another failing save.
    m_bTold = true;
    ::MessageBoxA(m_owner, text.c_str(), "Tallvox", MB_ICONWARNING | MB_OK);
}

std::string CUnsavedSettingsNotice::Text(const std::string& file) {
    const char* const kLost = "Changes made now are lost when Tallvox ends.";
    if (file.size() >= kMaxAnsiPath)
        return "The settings can't be saved: the path of their file is too long.\n" + file +
               "\nMove Tallvox to a folder with a shorter path. " + kLost;
    return "The settings can't be saved to the file\n" + file + "\n" + kLost;
}

std::string CUnsavedSettingsNotice::UnreadableText(const std::string& file) {
    return "The settings file\n" + file +
           "\ncan't be read: another program may be holding it open. Tallvox starts with its default settings and "
           "leaves the file as it is. Changes made now are lost when Tallvox ends.";
}
