// Asks Windows Management Instrumentation when the operating system was
// installed (Win32_OperatingSystem.InstallDate, a CIM datetime text).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

// The InstallDate text, or false when any step of the query fails. Runs on a
// thread whose COM apartment is already initialised; may take many seconds
// (the first WMI calls after boot), or never return.
bool QueryInstallDate(std::string* cimText);

// A query as the worker below runs it; tests put slow or failing ones in.
using InstallDateQuery = std::function<bool(std::string* cimText)>;

// What a query found.
struct InstallDateAnswer {
    bool ok = false;
    std::string cimText;
};

// Runs the query on a thread of its own (a single-threaded COM apartment),
// so that no window waits for it, and posts the answer to the window that
// asked: the message carries an InstallDateAnswer in its lParam, whose
// ownership passes to the receiver through Receive.
//
// The thread is never waited for: a query that never answers keeps only its
// own thread, which ends with the process. Once the worker is cancelled or
// destroyed nothing more is posted, and an answer posted but not yet received
// is freed here; the message left in the queue is then ignored by Receive.
class CInstallDateWorker {
public:
    CInstallDateWorker();
    ~CInstallDateWorker();
    CInstallDateWorker(const CInstallDateWorker&) = delete;
    CInstallDateWorker& operator=(const CInstallDateWorker&) = delete;

    // Starts one query; false when the thread could not be started (nothing
    // will be posted then).
    bool Start(HWND window, UINT message, InstallDateQuery query);
    // The answer a received message carries, now the caller's; null for a
    // message this worker did not post or whose answer it already freed.
    std::unique_ptr<InstallDateAnswer> Receive(LPARAM lParam);
    void Cancel();

private:
    struct Mailbox;
    struct QueryJob;
    static UINT QueryThreadProc(LPVOID job);

    std::shared_ptr<Mailbox> m_mailbox;
};
