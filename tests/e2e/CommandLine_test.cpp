// Tallvox.exe answering scripts: --report and --json through a pipe, to a
// file and into the console of the process that started it; the pending
// restart and the history; the usage and its exit code; and nothing else
// happening meanwhile: no window, no taskbar change, no settings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "e2e/CommandRun.h"
#include "e2e/MiniJson.h"
#include "e2e/TallvoxProcess.h"
#include "e2e/TaskbarStandIn.h"
#include "framework/Handles.h"

namespace {

const char* const kKeys[] = {"version",   "uptime_seconds",  "awake_seconds",   "boot_time",      "install_date",
                             "original_install_date", "last_start", "last_start_kind", "install_elapsed",
                             "restart_pending", "restart_pending_reasons"};
const char kUsage[] = "Usage: Tallvox.exe [--report | --json | --history [--json] | --help]\r\n";

std::string Exe(const TallvoxProcess& folder) { return folder.Folder() + "\\Tallvox.exe"; }

std::vector<std::string> CrLfPieces(const std::string& text) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        pieces.push_back(text.substr(start, end - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Seconds since 1970 UTC of "YYYY-MM-DDTHH:MM:SS+hh:mm", or -1 when the text
// is not of that form. The calendar arithmetic is the system's.
long long IsoToUtcSeconds(const std::string& iso) {
    static const char kShape[] = "dddd-dd-ddTdd:dd:dd+dd:dd";
    if (iso.size() != sizeof kShape - 1) return -1;
    for (size_t i = 0; i < iso.size(); ++i) {
        const char want = kShape[i];
        const bool ok = want == 'd' ? (iso[i] >= '0' && iso[i] <= '9')
                                    : want == '+' ? (iso[i] == '+' || iso[i] == '-') : iso[i] == want;
        if (!ok) return -1;
    }
    auto number = [&](size_t at, size_t length) { return static_cast<WORD>(std::stoi(iso.substr(at, length))); };
    SYSTEMTIME fields{};
    fields.wYear = number(0, 4);
    fields.wMonth = number(5, 2);
    fields.wDay = number(8, 2);
    fields.wHour = number(11, 2);
    fields.wMinute = number(14, 2);
    fields.wSecond = number(17, 2);
    FILETIME file{};
    if (!::SystemTimeToFileTime(&fields, &file)) return -1;
    const unsigned long long ticks = (static_cast<unsigned long long>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
    const long long asIfUtc = static_cast<long long>(ticks / 10000000ULL) - 11644473600LL;
    const long long offset = (number(20, 2) * 60 + number(23, 2)) * 60LL;
    return iso[19] == '-' ? asIfUtc + offset : asIfUtc - offset;
}

bool IsIso(const JsonMember* member) {
    return member && member->kind == JsonMember::Kind::String && IsoToUtcSeconds(member->text) >= 0;
}

// Checks one --json answer: valid JSON, exactly the keys in order, each of
// its kind.
void ExpectFactsObject(const std::string& text) {
    const JsonObjectReading json = ReadFlatJsonObject(text);
    ASSERT_TRUE(json.valid) << json.error << "\n" << text;
    std::vector<std::string> keys;
    for (const JsonMember& m : json.members) keys.push_back(m.key);
    EXPECT_EQ(std::vector<std::string>(std::begin(kKeys), std::end(kKeys)), keys);

    const JsonMember* version = json.Find("version");
    ASSERT_TRUE(version && version->kind == JsonMember::Kind::String);
    EXPECT_NE(std::string::npos, version->text.find('.')) << version->text;
    const JsonMember* uptime = json.Find("uptime_seconds");
    const JsonMember* awake = json.Find("awake_seconds");
    ASSERT_TRUE(uptime && uptime->kind == JsonMember::Kind::Number && AllDigits(uptime->text)) << text;
    ASSERT_TRUE(awake && awake->kind == JsonMember::Kind::Number && AllDigits(awake->text)) << text;
    EXPECT_LE(std::stoll(awake->text), std::stoll(uptime->text) + 1);
    EXPECT_TRUE(IsIso(json.Find("boot_time"))) << text;
    EXPECT_TRUE(IsIso(json.Find("install_date"))) << text;
    EXPECT_TRUE(IsIso(json.Find("original_install_date"))) << text;

    // The last start and its kind are told together or not at all.
    const JsonMember* lastStart = json.Find("last_start");
    const JsonMember* kind = json.Find("last_start_kind");
    ASSERT_TRUE(lastStart && kind);
    if (lastStart->kind == JsonMember::Kind::Null) {
        EXPECT_EQ(JsonMember::Kind::Null, kind->kind);
    } else {
        EXPECT_TRUE(IsIso(lastStart)) << text;
        const std::set<std::string> kinds = {"full boot", "fast startup", "resume from hibernation"};
        EXPECT_EQ(1u, kinds.count(kind->text)) << kind->text;
    }

    const JsonMember* elapsed = json.Find("install_elapsed");
    ASSERT_TRUE(elapsed && elapsed->kind == JsonMember::Kind::String);
    EXPECT_NE(std::string::npos, elapsed->text.find(" months ")) << elapsed->text;
    EXPECT_EQ(std::string::npos, elapsed->text.find("Installation")) << "no label: " << elapsed->text;

    const JsonMember* pending = json.Find("restart_pending");
    const JsonMember* reasons = json.Find("restart_pending_reasons");
    ASSERT_TRUE(pending && reasons && reasons->kind == JsonMember::Kind::Array) << text;
    EXPECT_EQ(reasons->strings.empty() ? JsonMember::Kind::False : JsonMember::Kind::True, pending->kind) << text;
}

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") names.insert(name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return names;
}

HANDLE CreateInheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

// Earlier installations written into the test prefix's registry for one test,
// and removed again with the setup key if the test made it.
class ScratchSourceOsKeys {
public:
    ScratchSourceOsKeys() {
        DWORD disposition = 0;
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSetup, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr,
                          &m_setup, &disposition);
        m_setupMade = disposition == REG_CREATED_NEW_KEY;
    }
    ~ScratchSourceOsKeys() {
        if (!m_setup) return;
        for (const std::string& name : m_made) ::RegDeleteTreeA(m_setup, name.c_str());
        ::RegCloseKey(m_setup);
        if (m_setupMade) ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kSetup, KEY_WOW64_64KEY, 0);
    }
    ScratchSourceOsKeys(const ScratchSourceOsKeys&) = delete;
    ScratchSourceOsKeys& operator=(const ScratchSourceOsKeys&) = delete;

    bool Ready() const { return m_setup != nullptr; }

    // A key with InstallDate of `type` holding `data` (no value when empty).
    bool Add(const std::string& name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        if (::RegCreateKeyExA(m_setup, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        m_made.push_back(name);
        const bool ok = size == 0 || ::RegSetValueExA(key, "InstallDate", 0, type, static_cast<const BYTE*>(data),
                                                      size) == ERROR_SUCCESS;
        ::RegCloseKey(key);
        return ok;
    }
    bool AddDate(const std::string& name, DWORD seconds) { return Add(name, REG_DWORD, &seconds, sizeof seconds); }

private:
    static constexpr const char* kSetup = "SYSTEM\\Setup";
    HKEY m_setup = nullptr;
    bool m_setupMade = false;
    std::vector<std::string> m_made;
};

// One sign of a pending restart planted in the test prefix's HKLM for one
// test (none for an empty path): a key made, with the parents it lacked, and
// when named a value set in it; undone on the way out, a value that was there
// put back.
class PlantedRestartSign {
public:
    PlantedRestartSign(const std::string& path, const char* name, DWORD type, const std::string& data)
        : m_name(name ? name : "") {
        if (path.empty()) return;
        for (size_t end = 0; end != std::string::npos && m_made.empty();) {
            end = path.find('\\', end + 1);
            HKEY existing = nullptr;
            if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.substr(0, end).c_str(), 0, KEY_READ, &existing) != 0)
                m_made = path.substr(0, end);
            else
                ::RegCloseKey(existing);
        }
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
        if (!m_key || !name) return;
        DWORD size = 0;
        m_hadValue = ::RegQueryValueExA(m_key, name, nullptr, &m_oldType, nullptr, &size) == ERROR_SUCCESS;
        m_old.resize(size);
        ::RegQueryValueExA(m_key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&m_old[0]), &size);
        m_set = ::RegSetValueExA(m_key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }
    ~PlantedRestartSign() {
        if (m_hadValue)
            ::RegSetValueExA(m_key, m_name.c_str(), 0, m_oldType, reinterpret_cast<const BYTE*>(m_old.data()),
                             static_cast<DWORD>(m_old.size()));
        else if (m_set)
            ::RegDeleteValueA(m_key, m_name.c_str());
        if (m_key) ::RegCloseKey(m_key);
        if (!m_made.empty()) ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_made.c_str());
    }
    PlantedRestartSign(const PlantedRestartSign&) = delete;
    PlantedRestartSign& operator=(const PlantedRestartSign&) = delete;

    bool Ready(const std::string& path) const { return path.empty() || (m_key && (m_name.empty() || m_set)); }

private:
    std::string m_name;
    std::string m_made;  // the outermost key made here, removed with all below it
    HKEY m_key = nullptr;
    bool m_set = false;
    bool m_hadValue = false;
    DWORD m_oldType = 0;
    std::string m_old;
};

// The current installation's InstallDate in the test prefix, or 0.
DWORD CurrentInstallDate() {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "InstallDate",
                       RRF_RT_REG_DWORD, &type, &value, &size) != ERROR_SUCCESS)
        return 0;
    return value;
}

}  // namespace

TEST(CommandLine, JsonReachesAPipeAFileAndTheShellsRedirection) {
    TaskbarStandIn taskbar;
    const int requestsBefore = taskbar.LayoutRequests();
    TallvoxProcess folder("cli-json");

    const CommandRun piped = RunWithPipes(Exe(folder), "--json", folder.Folder());
    ASSERT_TRUE(piped.started);
    EXPECT_EQ(0u, piped.exitCode);
    EXPECT_EQ("", piped.err);
    EXPECT_FALSE(piped.windowSeen);
    ExpectFactsObject(piped.out);

    HANDLE file = CreateInheritableFile(folder.Folder() + "\\facts.json");
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    const CommandRun toFile = RunWithOutput(Exe(folder), "--json", folder.Folder(), file);
    ::CloseHandle(file);
    EXPECT_EQ(0u, toFile.exitCode);
    EXPECT_FALSE(toFile.windowSeen);
    ExpectFactsObject(folder.ReadFile("facts.json"));

    // The command shell's own redirection hands the file to the program.
    EXPECT_EQ(0u, RunCommandLine("cmd.exe /c Tallvox.exe --json > shell.json", folder.Folder()));
    ExpectFactsObject(folder.ReadFile("shell.json"));

    // No settings file, no help file: nothing but what was asked for.
    EXPECT_EQ((std::set<std::string>{"Tallvox.exe", "facts.json", "shell.json"}), FilesIn(folder.Folder()));
    EXPECT_TRUE(::IsWindowVisible(taskbar.Clock())) << "the taskbar clock stays";
    EXPECT_EQ(requestsBefore, taskbar.LayoutRequests()) << "the taskbar is not asked to lay out again";
}

TEST(CommandLine, ReportReachesAPipeAsTheSavedReportHasIt) {
    TallvoxProcess folder("cli-report");
    const CommandRun run = RunWithPipes(Exe(folder), "--report", folder.Folder());
    ASSERT_TRUE(run.started);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("", run.err);
    EXPECT_FALSE(run.windowSeen);

    const std::vector<std::string> lines = CrLfPieces(run.out);
    ASSERT_EQ(9u, lines.size()) << run.out;
    EXPECT_EQ(0u, lines[0].rfind(" - Uptime : ", 0)) << lines[0];
    EXPECT_EQ(0u, lines[1].rfind(" - Boot Time : ", 0)) << lines[1];
    EXPECT_EQ(0u, lines[2].rfind(" - OS Installation Date: ", 0)) << lines[2];
    EXPECT_EQ(0u, lines[3].rfind(" - OS Installation Time: ", 0)) << lines[3];
    EXPECT_EQ(std::string(96, '-'), lines[4]);
    EXPECT_EQ(0u, lines[5].rfind(" - Report generated by \"", 0)) << lines[5];
    EXPECT_EQ(0u, lines[6].rfind(" - Report date-time: ", 0)) << lines[6];
    EXPECT_EQ("", lines[7]);
    EXPECT_EQ("", lines[8]);

    // The same installation moment in both forms: "MM-DD-YYYY  @ HH:MM:SS"
    // in the report, "YYYY-MM-DDTHH:MM:SS+hh:mm" in the JSON.
    const JsonObjectReading json = ReadFlatJsonObject(RunWithPipes(Exe(folder), "--json", folder.Folder()).out);
    const JsonMember* install = json.Find("install_date");
    ASSERT_TRUE(IsIso(install));
    const std::string& iso = install->text;
    const std::string asReported = iso.substr(5, 2) + "-" + iso.substr(8, 2) + "-" + iso.substr(0, 4) + "  @ " +
                                   iso.substr(11, 8);
    EXPECT_EQ(" - OS Installation Date: " + asReported, lines[2]);
    EXPECT_EQ((std::set<std::string>{"Tallvox.exe"}), FilesIn(folder.Folder()));
}

TEST(CommandLine, UsageOnErrorWithExitCodeTwoAndOnOutputForHelp) {
    TallvoxProcess folder("cli-usage");
    for (const char* misuse : {"--bogus", "--json --report", "notes.txt /x"}) {
        SCOPED_TRACE(misuse);
        const CommandRun run = RunWithPipes(Exe(folder), misuse, folder.Folder());
        EXPECT_EQ(2u, run.exitCode);
        EXPECT_EQ("", run.out);
        EXPECT_NE(std::string::npos, run.err.find(std::string("\r\n") + kUsage)) << run.err;
        EXPECT_FALSE(run.windowSeen);
    }
    const CommandRun bogus = RunWithPipes(Exe(folder), "--bogus", folder.Folder());
    EXPECT_EQ(0u, bogus.err.rfind("Unknown option: \"--bogus\".\r\n", 0)) << bogus.err;

    const CommandRun help = RunWithPipes(Exe(folder), "--help", folder.Folder());
    EXPECT_EQ(0u, help.exitCode);
    EXPECT_EQ("", help.err);
    EXPECT_EQ(0u, help.out.rfind(kUsage, 0)) << help.out;
    for (const char* option : {"--report", "--json", "--history", "--help"})
        EXPECT_NE(std::string::npos, help.out.find(option));
    EXPECT_EQ((std::set<std::string>{"Tallvox.exe"}), FilesIn(folder.Folder()));
}

TEST(CommandLine, AnAnswerThatDoesNotReachItsOutputIsSaidWithExitCodeOne) {
    TallvoxProcess folder("cli-lost");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const CFileHandle full(::CreateFileA("Z:\\dev\\full", GENERIC_WRITE, 0, &inherit, OPEN_EXISTING, 0, nullptr));
    const CommandRun run = RunWithOutput(Exe(folder), "--json", folder.Folder(), full.Get());
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("Tallvox could not write its output: the disk may be full, or standard output closed.\r\n", run.err);
}

TEST(CommandLine, AnArgumentThatIsNoOptionOpensTheWindow) {
    TallvoxProcess tallvox("cli-bare");
    ASSERT_TRUE(tallvox.Start("notes.txt"));
    EXPECT_EQ(static_cast<DWORD>(IDOK), tallvox.EndWithEscape());
}

TEST(CommandLine, AnExistingSettingsFileIsLeftAsItWas) {
    TallvoxProcess folder("cli-settings");
    const std::string settings = "[Tallvox]\r\nOpacity=50\r\nMax_Wnd=1\r\n";
    folder.WriteFile("Tallvox.ini", settings);
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ASSERT_TRUE(::GetFileAttributesExA((folder.Folder() + "\\Tallvox.ini").c_str(), GetFileExInfoStandard, &before));
    ::Sleep(20);  // a write now would show in the time stamp

    for (const char* option : {"--json", "--report", "--help", "--bogus"})
        EXPECT_FALSE(RunWithPipes(Exe(folder), option, folder.Folder()).windowSeen) << option;

    EXPECT_EQ(settings, folder.ReadFile("Tallvox.ini"));
    WIN32_FILE_ATTRIBUTE_DATA after{};
    ASSERT_TRUE(::GetFileAttributesExA((folder.Folder() + "\\Tallvox.ini").c_str(), GetFileExInfoStandard, &after));
    EXPECT_EQ(0, ::CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime));
    EXPECT_EQ((std::set<std::string>{"Tallvox.exe", "Tallvox.ini"}), FilesIn(folder.Folder()));
}

TEST(CommandLine, WithoutARedirectionTheAnswerGoesToTheConsoleOfTheParent) {
    TallvoxProcess folder("cli-console");
    // A console of our own, as cmd.exe has one, kept out of sight; the
    // standard handles that the console changes are put back afterwards.
    const HANDLE savedHandles[] = {::GetStdHandle(STD_INPUT_HANDLE), ::GetStdHandle(STD_OUTPUT_HANDLE),
                                   ::GetStdHandle(STD_ERROR_HANDLE)};
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole());
    HWND consoleWindow = ::GetConsoleWindow();
    if (consoleWindow) ::ShowWindow(consoleWindow, SW_HIDE);

    const CommandRun run = RunWithOutput(Exe(folder), "--json", folder.Folder(), nullptr);
    std::string screen;
    HANDLE console = ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (console != INVALID_HANDLE_VALUE && ::GetConsoleScreenBufferInfo(console, &info)) {
        for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
            std::string line(static_cast<size_t>(info.dwSize.X), ' ');
            DWORD read = 0;
            ::ReadConsoleOutputCharacterA(console, &line[0], static_cast<DWORD>(line.size()), COORD{0, row}, &read);
            line.erase(line.find_last_not_of(' ') + 1);
            screen += line + "\n";
        }
    }
    if (console != INVALID_HANDLE_VALUE) ::CloseHandle(console);
    ::FreeConsole();
    ::SetStdHandle(STD_INPUT_HANDLE, savedHandles[0]);
    ::SetStdHandle(STD_OUTPUT_HANDLE, savedHandles[1]);
    ::SetStdHandle(STD_ERROR_HANDLE, savedHandles[2]);
    // The console's window goes with the console; wait so later tests see a clear screen.
    TallvoxProcess::WaitUntil([&] { return !consoleWindow || !::IsWindow(consoleWindow); }, 5000);

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_FALSE(run.windowSeen);
    EXPECT_EQ(0u, screen.find("{\n  \"version\": \"")) << screen;
    EXPECT_NE(std::string::npos, screen.find("  \"install_elapsed\": ")) << screen;
    EXPECT_NE(std::string::npos, screen.find("\n}\n")) << screen;
}

TEST(CommandLine, JsonTellsTheOldestOfTheEarlierInstallations) {
    const DWORD kOldest = 1104654600;  // 2 January 2005 08:30 UTC
    {
        ScratchSourceOsKeys keys;
        ASSERT_TRUE(keys.Ready());
        ASSERT_TRUE(keys.AddDate("Source OS (Updated on 3/4/2012 10:00:00)", 1330855200));
        ASSERT_TRUE(keys.AddDate("Source OS (Updated on 1/2/2005 08:30:00)", kOldest));
        const char text[] = "1000000000";  // a number, but not a DWORD
        ASSERT_TRUE(keys.Add("Source OS (Updated on 6/7/2008 09:00:00)", REG_SZ, text, sizeof text));
        ASSERT_TRUE(keys.Add("Source OS (Updated on 7/8/2001 00:00:00)", REG_DWORD, nullptr, 0));
        DWORD older = 900000000;  // 2 July 1998, but not an earlier installation
        ASSERT_TRUE(keys.Add("Other (1998)", REG_DWORD, &older, sizeof older));

        TallvoxProcess folder("cli-original");
        const CommandRun run = RunWithPipes(Exe(folder), "--json", folder.Folder());
        EXPECT_EQ(0u, run.exitCode);
        const JsonObjectReading json = ReadFlatJsonObject(run.out);
        ASSERT_TRUE(json.valid) << json.error;
        const JsonMember* original = json.Find("original_install_date");
        ASSERT_TRUE(IsIso(original)) << run.out;
        const DWORD current = CurrentInstallDate();
        const long long expected = current != 0 && current < kOldest ? current : kOldest;
        EXPECT_EQ(expected, IsoToUtcSeconds(original->text)) << original->text;
    }
    // The scratch keys are gone again.
    HKEY setup = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\Setup\\Source OS (Updated on 1/2/2005 08:30:00)", 0,
                        KEY_READ | KEY_WOW64_64KEY, &setup) == ERROR_SUCCESS) {
        ::RegCloseKey(setup);
        ADD_FAILURE() << "a scratch key was left behind";
    }
}

TEST(CommandLine, EachSignOfAPendingRestartAloneIsTold) {
    const std::string kVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
    const std::string kControl = "SYSTEM\\CurrentControlSet\\Control\\";
    const struct {
        std::string key;  // empty: nothing planted
        const char* value;
        DWORD type;
        std::string data;
        const char* reason;
    } cases[] = {
        {kVersion + "Component Based Servicing\\RebootPending", nullptr, 0, "", "component servicing"},
        {kVersion + "WindowsUpdate\\Auto Update\\RebootRequired", nullptr, 0, "", "Windows Update"},
        {kControl + "Session Manager", "PendingFileRenameOperations", REG_MULTI_SZ,
         std::string("\\??\\C:\\planted.tmp") + std::string(3, '\0'), "file rename"},
        {kControl + "ComputerName\\ComputerName", "ComputerName", REG_SZ, std::string("PLANTED") + '\0',
         "computer rename"},
        {"", nullptr, 0, "", nullptr},
    };
    TallvoxProcess folder("cli-pending");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason ? c.reason : "none");
        const PlantedRestartSign sign(c.key, c.value, c.type, c.data);
        ASSERT_TRUE(sign.Ready(c.key));

        const CommandRun json = RunWithPipes(Exe(folder), "--json", folder.Folder());
        EXPECT_EQ(0u, json.exitCode);
        ExpectFactsObject(json.out);
        const JsonObjectReading reading = ReadFlatJsonObject(json.out);
        const JsonMember* reasons = reading.Find("restart_pending_reasons");
        ASSERT_NE(nullptr, reasons);
        EXPECT_EQ(c.reason ? std::vector<std::string>{c.reason} : std::vector<std::string>{}, reasons->strings);
        // The history tells it too, though the log can't be read here.
        const CommandRun history = RunWithPipes(Exe(folder), "--history", folder.Folder());
        EXPECT_EQ(0u, history.exitCode);
        EXPECT_FALSE(history.windowSeen);
        const std::string pendingLine =
            c.reason ? std::string("Restart pending (") + c.reason + ")" : "No restart is pending.";
        EXPECT_EQ("The System event log could not be read.\r\n" + pendingLine + "\r\n", history.out);
    }
}

// Wine has no System log to read: the history says so and counts nothing.
TEST(CommandLine, HistoryAsJsonWhereTheLogCantBeRead) {
    TallvoxProcess folder("cli-history");
    const CommandRun run = RunWithPipes(Exe(folder), "--history --json", folder.Folder());
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("", run.err);
    EXPECT_FALSE(run.windowSeen);
    EXPECT_EQ("{\r\n  \"readable\": false,\r\n  \"since\": null,\r\n  \"events\": [],\r\n  \"summary\": {\r\n"
              "    \"starts\": 0,\r\n    \"planned_stops\": 0,\r\n    \"unexpected_stops\": 0,\r\n"
              "    \"crashes\": 0,\r\n    \"seconds_on\": 0,\r\n    \"seconds_asleep\": 0,\r\n"
              "    \"seconds_off\": 0,\r\n    \"availability_percent\": null\r\n  }\r\n}\r\n",
              run.out);
    EXPECT_EQ((std::set<std::string>{"Tallvox.exe"}), FilesIn(folder.Folder()));
}
