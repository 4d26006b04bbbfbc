#include "app/update/UpdateCheck.h"

#include <objbase.h>
#include <shellapi.h>
#include <wininet.h>

#include <atomic>

#include "app/update/UpdateVersion.h"
#include "framework/InternetSession.h"
#include "framework/WinApp.h"
#include "TallvoxVersion.h"

const char kOwnVersion[] = TALLVOX_VERSION_STRING;

// What the main window and the worker share: the worker's own copies of its
// inputs, and the two flags that cross between the threads.
struct CUpdateCheck::Shared {
    std::string versionFileUrl;
    std::string downloadPageUrl;
    std::string caption;
    UpdateTimeLimits limits;
    std::atomic<bool> ending{false};
    std::atomic<bool> finished{false};
};

namespace {

const char kQuestion[] = "A new version of Tallvox has been detected.\r\nDo you want to download it ?";

void RunUpdateCheck(CUpdateCheck::Shared& check) {
    if (IsNewVersion(check.versionFileUrl, kOwnVersion, check.limits) && !check.ending) {
        // Owned by no window: the main window belongs to another thread and
        // may be gone before the user answers. Topmost, so that a main window
        // kept on top does not hide it.
        const int answer =
            ::MessageBoxA(nullptr, kQuestion, check.caption.c_str(), MB_YESNO | MB_ICONQUESTION | MB_TOPMOST);
        if (answer == IDYES && !check.ending) {
            // The shell may hand the address to COM objects of this thread.
            const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
            ::ShellExecuteA(nullptr, nullptr, check.downloadPageUrl.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
            if (SUCCEEDED(com)) ::CoUninitialize();
        }
    }
    check.finished = true;
}

// One download, shared by the thread that waits for it and the worker that
// makes it, which may outlive the wait.
struct VersionDownload {
    CInternetSession session{"Tallvox"};
    std::unique_ptr<CHttpFile> file;  // after the session: closed before it
    bool ok = false;                  // the worker's answer, read once it has ended
    std::string bytes;
};

// Sends the request and reads the answer, within the receive limit in all.
bool ReadVersionFile(CHttpFile& file, const UpdateTimeLimits& limits, std::string& bytes) {
    // An error page (a missing file, a portal's login page) names no version.
    if (!file.SendRequest() || file.StatusCode() != HTTP_STATUS_OK) return false;

    const ULONGLONG deadline = ::GetTickCount64() + limits.receive;
    char buffer[kMaxVersionFileBytes + 1];
    DWORD got = 0;
    while (got < sizeof buffer) {
        DWORD read = 0;
        if (!file.Read(buffer + got, static_cast<DWORD>(sizeof buffer - got), read)) return false;
        if (read == 0) break;  // the end of the answer
        got += read;
        // A server that sends a byte now and then is abandoned all the same.
        if (::GetTickCount64() > deadline) return false;
    }
    if (got > kMaxVersionFileBytes) return false;
    bytes.assign(buffer, got);
    return true;
}

}  // namespace

bool FetchVersionFile(const std::string& url, const UpdateTimeLimits& limits, std::string& answer) {
    answer.clear();
    const auto download = std::make_shared<VersionDownload>();
    // One attempt: each retry would take another connect limit.
    download->session.SetOption(INTERNET_OPTION_CONNECT_RETRIES, 1);
    // Fresh from the server, kept nowhere, and nothing that could ask the
    // user anything or follow the server elsewhere.
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                        INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH | INTERNET_FLAG_NO_UI |
                        INTERNET_FLAG_NO_AUTO_REDIRECT;
    download->file = download->session.OpenHttpRequest(url, flags);
    if (!download->file) return false;
    // On the request itself: Wine's WinINet does not pass a session's
    // limits on to its requests.
    const struct {
        DWORD option, value;
    } limitOptions[] = {
        {INTERNET_OPTION_CONNECT_TIMEOUT, limits.connect},
        {INTERNET_OPTION_SEND_TIMEOUT, limits.receive},
        {INTERNET_OPTION_RECEIVE_TIMEOUT, limits.receive},
    };
    for (const auto& o : limitOptions) {
        download->session.SetOption(o.option, o.value);
        download->file->SetOption(o.option, o.value);
    }

    // The exchange runs on a worker, waited for until the whole limit. Then
    // its request is closed, which makes the call it is blocked in return,
    // and it is not waited for any longer: under Wine a handshake the server
    // never answers holds the call for minutes, closed or not.
    CWorkerThread worker;
    const auto exchange = [download, limits] {
        download->ok = ReadVersionFile(*download->file, limits, download->bytes);
    };
    if (!worker.Start(exchange)) return false;
    if (!worker.Wait(limits.whole)) {
        download->file->Close();
        return false;
    }
    if (!download->ok) return false;
    answer = download->bytes;
    return true;
}

bool IsNewVersion(const std::string& url, const std::string& ownVersion, const UpdateTimeLimits& limits) {
    std::string answer;
    return FetchVersionFile(url, limits, answer) && JudgeVersionFile(answer, ownVersion) == VersionVerdict::Newer;
}

CUpdateCheck::CUpdateCheck(std::string versionFileUrl, UpdateTimeLimits limits) : m_shared(std::make_shared<Shared>()) {
    m_shared->downloadPageUrl = DownloadPageUrl(versionFileUrl);
    m_shared->versionFileUrl = std::move(versionFileUrl);
    m_shared->limits = limits;
}

CUpdateCheck::~CUpdateCheck() { Abandon(); }

void CUpdateCheck::Abandon() { m_shared->ending = true; }

bool CUpdateCheck::Start() {
    if (m_bStarted) return false;
    // Read here, on the window's thread, while the application object is
    // certainly alive.
    m_shared->caption = AfxGetAppName();
    // Nothing to hand to a window: the worker asks the user itself.
    const std::shared_ptr<Shared> shared = m_shared;
    if (!m_job.Start(nullptr, 0, [shared] {
            RunUpdateCheck(*shared);
            return true;
        }))
        return false;
    m_bStarted = true;
    return true;
}

bool CUpdateCheck::Finished() const { return m_shared->finished; }
