// The installer made by scripts/release, run as a user would under Wine:
// silent install, the program it installed, the autorun option, an install
// over a running Tallvox, and the uninstaller, quiet and interactive.
// Argument: the setup.exe to test. Each test leaves the prefix as it found it.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TallvoxVersion.h"
#include "tools/probe/Probe.h"

namespace {

std::string g_setup;

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tallvox";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

template <class Condition>
bool WaitUntil(Condition condition, DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount64() >= end) return false;
        ::Sleep(50);
    }
}

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string InstallDir() { return ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Tallvox"; }
std::string Shortcut() { return ShellFolder(CSIDL_PROGRAMS) + "\\Tallvox.lnk"; }
std::string InstalledProgram() { return InstallDir() + "\\Tallvox.exe"; }

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A string value, "<none>" when it is missing, "<not a string>" for another type.
std::string RegString(const char* key, const char* name) {
    char data[1024] = {};
    DWORD size = sizeof data, type = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS)
        return "<none>";
    return type == REG_SZ ? std::string(data) : "<not a string>";
}

DWORD RegDword(const char* key, const char* name) {
    DWORD data = 0, size = sizeof data;
    if (::RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return data;
}

bool KeyExists(const char* key) {
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    ::RegCloseKey(handle);
    return true;
}

void SetRunValue(const std::string& text) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "Tallvox", REG_SZ, text.c_str(),
                      static_cast<DWORD>(text.size() + 1));
}

void DeleteRunValue() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Tallvox"); }

// A started process; ended by force if a test leaves it running.
class Process {
public:
    Process(const std::string& commandLine, const std::string& folder = std::string()) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = commandLine;
        m_started = ::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     folder.empty() ? nullptr : folder.c_str(), &startup, &m_info) != FALSE;
    }
    ~Process() {
        if (!m_started) return;
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_info.hProcess, 99);
            ::WaitForSingleObject(m_info.hProcess, 5000);
        }
        ::CloseHandle(m_info.hProcess);
        ::CloseHandle(m_info.hThread);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return m_started; }
    DWORD Id() const { return m_info.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it has not ended in time.
    DWORD Wait(DWORD milliseconds) const {
        if (!m_started || ::WaitForSingleObject(m_info.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_info.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_info{};
    bool m_started = false;
};

DWORD RunSetup(const std::string& options) {
    Process setup("\"" + g_setup + "\" " + options);
    return setup.Wait(60000);
}

// The uninstall entry's quiet command, run as winget, Intune or a script
// runs it; its exit code once it has ended.
DWORD QuietUninstall() {
    const std::string command = RegString(kUninstallKey, "QuietUninstallString");
    if (command == "<none>") return STILL_ACTIVE;
    Process uninstall(command);
    return uninstall.Wait(60000);
}

// The installed program, started the way the Start menu starts it, with its
// main window up.
class InstalledTallvox {
public:
    InstalledTallvox() : m_process("\"" + InstalledProgram() + "\"", InstallDir()) {
        WaitUntil([&] { return (m_window = probe::FindMainWindow(m_process.Id())) && ::IsWindowVisible(m_window); },
                  20000);
    }
    HWND Window() const { return m_window; }
    const Process& Proc() const { return m_process; }

private:
    Process m_process;
    HWND m_window = nullptr;
};

std::string FileVersion(const std::string& path) {
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeA(path.c_str(), &ignored));
    if (block.empty() || !::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return "<none>";
    char* text = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\FileVersion", reinterpret_cast<void**>(&text),
                          &length))
        return "<none>";
    return text;
}

// Where a shell link points.
std::string LinkTarget(const std::string& link) {
    std::string target = "<none>";
    IShellLinkA* shellLink = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&shellLink))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring wide(link.begin(), link.end());
        char path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

std::string WindowText(HWND window) {
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// A visible top-level dialog whose caption starts with `caption` (the
// wizard appends its page's title), or a message box showing this text.
HWND FindDialog(const std::string& caption, const std::string& messageText = std::string()) {
    for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        if (!::IsWindowVisible(w)) continue;
        if (!caption.empty() && WindowText(w).rfind(caption, 0) == 0) return w;
        if (!messageText.empty() && WindowText(::GetDlgItem(w, 0xFFFF)) == messageText) return w;
    }
    return nullptr;
}

// A visible dialog of the process other than `except`, or null.
HWND OtherDialogOf(DWORD processId, HWND except) {
    for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == processId && w != except && ::IsWindowVisible(w)) return w;
    }
    return nullptr;
}

void Press(HWND dialog, int button) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        ::CoInitialize(nullptr);
        ASSERT_FALSE(Exists(InstallDir())) << "a previous run left " << InstallDir();
        ASSERT_FALSE(KeyExists(kUninstallKey));
        DeleteRunValue();
    }
    void TearDown() override {
        // After a failure: leave nothing behind for the next test.
        if (KeyExists(kUninstallKey)) QuietUninstall();
        ::DeleteFileA((InstallDir() + "\\Tallvox.ini").c_str());
        ::RemoveDirectoryA(InstallDir().c_str());
        DeleteRunValue();
        ::CoUninitialize();
    }
};

}  // namespace

TEST_F(Installer, SilentInstallPutsProgramShortcutAndUninstallEntryInPlace) {
    ASSERT_EQ(0u, RunSetup("/S"));

    const std::string dir = InstallDir();
    for (const char* file : {"Tallvox.exe", "README.txt", "LICENSE", "uninstall.exe", "uninstall.dat"})
        EXPECT_TRUE(Exists(dir + "\\" + file)) << file;
    EXPECT_EQ(TALLVOX_VERSION_STRING, FileVersion(InstalledProgram()));
    EXPECT_EQ(InstalledProgram(), LinkTarget(Shortcut()));

    EXPECT_EQ("Tallvox", RegString(kUninstallKey, "DisplayName"));
    EXPECT_EQ(TALLVOX_VERSION_STRING, RegString(kUninstallKey, "DisplayVersion"));
    EXPECT_EQ("The Tallvox authors", RegString(kUninstallKey, "Publisher"));
    EXPECT_EQ(InstalledProgram() + ",0", RegString(kUninstallKey, "DisplayIcon"));
    EXPECT_EQ(dir, RegString(kUninstallKey, "InstallLocation"));
    EXPECT_EQ("\"" + dir + "\\uninstall.exe\"", RegString(kUninstallKey, "UninstallString"));
    EXPECT_EQ("\"" + dir + "\\uninstall.exe\" /S", RegString(kUninstallKey, "QuietUninstallString"));
    EXPECT_EQ(1u, RegDword(kUninstallKey, "NoModify"));
    EXPECT_EQ(1u, RegDword(kUninstallKey, "NoRepair"));
    // In KiB: the program (under 1 MiB) with the uninstaller and the texts.
    const DWORD size = RegDword(kUninstallKey, "EstimatedSize");
    EXPECT_GT(size, 200u);
    EXPECT_LT(size, 2048u);
    EXPECT_EQ("<none>", RegString(kRunKey, "Tallvox")) << "starting with Windows is off by default";

    {
        InstalledTallvox tallvox;
        ASSERT_NE(nullptr, tallvox.Window()) << "the installed program shows its window";
        EXPECT_NE("", probe::ControlText(tallvox.Window(), 1010)) << "boot time line";
        ::PostMessageA(tallvox.Window(), WM_KEYDOWN, VK_ESCAPE, 1);
        EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.Proc().Wait(15000));
    }
    EXPECT_TRUE(Exists(dir + "\\Tallvox.ini")) << "the program's first run wrote its settings";

    // A start-up entry of another copy is not this installation's to remove.
    SetRunValue("C:\\Portable\\Tallvox.exe");
    // Checked the moment the command returns: it has waited for the removal.
    ASSERT_EQ(0u, QuietUninstall());
    EXPECT_FALSE(Exists(dir));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_FALSE(KeyExists(kUninstallKey));
    EXPECT_EQ("C:\\Portable\\Tallvox.exe", RegString(kRunKey, "Tallvox"));
}

TEST_F(Installer, AutorunOptionRegistersTheQuotedInstalledPathAndUninstallRemovesIt) {
    ASSERT_EQ(0u, RunSetup("/S /AUTORUN=1"));
    EXPECT_EQ("\"" + InstalledProgram() + "\"", RegString(kRunKey, "Tallvox"));
    ASSERT_EQ(0u, QuietUninstall());
    EXPECT_EQ("<none>", RegString(kRunKey, "Tallvox"));
    EXPECT_FALSE(Exists(InstallDir()));
}

TEST_F(Installer, InstallAndUninstallCloseARunningTallvoxCleanly) {
    ASSERT_EQ(0u, RunSetup("/S"));
    {
        InstalledTallvox tallvox;
        ASSERT_NE(nullptr, tallvox.Window());
        ASSERT_EQ(0u, RunSetup("/S"));
        // Closed through its window, as by its close box, not killed.
        EXPECT_EQ(static_cast<DWORD>(IDCANCEL), tallvox.Proc().Wait(5000));
    }
    EXPECT_EQ(TALLVOX_VERSION_STRING, FileVersion(InstalledProgram()));
    EXPECT_TRUE(Exists(InstallDir() + "\\Tallvox.ini")) << "settings survive an update";

    InstalledTallvox tallvox;
    ASSERT_NE(nullptr, tallvox.Window());
    ASSERT_EQ(0u, QuietUninstall());
    EXPECT_EQ(static_cast<DWORD>(IDCANCEL), tallvox.Proc().Wait(5000));
    EXPECT_FALSE(Exists(InstallDir()));
}

// While its save dialog is open, Tallvox cannot end; a silent install or
// uninstall then stops with exit code 2 before it changes anything.
TEST_F(Installer, InstallAndUninstallStopUntouchedWhenTallvoxDoesNotClose) {
    ASSERT_EQ(0u, RunSetup("/S"));
    const std::string readme = InstallDir() + "\\README.txt";
    ASSERT_TRUE(::DeleteFileA(readme.c_str()));
    InstalledTallvox tallvox;
    ASSERT_NE(nullptr, tallvox.Window());
    ::PostMessageA(tallvox.Window(), WM_KEYDOWN, VK_SPACE, 1);  // the report's save dialog
    HWND save = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (save = OtherDialogOf(tallvox.Proc().Id(), tallvox.Window())) != nullptr; },
                          10000));

    EXPECT_EQ(2u, RunSetup("/S"));
    EXPECT_FALSE(Exists(readme)) << "no file was written";
    EXPECT_EQ(2u, QuietUninstall());
    EXPECT_TRUE(Exists(InstalledProgram())) << "no file was removed";
    EXPECT_TRUE(Exists(Shortcut()));
    EXPECT_TRUE(KeyExists(kUninstallKey));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), tallvox.Proc().Wait(0));

    Press(save, IDCANCEL);
    EXPECT_NE(static_cast<DWORD>(STILL_ACTIVE), tallvox.Proc().Wait(10000));
}

TEST_F(Installer, InteractiveUninstallAsksBeforeDeletingTheSettings) {
    ASSERT_EQ(0u, RunSetup("/S"));
    const std::string ini = InstallDir() + "\\Tallvox.ini";
    {
        FILE* file = std::fopen(ini.c_str(), "wb");
        ASSERT_NE(nullptr, file);
        std::fputs("[Tallvox]\r\nSkin=3\r\n", file);
        std::fclose(file);
    }
    Process uninstall("\"" + InstallDir() + "\\uninstall.exe\"");
    ASSERT_TRUE(uninstall.Started());

    const std::string caption = "Tallvox " TALLVOX_VERSION_STRING " Uninstall";
    HWND wizard = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (wizard = FindDialog(caption)) != nullptr; }, 20000));
    Press(wizard, IDOK);  // "Uninstall" on the confirmation page

    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (question = FindDialog("", "Delete your Tallvox settings too (Tallvox.ini)?")) != nullptr; },
        20000));
    Press(question, IDNO);

    ASSERT_TRUE(WaitUntil([&] { return !Exists(InstallDir() + "\\uninstall.dat"); }, 20000));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(::GetDlgItem(wizard, IDOK)) != FALSE; }, 20000));
    Press(wizard, IDOK);  // "Close"
    EXPECT_EQ(0u, uninstall.Wait(20000));

    EXPECT_TRUE(Exists(ini)) << "kept, as answered";
    EXPECT_FALSE(Exists(InstallDir() + "\\uninstall.exe"));
    EXPECT_FALSE(Exists(InstallDir() + "\\Tallvox.exe"));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_FALSE(KeyExists(kUninstallKey));
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tallvox_installer_tests <setup.exe>\n");
        return 2;
    }
    g_setup = probe::WindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
