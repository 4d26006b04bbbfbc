// uninstall.exe: what the uninstall entry, "Apps & features" and scripts run.
// The uninstaller itself (NSIS, uninstall.dat beside this program) would copy
// itself to the temporary folder and return at once, and run in place it
// keeps its own file open. This program runs a copy of it from the temporary
// folder, waits for it and returns its exit code; then it takes itself out of
// the folder (a running program can't be deleted, but it can be moved). So
// whoever starts it finds Tallvox removed when it returns.
// Wide-character calls: the folder lies in the user's profile, whose name
// need not fit the ANSI code page.
#include <windows.h>

#include <memory>
#include <string>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// The exit code when the uninstaller can't be run or this program can't be
// moved; the uninstaller's own codes are 0 to 3 (installer/Tallvox.nsi).
constexpr DWORD kNotRemoved = 3;

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

// Ends with a backslash.
std::wstring TempFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, folder);
    return folder;
}

// The command line without this program's name.
std::wstring Arguments() {
    const wchar_t* p = ::GetCommandLineW();
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

DWORD RunAndWait(const std::wstring& program, std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
        return kNotRemoved;
    const Handle process(info.hProcess), thread(info.hThread);
    ::WaitForSingleObject(process.get(), INFINITE);
    DWORD code = kNotRemoved;
    ::GetExitCodeProcess(process.get(), &code);
    return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::wstring self = ModulePath();
    const std::wstring folder = self.substr(0, self.rfind(L'\\'));
    const std::wstring temp = TempFolder();
    wchar_t id[16] = {};
    ::wsprintfW(id, L"%lu", ::GetCurrentProcessId());
    const std::wstring name = temp + L"Tallvox-uninstall-" + id;
    // Not the program folder: a process's current folder can't be removed.
    ::SetCurrentDirectoryW(temp.c_str());

    const std::wstring copy = name + L".exe";
    if (!::CopyFileW((folder + L"\\uninstall.dat").c_str(), copy.c_str(), FALSE)) return kNotRemoved;
    // "_?=" runs the copy as it is, for this folder, without copying itself again.
    const DWORD code = RunAndWait(copy, L"\"" + copy + L"\" " + Arguments() + L" _?=" + folder);
    ::DeleteFileW(copy.c_str());
    if (code != 0) return static_cast<int>(code);

    // Everything else is gone, the uninstaller's file too; the folder stays
    // only when the settings were kept.
    if (!::MoveFileExW(self.c_str(), (name + L"-done.exe").c_str(), MOVEFILE_REPLACE_EXISTING)) return kNotRemoved;
    ::RemoveDirectoryW(folder.c_str());
    return 0;
}
