// One run of the real Tallvox.exe in a scratch folder of its own, watched
// from this process. The program and the test folder come from the command
// line (see main in TallvoxProcess.cpp).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class TallvoxProcess {
public:
    // Copies Tallvox.exe (under `exeName`) into a fresh folder `scratchName`
    // below the test's scratch root; `iniText`, when given, is written as the
    // settings file first.
    explicit TallvoxProcess(const std::string& scratchName, const std::string& exeName = "Tallvox.exe");
    ~TallvoxProcess();
    TallvoxProcess(const TallvoxProcess&) = delete;
    TallvoxProcess& operator=(const TallvoxProcess&) = delete;

    const std::string& Folder() const { return m_folder; }
    void WriteFile(const std::string& name, const std::string& text) const;
    std::string ReadFile(const std::string& name) const;
    bool FileExists(const std::string& name) const;
    // The names of the files and folders in the folder, sorted.
    std::vector<std::string> FileNames() const;

    // Starts the program with `arguments` and waits for its main window.
    bool Start(const std::string& arguments = std::string());
    HWND Window() const { return m_window; }
    std::string Line(int id) const;

    // Waits for the process to end; its exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(DWORD milliseconds);
    // Presses Escape in the main window and waits for the end: IDOK expected.
    DWORD EndWithEscape();
    bool Running() const;

    // Polls `condition` every 50 ms until it holds or `milliseconds` pass.
    template <class Condition>
    static bool WaitUntil(Condition condition, DWORD milliseconds) {
        const ULONGLONG end = ::GetTickCount64() + milliseconds;
        for (;;) {
            if (condition()) return true;
            if (::GetTickCount64() >= end) return false;
            ::Sleep(50);
        }
    }

    // The DPI the display of this test run has (LOGPIXELSY); the program's
    // sizes are its 96-DPI sizes scaled by it.
    static int SessionDpi();

    static std::string ProgramPath();
    static std::string ScratchRoot();
    // The committed artwork (res/art), to compare the clock's face with.
    static std::string ArtFolder();

private:
    std::string m_folder;
    std::string m_exe;
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};
