// Planted by tests under the name of a system program beside the program
// under test. If it is ever started, it leaves "<its own path>.ran" holding
// its command line, for the test to find.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    const std::string marker = std::string(path) + ".ran";
    const HANDLE file = ::CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const char* commandLine = ::GetCommandLineA();
    DWORD written = 0;
    ::WriteFile(file, commandLine, static_cast<DWORD>(lstrlenA(commandLine)), &written, nullptr);
    ::CloseHandle(file);
    return 0;
}
