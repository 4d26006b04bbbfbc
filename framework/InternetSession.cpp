#include "framework/InternetSession.h"

#include "framework/WinApp.h"

CInternetSession::CInternetSession(const char* agent, DWORD accessType, const char* proxy, const char* proxyBypass,
                                   DWORD flags)
    : m_session(::InternetOpenA(agent ? agent : AfxGetAppName().c_str(), accessType, proxy, proxyBypass, flags)) {}

std::unique_ptr<CInternetFile> CInternetSession::OpenURL(const std::string& url, DWORD_PTR context, DWORD flags,
                                                         const char* headers) {
    if (!m_session) return nullptr;
    HINTERNET file = ::InternetOpenUrlA(m_session.Get(), url.c_str(), headers, headers ? static_cast<DWORD>(-1) : 0,
                                        flags, context);
    if (!file) return nullptr;
    return std::make_unique<CInternetFile>(file);
}

bool CInternetFile::ReadString(std::string& line) {
    line.clear();
    bool any = false;
    char c;
    DWORD read = 0;
    while (line.size() < kMaxLine && m_url && ::InternetReadFile(m_url.Get(), &c, 1, &read) && read == 1) {
        any = true;
        if (c == '\n') return true;
        line += c;
    }
    return any;
}

DWORD CInternetFile::StatusCode() const {
    DWORD status = 0, size = sizeof status;
    if (!m_url || !::HttpQueryInfoA(m_url.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                                    nullptr))
        return 0;
    return status;
}
