#include "framework/SystemFolder.h"

#include "framework/Handles.h"

#include <vector>

// Older SDK headers leave the search flags out when built for Windows 7.
#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

std::string SystemFolderPath(const char* fileName) {
    std::vector<char> folder(MAX_PATH);
    for (;;) {
        const UINT length = ::GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
        if (length == 0) return std::string();
        if (length < folder.size()) return std::string(folder.data(), length) + "\\" + fileName;
        folder.resize(length + 1);  // the size it needs, with the terminator
    }
}

HMODULE LoadSystemLibrary(const char* fileName) {
    HMODULE module = ::LoadLibraryExA(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Systems without the search flags (Windows 7 without its 2011 loader
    // update) refuse them as an invalid parameter: name the full path there.
    if (module || ::GetLastError() != ERROR_INVALID_PARAMETER) return module;
    const std::string path = SystemFolderPath(fileName);
    return path.empty() ? nullptr : ::LoadLibraryA(path.c_str());
}

void LoadDllsFromSystemFolderOnly() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefault = ProcAddress<SetDefaultDllDirectoriesFunction>(::GetModuleHandleA("kernel32.dll"),
                                                                          "SetDefaultDllDirectories");
    if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

SystemCommand SystemProgramCommand(const char* fileName, const std::string& arguments) {
    SystemCommand command;
    command.program = SystemFolderPath(fileName);
    if (!command.program.empty()) command.commandLine = "\"" + command.program + "\" " + arguments;
    return command;
}

bool StartSystemCommand(const SystemCommand& command, int showCommand) {
    if (command.program.empty()) return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    // CreateProcess may write into the command line it is given.
    std::vector<char> commandLine(command.commandLine.begin(), command.commandLine.end());
    commandLine.push_back('\0');
    // It starts in its own folder, so the files it loads by name in turn are
    // not looked for in whatever folder this program was started from.
    const std::string folder = command.program.substr(0, command.program.find_last_of('\\'));
    if (!::CreateProcessA(command.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process))
        return false;
    // Not waited for: the handles are let go at once.
    const CKernelHandle thread(process.hThread), started(process.hProcess);
    return true;
}
