#include "framework/InternetSession.h"

#include "framework/WinApp.h"

namespace {

// The API when it loaded whole, else none: nothing of a partial one is used.
std::shared_ptr<const WinInetApi> LoadWinInet() {
    auto api = std::make_shared<const WinInetApi>();
    return api->Loaded() ? api : nullptr;
}

}  // namespace

CInternetSession::CInternetSession(const char* agent, DWORD accessType, const char* proxy, const char* proxyBypass,
                                   DWORD flags)
    : m_api(LoadWinInet()) {
    if (m_api)
        m_session = m_api->Own(
            m_api->Open(agent ? agent : AfxGetAppName().c_str(), accessType, proxy, proxyBypass, flags));
}

bool CInternetSession::SetOption(DWORD option, DWORD value) {
    return m_session && m_api->SetOption(m_session.Get(), option, &value, sizeof value);
}

std::unique_ptr<CHttpFile> CInternetSession::OpenHttpRequest(const std::string& url, DWORD flags,
                                                             DWORD_PTR context) {
    if (!m_session) return nullptr;
    char host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = {};
    char path[INTERNET_MAX_PATH_LENGTH + 1] = {};
    char extra[INTERNET_MAX_PATH_LENGTH + 1] = {};
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof path;
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = sizeof extra;
    if (!m_api->CrackUrl(url.c_str(), 0, 0, &parts) || host[0] == '\0') return nullptr;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS)
        flags |= INTERNET_FLAG_SECURE;
    else if (parts.nScheme != INTERNET_SCHEME_HTTP)
        return nullptr;

    CInternetHandle connection = m_api->Own(
        m_api->Connect(m_session.Get(), host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, context));
    if (!connection) return nullptr;
    const std::string object = std::string(path[0] ? path : "/") + extra;
    CInternetHandle request = m_api->Own(
        m_api->OpenRequest(connection.Get(), "GET", object.c_str(), nullptr, nullptr, nullptr, flags, context));
    if (!request) return nullptr;
    return std::make_unique<CHttpFile>(m_api, std::move(connection), std::move(request));
}

HINTERNET CHttpFile::Request() const {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_request.Get();
}

void CHttpFile::Close() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_request.Close();
    m_connection.Close();
}

bool CHttpFile::SetOption(DWORD option, DWORD value) {
    const HINTERNET request = Request();
    return request && m_api->SetOption(request, option, &value, sizeof value);
}

bool CHttpFile::SendRequest() {
    const HINTERNET request = Request();
    return request && m_api->SendRequest(request, nullptr, 0, nullptr, 0);
}

DWORD CHttpFile::StatusCode() const {
    const HINTERNET request = Request();
    DWORD status = 0, size = sizeof status;
    if (!request ||
        !m_api->QueryInfo(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return 0;
    return status;
}

bool CHttpFile::Read(void* buffer, DWORD count, DWORD& read) {
    read = 0;
    const HINTERNET request = Request();
    DWORD available = 0;
    // Reading straight away would wait until `count` bytes have come,
    // however slowly; asking first returns as soon as any data is there.
    if (!request || !m_api->QueryDataAvailable(request, &available, 0, 0)) return false;
    if (available == 0 || count == 0) return true;
    return m_api->ReadFile(request, buffer, available < count ? available : count, &read) != FALSE;
}
