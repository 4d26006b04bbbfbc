// WinINet through two owning objects: a session (InternetOpenA) and a file
// opened from a URL (InternetOpenUrlA) that is read line by line.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <memory>
#include <string>

// An owned WinINet handle, closed with InternetCloseHandle.
class CInternetHandle {
public:
    explicit CInternetHandle(HINTERNET handle = nullptr) : m_handle(handle) {}
    ~CInternetHandle() { Close(); }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;

    HINTERNET Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Close() {
        if (m_handle) ::InternetCloseHandle(m_handle);
        m_handle = nullptr;
    }

private:
    HINTERNET m_handle;
};

class CInternetFile {
public:
    explicit CInternetFile(HINTERNET url) : m_url(url) {}

    // Reads up to the next line feed; the line feed is dropped, a carriage
    // return before it is kept. A line is cut at kMaxLine characters (the
    // rest of it is not read). False at the end of the data.
    static constexpr std::size_t kMaxLine = 1024;
    bool ReadString(std::string& line);
    // The HTTP status of the answer (200 for OK), or 0 when there is none.
    DWORD StatusCode() const;
    void Close() { m_url.Close(); }

private:
    CInternetHandle m_url;
};

class CInternetSession {
public:
    // No agent name means the application's name.
    explicit CInternetSession(const char* agent = nullptr, DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG,
                              const char* proxy = nullptr, const char* proxyBypass = nullptr, DWORD flags = 0);

    // The opened file, or null when the URL could not be opened.
    std::unique_ptr<CInternetFile> OpenURL(const std::string& url, DWORD_PTR context = 1,
                                           DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                                           const char* headers = nullptr);

private:
    CInternetHandle m_session;
};
