// Programs and DLLs of the Windows system folder, reached by their full path:
// a file of the same name beside the program, in the current folder or on the
// PATH is never taken instead.
#pragma once
#include <windows.h>

#include <string>

// "<system folder>\<fileName>"; empty when the folder cannot be read.
std::string SystemFolderPath(const char* fileName);

// Loads a DLL from the system folder only; null when it is not there.
HMODULE LoadSystemLibrary(const char* fileName);

// From now on DLLs loaded by name, by this program or by the system's DLLs
// on its behalf, come from the system folder only, never from the program's
// folder or the current one. Does nothing where the system lacks the call
// (Windows 7 without its 2011 loader update).
void LoadDllsFromSystemFolderOnly();

// An entry point of a loaded DLL as the function type it has; null when the
// module or the name is missing.
template <class Function>
Function ProcAddress(HMODULE module, const char* name) {
    const FARPROC proc = module ? ::GetProcAddress(module, name) : nullptr;
    // Through a plain function pointer type: FARPROC's own signature is unrelated.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

// A program to start: the file to run, and its command line (the program's
// quoted path followed by the arguments).
struct SystemCommand {
    std::string program;
    std::string commandLine;
};

// The system folder's program `fileName` with `arguments`; an empty program
// when the folder cannot be read.
SystemCommand SystemProgramCommand(const char* fileName, const std::string& arguments);

// Starts the command's program by its path, searching nowhere, with the
// program's folder as its current folder; false when it could not be
// started. The new process is not waited for.
bool StartSystemCommand(const SystemCommand& command, int showCommand);
