#include "e2e/TallvoxProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tools/probe/Probe.h"

namespace {

std::string g_program;
std::string g_scratchRoot;
std::string g_artFolder;

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolder(path);
            } else {
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

std::string TallvoxProcess::ProgramPath() { return g_program; }

int TallvoxProcess::SessionDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}
std::string TallvoxProcess::ScratchRoot() { return g_scratchRoot; }
std::string TallvoxProcess::ArtFolder() { return g_artFolder; }

TallvoxProcess::TallvoxProcess(const std::string& scratchName, const std::string& exeName)
    : m_folder(g_scratchRoot + "\\" + scratchName), m_exe(m_folder + "\\" + exeName) {
    ::CreateDirectoryA(g_scratchRoot.c_str(), nullptr);
    RemoveFolder(m_folder);
    ::CreateDirectoryA(m_folder.c_str(), nullptr);
    ::CopyFileA(g_program.c_str(), m_exe.c_str(), FALSE);
}

TallvoxProcess::~TallvoxProcess() {
    if (m_process.hProcess) {
        if (Running()) {
            ::TerminateProcess(m_process.hProcess, 99);
            ::WaitForSingleObject(m_process.hProcess, 5000);
        }
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
}

void TallvoxProcess::WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream out(m_folder + "\\" + name, std::ios::binary);
    out << text;
}

std::string TallvoxProcess::ReadFile(const std::string& name) const {
    std::ifstream in(m_folder + "\\" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TallvoxProcess::FileExists(const std::string& name) const {
    return ::GetFileAttributesA((m_folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> TallvoxProcess::FileNames() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((m_folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

bool TallvoxProcess::Start(const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + m_exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    if (!::CreateProcessA(m_exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, m_folder.c_str(),
                          &startup, &m_process))
        return false;
    const DWORD pid = m_process.dwProcessId;
    return WaitUntil([&] { return (m_window = probe::FindMainWindow(pid)) != nullptr && ::IsWindowVisible(m_window); },
                     20000);
}

std::string TallvoxProcess::Line(int id) const { return probe::ControlText(m_window, id); }

DWORD TallvoxProcess::EndWithEscape() {
    ::PostMessageA(m_window, WM_KEYDOWN, VK_ESCAPE, 1);
    return WaitForExit(15000);
}

DWORD TallvoxProcess::WaitForExit(DWORD milliseconds) {
    if (::WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool TallvoxProcess::Running() const {
    return m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

// Arguments: the Tallvox.exe to run, a folder for the scratch folders, and
// the artwork folder. TALLVOX_EXPECT_DPI, when set, is the display DPI the
// run was set up for; a session at another DPI would test the wrong scale.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: tallvox_e2e_tests <Tallvox.exe> <scratch folder> <art folder>\n");
        return 2;
    }
    if (const char* expected = std::getenv("TALLVOX_EXPECT_DPI")) {
        if (*expected && std::atoi(expected) != TallvoxProcess::SessionDpi()) {
            std::fprintf(stderr, "the display is at %d DPI, not the %s DPI this run is for\n",
                         TallvoxProcess::SessionDpi(), expected);
            return 1;
        }
    }
    g_program = probe::WindowsPath(argv[1]);
    g_scratchRoot = probe::WindowsPath(argv[2]);
    g_artFolder = probe::WindowsPath(argv[3]);
    return RUN_ALL_TESTS();
}
