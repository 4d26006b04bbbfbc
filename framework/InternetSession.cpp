#include "framework/InternetSession.h"

#include "framework/WinApp.h"

CInternetSession::CInternetSession(const char* agent, DWORD accessType, const char* proxy, const char* proxyBypass,
                                   DWORD flags)
    : m_session(::InternetOpenA(agent ? agent : AfxGetAppName().c_str(), accessType, proxy, proxyBypass, flags)) {}

bool CInternetSession::SetOption(DWORD option, DWORD value) {
    return m_session && ::InternetSetOptionA(m_session.Get(), option, &value, sizeof value);
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
    if (!::InternetCrackUrlA(url.c_str(), 0, 0, &parts) || host[0] == '\0') return nullptr;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS)
        flags |= INTERNET_FLAG_SECURE;
    else if (parts.nScheme != INTERNET_SCHEME_HTTP)
        return nullptr;

    CInternetHandle connection(
        ::InternetConnectA(m_session.Get(), host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, context));
    if (!connection) return nullptr;
    const std::string object = std::string(path[0] ? path : "/") + extra;
    CInternetHandle request(
        ::HttpOpenRequestA(connection.Get(), "GET", object.c_str(), nullptr, nullptr, nullptr, flags, context));
    if (!request) return nullptr;
    return std::make_unique<CHttpFile>(std::move(connection), std::move(request));
}

bool CHttpFile::SetOption(DWORD option, DWORD value) {
    return m_request && ::InternetSetOptionA(m_request.Get(), option, &value, sizeof value);
}

bool CHttpFile::SendRequest() { return m_request && ::HttpSendRequestA(m_request.Get(), nullptr, 0, nullptr, 0); }

DWORD CHttpFile::StatusCode() const {
    DWORD status = 0, size = sizeof status;
    if (!m_request || !::HttpQueryInfoA(m_request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                                        &size, nullptr))
        return 0;
    return status;
}

bool CHttpFile::Read(void* buffer, DWORD count, DWORD& read) {
    read = 0;
    DWORD available = 0;
    // Reading straight away would wait until `count` bytes have come,
    // however slowly; asking first returns as soon as any data is there.
    if (!m_request || !::InternetQueryDataAvailable(m_request.Get(), &available, 0, 0)) return false;
    if (available == 0 || count == 0) return true;
    return ::InternetReadFile(m_request.Get(), buffer, available < count ? available : count, &read) != FALSE;
}
