#include "app/UpdateCheck.h"

#include <shellapi.h>
#include <wininet.h>

#include "framework/InternetSession.h"
#include "framework/Thread.h"
#include "framework/WinApp.h"
#include "TallvoxVersion.h"

const char kOwnVersion[] = TALLVOX_VERSION_STRING;

namespace {

const char kUpdateHost[] = "www.tallvox.org";

}  // namespace

std::string UpdateVersionFileUrl() { return std::string("http://") + kUpdateHost + "/Update_Tallvox.txt"; }

std::string UpdateDownloadPageUrl() { return std::string("http://") + kUpdateHost + "/W4"; }

void StartUpdateCheck() { AfxBeginThread(CheckForUpdate, nullptr); }

UINT CheckForUpdate(LPVOID) {
    if (ProbeUpdateServer(UpdateVersionFileUrl()) && IsNewVersion(UpdateVersionFileUrl(), kOwnVersion)) {
        if (AfxMessageBox("A new version of Tallvox has been detected.\r\nDo you want to download it ?",
                          MB_YESNO | MB_ICONQUESTION) == IDYES)
            ::ShellExecuteA(nullptr, nullptr, UpdateDownloadPageUrl().c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
    }
    return 0;
}

bool ProbeUpdateServer(const std::string& url) {
    CInternetHandle internet(::InternetOpenA("Tallvox", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) return false;
    CInternetHandle file(::InternetOpenUrlA(internet.Get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 777));
    DWORD available = 0;
    return file && ::InternetQueryDataAvailable(file.Get(), &available, 0, 0);
}

bool IsNewVersion(const std::string& url, const std::string& ownVersion) {
    CInternetSession session;
    std::unique_ptr<CInternetFile> file = session.OpenURL(url, 1, INTERNET_FLAG_TRANSFER_ASCII);
    if (!file) return false;
    // An error page (a missing file, a portal's login page) names no version.
    if (file->StatusCode() != HTTP_STATUS_OK) return false;
    std::string line;
    file->ReadString(line);
    file->Close();
    return line != ownVersion;
}
