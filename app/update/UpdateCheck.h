// Once per run, in the background: is there a newer Tallvox than this one?
#pragma once
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

#include "app/update/UpdateServer.h"
#include "framework/WorkerThread.h"

extern const char kOwnVersion[];

// Time limits of one check, in milliseconds. WinINet applies its receive
// limit to each wait for data, not to the whole answer, so the body of the
// answer is also given `receive` in all before the check gives up. Some
// waits no WinINet limit covers (a TLS handshake the server never answers):
// the check ends after `whole` whatever WinINet does.
struct UpdateTimeLimits {
    DWORD connect = 15000;
    DWORD receive = 15000;
    DWORD whole = 15000;
};

// A version file is one short line; a longer answer is something else (a
// portal's page, a download) and is not read to its end.
constexpr std::size_t kMaxVersionFileBytes = 512;

// Downloads the version file once, bypassing every cache: true with its bytes
// when the server answered 200 with at most kMaxVersionFileBytes of them
// within the time limits. Returns within `whole`; a download WinINet still
// holds then is closed and let go.
bool FetchVersionFile(const std::string& url, const UpdateTimeLimits& limits, std::string& answer);

// True when the version file at `url` names a version strictly newer than
// `ownVersion`; an answer that names no version is never newer.
bool IsNewVersion(const std::string& url, const std::string& ownVersion, const UpdateTimeLimits& limits = {});

// The check on a worker thread of its own, started by the main window. The
// worker offers the download page when the server names a newer version. It
// gets all it needs when started and never touches the application object or
// a window of the program; once this object is gone (the program is ending)
// it asks nothing and opens nothing. Nobody waits for it.
class CUpdateCheck {
public:
    explicit CUpdateCheck(std::string versionFileUrl = kUpdateVersionFileUrl, UpdateTimeLimits limits = {});
    ~CUpdateCheck();
    CUpdateCheck(const CUpdateCheck&) = delete;
    CUpdateCheck& operator=(const CUpdateCheck&) = delete;

    // Starts the worker (once) and returns at once; false if it did not start.
    bool Start();
    // From now on the worker asks nothing and opens nothing: the program is
    // ending. The destructor does this too.
    void Abandon();
    // True once the worker has ended.
    bool Finished() const;

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
    // Never waited for at exit: a server that keeps the check busy must not
    // keep the program open.
    CBackgroundJob<bool> m_job{0};
    bool m_bStarted = false;
};
