// The ten settings of the main window, the History window's size, and their
// keys in the settings file. Read once at start-up; each change is written
// at once by its own writer.
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

    // Each setting's value before anything is read.
    static constexpr int kDefaultOpacity = 100;
    static constexpr int kDefaultSkin = 0;
    static constexpr bool kDefaultTopMost = false;
    static constexpr bool kDefaultMaxWnd = false;
    static constexpr COLORREF kDefaultTextColor = RGB(0, 0, 0);
    static constexpr COLORREF kDefaultSecHand = RGB(0, 0, 255);
    static constexpr COLORREF kDefaultBackground = RGB(255, 255, 255);
    // The History window's outer size at 96 DPI. Not among the defaults
    // written on the first run: the keys appear once the window is resized.
    static constexpr int kDefaultHistoryWidth = 700;
    static constexpr int kDefaultHistoryHeight = 420;

    // Whether "Tallvox.ini" exists in the folder (the program's folder when
    // empty).
    static bool DefaultsFileExists(const std::string& folder = std::string());
    // Writes every key with its default to "Tallvox.ini" in the folder (the
    // program's folder when empty), section = the application name. False
    // when that failed; the handler is not told: the defaults hold for the
    // run anyway, and a change that can't be saved is told when it is made.
    bool WriteDefaults(const std::string& folder = std::string());
    // Reads every key of this object's file into the fields; an opacity that
    // is not a number, or is negative, reads as the default.
    void Load();
    // First run: defaults when "Tallvox.ini" is missing, then Load. False
    // when this object's file is there but can't be read: the fields keep
    // their defaults and nothing is written to the file while this object
    // lives, so the user's file never takes in defaults it did not hold.
    bool LoadOrCreate(const std::string& folder = std::string());

    void SaveUptimeColor();
    void SaveBootTimeColor();
    void SaveInstallDateColor();
    void SaveInstallTimeColor();
    void SaveBackgroundColor();
    void SaveClockSecHand();
    void SaveTopMost();
    void SaveMaxWnd();
    void SaveSkin();
    void SaveHistorySize();
    void SaveOpacity();

    COsVersion m_osVersion;
    // Opacity is only read on NT 5 or later; elsewhere it keeps 100.
    int m_nOpacity = kDefaultOpacity;
    int m_nSkin = kDefaultSkin;
    bool m_bTopMost = kDefaultTopMost;
    bool m_bMaxWnd = kDefaultMaxWnd;
    COLORREF m_crBootTime = kDefaultTextColor;
    COLORREF m_crUptime = kDefaultTextColor;
    COLORREF m_crBackground = kDefaultBackground;
    COLORREF m_crInstallDate = kDefaultTextColor;
    COLORREF m_crInstallTime = kDefaultTextColor;
    COLORREF m_crClockSecHand = kDefaultSecHand;
    int m_nHistoryWidth = kDefaultHistoryWidth;
    int m_nHistoryHeight = kDefaultHistoryHeight;
};
