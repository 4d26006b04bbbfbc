// The settings file classes against real profile-string calls, each test in
// its own scratch folder under %TEMP%.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "win/DialogAnswerer.h"

#include "app/settings/IniFile.h"
#include "app/settings/TallvoxSettings.h"
#include "app/settings/UnsavedSettingsNotice.h"
#include "framework/ModuleName.h"
#include "framework/WinApp.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    ::CloseHandle(file);
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}

// The settings section as the program itself would name it.
std::string Section() { return CIniFile::AppName(); }

// The test program's base name: its application name and its INI file's name.
std::string ProgramBaseName() { return ModuleBaseName(AfxGetModulePath()); }

std::string ProgramFolderWithBackslash()
{
    const std::string path = AfxGetModulePath();
    return path.substr(0, path.rfind('\\') + 1);
}

class TallvoxSettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH + 1] = {};
        ASSERT_NE(0u, ::GetTempPathA(MAX_PATH, temp));
        static int counter = 0;
        char name[64];
        std::snprintf(name, sizeof name, "tallvox-settings-%lu-%d", ::GetCurrentProcessId(), ++counter);
        m_dir = std::string(temp) + name;
        ASSERT_TRUE(::CreateDirectoryA(m_dir.c_str(), nullptr)) << m_dir;
        m_file = m_dir + "\\Tallvox.ini";
    }

    void TearDown() override
    {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((m_dir + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
                const std::string path = m_dir + "\\" + found.cFileName;
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            } while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        EXPECT_TRUE(::RemoveDirectoryA(m_dir.c_str())) << m_dir;
    }

    // A settings file holding only the given lines in the program's section.
    void WriteSection(const std::string& lines)
    {
        ASSERT_TRUE(WriteBytes(m_file, "[" + Section() + "]\r\n" + lines));
    }

    std::string m_dir;
    std::string m_file;
};

}  // namespace

TEST_F(TallvoxSettingsFile, FirstRunWritesTheTenDefaultsInOrder) {
    ASSERT_TRUE(COsVersion().IsNt5OrLater());
    EXPECT_FALSE(CTallvoxSettings::DefaultsFileExists(m_dir));

    CTallvoxSettings settings(m_file, std::string());
    settings.LoadOrCreate(m_dir);

    EXPECT_TRUE(CTallvoxSettings::DefaultsFileExists(m_dir));
    EXPECT_EQ("[" + Section() + "]\r\n"
              "Opacity=100\r\n"
              "Boot_Time_Text_Color=RGB(0,0,0)\r\n"
              "UpTime_Text_Color=RGB(0,0,0)\r\n"
              "OS_Install_Date_Text_Color=RGB(0,0,0)\r\n"
              "OS_Install_Time_Text_Color=RGB(0,0,0)\r\n"
              "Clock_sec_hand=RGB(0,0,255)\r\n"
              "Background_Color=RGB(255,255,255)\r\n"
              "TopMost_Wnd=0\r\n"
              "Max_Wnd=0\r\n"
              "Skin=0\r\n",
              ReadBytes(m_file));

    EXPECT_EQ(100, settings.m_nOpacity);
    EXPECT_EQ(0, settings.m_nSkin);
    EXPECT_FALSE(settings.m_bTopMost);
    EXPECT_FALSE(settings.m_bMaxWnd);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crBootTime);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crUptime);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crInstallDate);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crInstallTime);
    EXPECT_EQ(0x00FF0000u, settings.m_crClockSecHand);
    EXPECT_EQ(RGB(255, 255, 255), settings.m_crBackground);
}

TEST_F(TallvoxSettingsFile, AnExistingFileIsNotOverwritten) {
    WriteSection("Skin=4\r\n");
    CTallvoxSettings settings(m_file, std::string());
    settings.LoadOrCreate(m_dir);
    EXPECT_EQ(4, settings.m_nSkin);
    EXPECT_EQ("[" + Section() + "]\r\nSkin=4\r\n", ReadBytes(m_file));
}

TEST_F(TallvoxSettingsFile, ASaveKeepsTheBytesOfEveryOtherLine) {
    // Written under code page 1252: not UTF-8, the program's code page.
    const std::string mine = "; f\xFCr B\xFCro\r\n[Meine B\xFCros]\r\nOrt=B\xFCro\r\n";
    ASSERT_TRUE(WriteBytes(m_file, mine + "[" + Section() + "]\r\nSkin=1\r\n"));
    CTallvoxSettings settings(m_file, Section());
    settings.m_nSkin = 2;
    settings.SaveSkin();
    EXPECT_EQ(mine + "[" + Section() + "]\r\nSkin=2\r\n", ReadBytes(m_file));
}

TEST_F(TallvoxSettingsFile, OnlySkinGivenEverythingElseDefaults) {
    WriteSection("Skin=3\r\n");
    CTallvoxSettings settings(m_file, Section());
    // Start from values that differ from every default.
    settings.m_nOpacity = 7;
    settings.m_bTopMost = settings.m_bMaxWnd = true;
    settings.m_crBootTime = settings.m_crUptime = settings.m_crInstallDate = settings.m_crInstallTime =
        settings.m_crClockSecHand = settings.m_crBackground = RGB(1, 2, 3);
    settings.Load();

    EXPECT_EQ(3, settings.m_nSkin);
    EXPECT_EQ(100, settings.m_nOpacity);
    EXPECT_FALSE(settings.m_bTopMost);
    EXPECT_FALSE(settings.m_bMaxWnd);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crBootTime);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crUptime);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crInstallDate);
    EXPECT_EQ(RGB(0, 0, 0), settings.m_crInstallTime);
    EXPECT_EQ(RGB(0, 0, 255), settings.m_crClockSecHand);
    EXPECT_EQ(RGB(255, 255, 255), settings.m_crBackground);
    // Reading writes nothing.
    EXPECT_EQ("[" + Section() + "]\r\nSkin=3\r\n", ReadBytes(m_file));
}

TEST_F(TallvoxSettingsFile, MissingFileGivesDefaultsAndStaysMissing) {
    CTallvoxSettings settings(m_file, Section());
    settings.m_nSkin = 5;
    settings.Load();
    EXPECT_EQ(0, settings.m_nSkin);
    EXPECT_EQ(RGB(255, 255, 255), settings.m_crBackground);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(m_file.c_str()));
}

TEST_F(TallvoxSettingsFile, FlagsAreNonZeroNumbers) {
    WriteSection("TopMost_Wnd=2\r\nMax_Wnd=x\r\n");
    CTallvoxSettings settings(m_file, Section());
    settings.Load();
    EXPECT_TRUE(settings.m_bTopMost);
    EXPECT_FALSE(settings.m_bMaxWnd);
}

TEST_F(TallvoxSettingsFile, NumbersReadWithAtoi) {
    WriteSection("Opacity=12abc\r\nSkin=9\r\n");
    CTallvoxSettings settings(m_file, Section());
    settings.Load();
    EXPECT_EQ(12, settings.m_nOpacity);
    EXPECT_EQ(9, settings.m_nSkin);

    CIniFile ini(m_file, Section());
    WriteSection("Opacity=abc\r\n");
    EXPECT_EQ(0, ini.ReadInt("Opacity", 100));
    EXPECT_STREQ("abc", ini.m_szValue);

    // Too large for an int: held at its ends, not wrapped (4294967396 would
    // wrap to 100, 4294967296 to a cleared flag). Opacity stops at 100.
    WriteSection("Opacity=4294967396\r\nSkin=-99999999999\r\nTopMost_Wnd=4294967296\r\n");
    settings.Load();
    EXPECT_EQ(100, settings.m_nOpacity);
    EXPECT_EQ(INT_MIN, settings.m_nSkin);
    EXPECT_TRUE(settings.m_bTopMost);
}

TEST_F(TallvoxSettingsFile, MalformedColoursKeepTheDefaultsRest) {
    WriteSection("Background_Color=RGB(10,20)\r\n"
                 "Boot_Time_Text_Color=RGB(300,0,0)\r\n"
                 "Clock_sec_hand=blue\r\n"
                 "UpTime_Text_Color=RGB(-1,256,7)\r\n");
    CTallvoxSettings settings(m_file, Section());
    settings.Load();
    EXPECT_EQ(RGB(10, 20, 255), settings.m_crBackground);
    // Out of range: the nearest end of 0..255, never the low 8 bits.
    EXPECT_EQ(RGB(255, 0, 0), settings.m_crBootTime);
    EXPECT_EQ(RGB(0, 0, 255), settings.m_crClockSecHand);
    EXPECT_EQ(RGB(0, 255, 7), settings.m_crUptime);
    EXPECT_EQ(RGB(0, 255, 7), settings.ReadColor("UpTime_Text_Color", RGB(0, 0, 0)));
    EXPECT_STREQ("RGB(-1,256,7)", settings.m_szValue) << "the last value read";
}

TEST_F(TallvoxSettingsFile, ReadStringGivesTheDefaultTextForAMissingKey) {
    WriteSection("Skin=1\r\n");
    CIniFile ini(m_file, Section());
    EXPECT_EQ("fallback", ini.ReadString("Nothing", "fallback"));
    EXPECT_STREQ("fallback", ini.m_szValue);
    // Keys match without regard to case.
    EXPECT_EQ("1", ini.ReadString("SKIN", "0"));
    EXPECT_EQ(RGB(0, 0, 255), ini.ReadColor("Nothing", RGB(0, 0, 255)));
    EXPECT_STREQ("RGB(0,0,255)", ini.m_szValue) << "the default text";
}

TEST_F(TallvoxSettingsFile, SingleKeyWritersReplaceInPlace) {
    CTallvoxSettings settings(m_file, Section());
    settings.LoadOrCreate(m_dir);
    settings.m_crUptime = RGB(1, 2, 3);
    settings.SaveUptimeColor();
    settings.m_crBootTime = RGB(4, 5, 6);
    settings.SaveBootTimeColor();
    settings.m_crInstallDate = RGB(7, 8, 9);
    settings.SaveInstallDateColor();
    settings.m_crInstallTime = RGB(10, 11, 12);
    settings.SaveInstallTimeColor();
    settings.m_crBackground = RGB(13, 14, 15);
    settings.SaveBackgroundColor();
    settings.m_crClockSecHand = RGB(255, 0, 0);
    settings.SaveClockSecHand();
    settings.m_bTopMost = true;
    settings.SaveTopMost();
    settings.m_bMaxWnd = true;
    settings.SaveMaxWnd();
    settings.m_nSkin = 2;
    settings.SaveSkin();
    settings.m_nOpacity = 40;
    settings.SaveOpacity();

    EXPECT_EQ("[" + Section() + "]\r\n"
              "Opacity=40\r\n"
              "Boot_Time_Text_Color=RGB(4,5,6)\r\n"
              "UpTime_Text_Color=RGB(1,2,3)\r\n"
              "OS_Install_Date_Text_Color=RGB(7,8,9)\r\n"
              "OS_Install_Time_Text_Color=RGB(10,11,12)\r\n"
              "Clock_sec_hand=RGB(255,0,0)\r\n"
              "Background_Color=RGB(13,14,15)\r\n"
              "TopMost_Wnd=1\r\n"
              "Max_Wnd=1\r\n"
              "Skin=2\r\n",
              ReadBytes(m_file));

    CTallvoxSettings reread(m_file, Section());
    reread.Load();
    EXPECT_EQ(40, reread.m_nOpacity);
    EXPECT_EQ(RGB(1, 2, 3), reread.m_crUptime);
    EXPECT_EQ(RGB(13, 14, 15), reread.m_crBackground);
    EXPECT_EQ(RGB(255, 0, 0), reread.m_crClockSecHand);
    EXPECT_TRUE(reread.m_bTopMost);
    EXPECT_TRUE(reread.m_bMaxWnd);
    EXPECT_EQ(2, reread.m_nSkin);
}

TEST_F(TallvoxSettingsFile, UnwritableFileKeepsTheChangeForTheRunOnly) {
    CTallvoxSettings settings(m_file, Section());
    settings.LoadOrCreate(m_dir);
    const std::string before = ReadBytes(m_file);
    ASSERT_FALSE(before.empty());

    // Running as root under Wine, neither permission bits nor the read-only
    // attribute stop a write; a file held open without sharing does.
    HANDLE lock = ::CreateFileA(m_file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    settings.m_nSkin = 2;
    settings.SaveSkin();
    settings.m_bTopMost = true;
    settings.SaveTopMost();
    settings.m_crBackground = RGB(1, 2, 3);
    settings.SaveBackgroundColor();
    const bool written = settings.WriteInt("Skin", 2);
    ::CloseHandle(lock);

    EXPECT_FALSE(written);
    EXPECT_EQ(2, settings.m_nSkin);
    EXPECT_TRUE(settings.m_bTopMost);
    EXPECT_EQ(RGB(1, 2, 3), settings.m_crBackground);
    EXPECT_EQ(before, ReadBytes(m_file));

    // Once the file is free again, writes land as usual.
    EXPECT_TRUE(settings.WriteInt("Skin", 2));
    CTallvoxSettings reread(m_file, Section());
    reread.Load();
    EXPECT_EQ(2, reread.m_nSkin);
    EXPECT_FALSE(reread.m_bTopMost);
}

TEST_F(TallvoxSettingsFile, EveryWriteThatFailsIsPassedOnWithTheFilesName) {
    // A folder where the file should be.
    ASSERT_TRUE(::CreateDirectoryA(m_file.c_str(), nullptr));
    CTallvoxSettings settings(m_file, Section());
    std::vector<std::string> failed;
    settings.SetWriteFailureHandler([&](const std::string& file) { failed.push_back(file); });
    settings.Load();
    EXPECT_EQ(RGB(255, 255, 255), settings.m_crBackground) << "read as missing";
    settings.SaveSkin();
    settings.SaveTopMost();
    EXPECT_FALSE(settings.WriteInt("Opacity", 40));
    EXPECT_EQ((std::vector<std::string>{m_file, m_file, m_file}), failed);

    // Defaults that can't be created at start lose nothing: they are not told.
    failed.clear();
    EXPECT_FALSE(settings.WriteDefaults(m_dir));
    EXPECT_TRUE(failed.empty());
    EXPECT_TRUE(::RemoveDirectoryA(m_file.c_str()));
}

TEST_F(TallvoxSettingsFile, APathTooLongForTheBuffersIsNeitherReadNorWritten) {
    // Cut to the 8-bit calls' limit, this path would name a file in m_dir.
    const std::string tooLong = m_dir + "\\" + std::string(300, 'n') + ".ini";
    CIniFile ini(tooLong, Section());
    std::vector<std::string> failed;
    ini.SetWriteFailureHandler([&](const std::string& file) { failed.push_back(file); });
    EXPECT_FALSE(ini.WriteInt("Skin", 2));
    EXPECT_EQ(std::vector<std::string>{tooLong}, failed);
    EXPECT_EQ(7, ini.ReadInt("Skin", 7));
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((m_dir + "\\n*").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << "nothing written in a folder cut short";
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);

    CIniFile relative;
    relative.m_strFile = ".ini";  // what an unknown program path would give
    EXPECT_FALSE(relative.WriteInt("Skin", 2)) << "never into the Windows folder";
}

TEST_F(TallvoxSettingsFile, SettingsThatCannotBeSavedAreSaidOnceNamingTheFile) {
    ASSERT_TRUE(::CreateDirectoryA(m_file.c_str(), nullptr));
    CTallvoxSettings settings(m_file, Section());
    CIniFile ini(m_file, Section());
    CUnsavedSettingsNotice notice;
    notice.Watch(settings);
    notice.Watch(ini);
    {
        DialogAnswerer answerer(IDOK, nullptr);
        settings.SaveSkin();  // returns once the message has been answered
        settings.SaveBackgroundColor();
        ini.WriteInt("Opacity", 50);
        ASSERT_EQ(1u, answerer.SeenSoFar().size());
        EXPECT_EQ("Tallvox", answerer.SeenSoFar()[0].caption);
        EXPECT_EQ("The settings can't be saved to the file\n" + m_file + "\nChanges made now are lost when Tallvox ends.",
                  answerer.SeenSoFar()[0].text);
    }
    EXPECT_TRUE(notice.Told());
    EXPECT_TRUE(::RemoveDirectoryA(m_file.c_str()));

    const std::string tooLong = m_dir + "\\" + std::string(300, 'n') + ".ini";
    EXPECT_EQ("The settings can't be saved: the path of their file is too long.\n" + tooLong +
                  "\nMove Tallvox to a folder with a shorter path. Changes made now are lost when Tallvox ends.",
              CUnsavedSettingsNotice::Text(tooLong));
}

TEST(IniFile, DefaultPathIsBesideTheProgram) {
    const std::string path = AfxGetModulePath();
    const std::string folder = ProgramFolderWithBackslash();
    EXPECT_EQ(folder + ProgramBaseName() + ".ini", CIniFile::DefaultIniPath());
    EXPECT_EQ(ProgramBaseName(), CIniFile::AppName());
    ASSERT_GE(path.size(), 2u);
    EXPECT_EQ(':', path[1]) << "the program path has a drive";

    CIniFile ini;
    EXPECT_EQ(CIniFile::DefaultIniPath(), ini.m_strFile);
    EXPECT_EQ(ProgramBaseName(), ini.m_strSection);
    EXPECT_STREQ("", ini.m_szValue);

    CIniFile empty{std::string(), std::string()};
    EXPECT_EQ(CIniFile::DefaultIniPath(), empty.m_strFile);
    EXPECT_EQ(ProgramBaseName(), empty.m_strSection);
}

TEST(IniFile, MakeAbsolutePutsTheProgramFolderInFrontOfNamesWithoutDrive) {
    const std::string folder = ProgramFolderWithBackslash();
    EXPECT_EQ(folder + "Tallvox.ini", CIniFile::MakeAbsolute("Tallvox.ini"));
    EXPECT_EQ(folder + "sub\\x.ini", CIniFile::MakeAbsolute("sub\\x.ini"));
    // Without a drive even a rooted name counts as relative.
    EXPECT_EQ(folder + "\\x.ini", CIniFile::MakeAbsolute("\\x.ini"));
    EXPECT_EQ("C:\\Tools\\Tallvox.ini", CIniFile::MakeAbsolute("C:\\Tools\\Tallvox.ini"));
    EXPECT_EQ("D:x.ini", CIniFile::MakeAbsolute("D:x.ini"));

    CIniFile ini("Tallvox.ini", "");
    EXPECT_EQ(folder + "Tallvox.ini", ini.m_strFile);
    EXPECT_EQ(ProgramBaseName(), ini.m_strSection);
    CIniFile named("C:\\a.ini", "Other");
    EXPECT_EQ("C:\\a.ini", named.m_strFile);
    EXPECT_EQ("Other", named.m_strSection);
}

TEST(TallvoxSettings, DefaultsFileIsLookedForBesideTheProgram) {
    const std::string path = ProgramFolderWithBackslash() + "Tallvox.ini";
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES,
              CTallvoxSettings::DefaultsFileExists());
    CTallvoxSettings settings;
    EXPECT_EQ(CIniFile::DefaultIniPath(), settings.m_strFile);
    EXPECT_EQ(CIniFile::AppName(), settings.m_strSection);
}
