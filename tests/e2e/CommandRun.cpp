#include "e2e/CommandRun.h"

#include <functional>
#include <thread>

namespace {

// A pipe whose write end the child inherits; the read end is drained on a
// thread of its own, so a full pipe never holds the child up.
class ChildPipe {
public:
    ChildPipe() {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        if (!::CreatePipe(&m_read, &m_write, &inherit, 0)) return;
        ::SetHandleInformation(m_read, HANDLE_FLAG_INHERIT, 0);
    }
    ~ChildPipe() {
        CloseWriteEnd();
        if (m_drain.joinable()) m_drain.join();
        if (m_read) ::CloseHandle(m_read);
    }
    ChildPipe(const ChildPipe&) = delete;
    ChildPipe& operator=(const ChildPipe&) = delete;

    HANDLE WriteEnd() const { return m_write; }
    // Once the child has its copy: ours must go, or the reading never ends.
    void StartDraining() {
        CloseWriteEnd();
        m_drain = std::thread([this] {
            char buffer[4096];
            DWORD got = 0;
            while (::ReadFile(m_read, buffer, sizeof buffer, &got, nullptr) && got > 0) m_text.append(buffer, got);
        });
    }
    std::string Text() {
        if (m_drain.joinable()) m_drain.join();
        return m_text;
    }

private:
    void CloseWriteEnd() {
        if (m_write) ::CloseHandle(m_write);
        m_write = nullptr;
    }

    HANDLE m_read = nullptr;
    HANDLE m_write = nullptr;
    std::thread m_drain;
    std::string m_text;
};

struct WindowSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    search->found = true;
    return FALSE;
}

// Starts the child, lets the pipes start draining, and watches the child
// every few milliseconds until it ends.
void RunAndWatch(const std::string& exe, const std::string& arguments, const std::string& folder, HANDLE out,
                 HANDLE err, const std::function<void()>& started, CommandRun* run) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                          &process))
        return;
    run->started = true;
    started();
    const ULONGLONG end = ::GetTickCount64() + 30000;
    while (::WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT && ::GetTickCount64() < end) {
        WindowSearch search{process.dwProcessId, false};
        ::EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        run->windowSeen = run->windowSeen || search.found;
    }
    if (::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &run->exitCode);
    else
        ::TerminateProcess(process.hProcess, 99);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

}  // namespace

CommandRun RunWithPipes(const std::string& exe, const std::string& arguments, const std::string& folder) {
    CommandRun run;
    ChildPipe out;
    ChildPipe err;
    RunAndWatch(exe, arguments, folder, out.WriteEnd(), err.WriteEnd(),
                [&] {
                    out.StartDraining();
                    err.StartDraining();
                },
                &run);
    run.out = out.Text();
    run.err = err.Text();
    return run;
}

CommandRun RunWithOutput(const std::string& exe, const std::string& arguments, const std::string& folder, HANDLE out) {
    CommandRun run;
    ChildPipe err;
    RunAndWatch(exe, arguments, folder, out, err.WriteEnd(), [&] { err.StartDraining(); }, &run);
    run.err = err.Text();
    return run;
}

DWORD RunCommandLine(const std::string& commandLine, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, folder.c_str(),
                          &startup, &process))
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code;
}
