#include "app/settings/TallvoxSettings.h"

#include <shlwapi.h>

#include "app/settings/SettingValues.h"
#include "framework/ModuleName.h"
#include "framework/WinApp.h"

namespace {

// Keys, in the order the defaults are written and the keys are read.
const char kOpacity[] = "Opacity";
const char kBootTimeColor[] = "Boot_Time_Text_Color";
const char kUptimeColor[] = "UpTime_Text_Color";
const char kInstallDateColor[] = "OS_Install_Date_Text_Color";
const char kInstallTimeColor[] = "OS_Install_Time_Text_Color";
const char kClockSecHand[] = "Clock_sec_hand";
const char kBackgroundColor[] = "Background_Color";
const char kTopMost[] = "TopMost_Wnd";
const char kMaxWnd[] = "Max_Wnd";
const char kSkin[] = "Skin";
// Read last and written only when the History window was resized.
const char kHistoryWidth[] = "History_Width";
const char kHistoryHeight[] = "History_Height";

// "Tallvox.ini" alone (so it lands in the program's folder), or in the given folder.
std::string DefaultsFile(const std::string& folder)
{
    if (folder.empty()) return CTallvoxSettings::kDefaultsFileName;
    return FileInFolder(folder, CTallvoxSettings::kDefaultsFileName);
}

}  // namespace

const char CTallvoxSettings::kDefaultsFileName[] = "Tallvox.ini";

CTallvoxSettings::CTallvoxSettings() = default;

CTallvoxSettings::CTallvoxSettings(const std::string& file, const std::string& section)
    : CIniFile(file, section)
{
}

bool CTallvoxSettings::DefaultsFileExists(const std::string& folder)
{
    const std::string dir = folder.empty() ? ModuleFolder(AfxGetModulePath()) : folder;
    const std::string path = FileInFolder(dir, kDefaultsFileName);
    return IsUsableFilePath(path) && ::PathFileExistsA(path.c_str()) != FALSE;
}

bool CTallvoxSettings::WriteDefaults(const std::string& folder)
{
    CIniFile defaults(DefaultsFile(folder), std::string());
    bool written = true;
    defaults.SetWriteFailureHandler([&written](const std::string&) { written = false; });
    if (m_osVersion.IsNt5OrLater()) defaults.WriteInt(kOpacity, kDefaultOpacity);
    defaults.WriteColor(kBootTimeColor, kDefaultTextColor);
    defaults.WriteColor(kUptimeColor, kDefaultTextColor);
    defaults.WriteColor(kInstallDateColor, kDefaultTextColor);
    defaults.WriteColor(kInstallTimeColor, kDefaultTextColor);
    defaults.WriteColor(kClockSecHand, kDefaultSecHand);
    defaults.WriteColor(kBackgroundColor, kDefaultBackground);
    defaults.WriteBool(kTopMost, kDefaultTopMost);
    defaults.WriteBool(kMaxWnd, kDefaultMaxWnd);
    defaults.WriteInt(kSkin, kDefaultSkin);
    return written;
}

void CTallvoxSettings::Load()
{
    if (m_osVersion.IsNt5OrLater()) m_nOpacity = ParseOpacitySetting(ReadString(kOpacity, ""), kDefaultOpacity);
    m_crBootTime = ReadColor(kBootTimeColor, kDefaultTextColor);
    m_crUptime = ReadColor(kUptimeColor, kDefaultTextColor);
    m_crInstallDate = ReadColor(kInstallDateColor, kDefaultTextColor);
    m_crInstallTime = ReadColor(kInstallTimeColor, kDefaultTextColor);
    m_crClockSecHand = ReadColor(kClockSecHand, kDefaultSecHand);
    m_crBackground = ReadColor(kBackgroundColor, kDefaultBackground);
    m_bTopMost = ReadBool(kTopMost, kDefaultTopMost);
    m_bMaxWnd = ReadBool(kMaxWnd, kDefaultMaxWnd);
    m_nSkin = ReadInt(kSkin, kDefaultSkin);
    m_nHistoryWidth = ReadInt(kHistoryWidth, kDefaultHistoryWidth);
    m_nHistoryHeight = ReadInt(kHistoryHeight, kDefaultHistoryHeight);
}

bool CTallvoxSettings::LoadOrCreate(const std::string& folder)
{
    if (!DefaultsFileExists(folder)) WriteDefaults(folder);
    if (IsUnreadable()) {
        StopWriting();
        return false;
    }
    Load();
    return true;
}

void CTallvoxSettings::SaveUptimeColor() { WriteColor(kUptimeColor, m_crUptime); }
void CTallvoxSettings::SaveBootTimeColor() { WriteColor(kBootTimeColor, m_crBootTime); }
void CTallvoxSettings::SaveInstallDateColor() { WriteColor(kInstallDateColor, m_crInstallDate); }
void CTallvoxSettings::SaveInstallTimeColor() { WriteColor(kInstallTimeColor, m_crInstallTime); }
void CTallvoxSettings::SaveBackgroundColor() { WriteColor(kBackgroundColor, m_crBackground); }
void CTallvoxSettings::SaveClockSecHand() { WriteColor(kClockSecHand, m_crClockSecHand); }
void CTallvoxSettings::SaveTopMost() { WriteBool(kTopMost, m_bTopMost); }
void CTallvoxSettings::SaveMaxWnd() { WriteBool(kMaxWnd, m_bMaxWnd); }
void CTallvoxSettings::SaveSkin() { WriteInt(kSkin, m_nSkin); }
void CTallvoxSettings::SaveHistorySize() {
    WriteInt(kHistoryWidth, m_nHistoryWidth);
    WriteInt(kHistoryHeight, m_nHistoryHeight);
}
void CTallvoxSettings::SaveOpacity() { WriteInt(kOpacity, m_nOpacity); }
