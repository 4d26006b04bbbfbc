// The ten settings of the main window and their keys in the settings file.
// Read once at start-up; each change is written at once by its own writer.
#pragma once
#include <string>

#include "app/settings/IniFile.h"
#include "app/shell/OsVersion.h"

class CTallvoxSettings : public CIniFile {
public:
    // The program's own settings file and section.
    CTallvoxSettings();
    // Another file and section (same rules as CIniFile's).
    CTallvoxSettings(const std::string& file, const std::string& section);

    // The file the first-run check looks for and the defaults are written to.
    static const char kDefaultsFileName[];

    // Whether "Tallvox.ini" exists in the folder (the program's folder when
    // empty).
    static bool DefaultsFileExists(const std::string& folder = std::string());
    // Writes every key with its default to "Tallvox.ini" in the folder (the
    // program's folder when empty), section = the application name.
    void WriteDefaults(const std::string& folder = std::string());
    // Reads every key of this object's file into the fields.
    void Load();
    // First run: defaults when "Tallvox.ini" is missing, then Load.
    void LoadOrCreate(const std::string& folder = std::string());

    void SaveUptimeColor();
    void SaveBootTimeColor();
    void SaveInstallDateColor();
    void SaveInstallTimeColor();
    void SaveBackgroundColor();
    void SaveClockSecHand();
    void SaveTopMost();
    void SaveMaxWnd();
    void SaveSkin();

    COsVersion m_osVersion;
    // Opacity is only read on NT 5 or later; elsewhere it keeps 100.
    int m_nOpacity = 100;
    int m_nSkin = 0;
    bool m_bTopMost = false;
    bool m_bMaxWnd = false;
    COLORREF m_crBootTime = RGB(0, 0, 0);
    COLORREF m_crUptime = RGB(0, 0, 0);
    COLORREF m_crBackground = RGB(255, 255, 255);
    COLORREF m_crInstallDate = RGB(0, 0, 0);
    COLORREF m_crInstallTime = RGB(0, 0, 0);
    COLORREF m_crClockSecHand = RGB(0, 0, 255);
};
