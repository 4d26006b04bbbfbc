// WinINet through owning objects: a session (InternetOpenA), and an HTTP
// request made from a URL (InternetConnectA, HttpOpenRequestA) that is sent
// and then read as its data arrives. WinINet itself is loaded at run time
// (framework/WinInetApi.h); without it there is no session.
#pragma once
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>

#include "framework/WinInetApi.h"

// One GET request on its own connection to the server.
class CHttpFile {
public:
    CHttpFile(std::shared_ptr<const WinInetApi> api, CInternetHandle connection, CInternetHandle request)
        : m_api(std::move(api)), m_connection(std::move(connection)), m_request(std::move(request)) {}

    // A number option of this request, such as INTERNET_OPTION_RECEIVE_TIMEOUT
    // in milliseconds; set before SendRequest. False if refused.
    bool SetOption(DWORD option, DWORD value);
    // Sends the request and waits for the head of the answer.
    bool SendRequest();
    // The HTTP status of the answer (200 for OK), or 0 when there is none.
    DWORD StatusCode() const;
    // Waits for the next data (each wait bounded by the receive time limit),
    // then reads what has arrived, at most `count` bytes. `read` is 0 at the
    // end of the data; false when the connection failed or timed out.
    bool Read(void* buffer, DWORD count, DWORD& read);
    // Closes the request and its connection. Also from another thread while
    // a call above waits on them: closing the handle a call is blocked on is
    // WinINet's way to make that call return, and every later call fails.
    void Close();

private:
    // The request's handle, null once closed.
    HINTERNET Request() const;

    const std::shared_ptr<const WinInetApi> m_api;  // first: unloaded after the handles are closed
    mutable std::mutex m_lock;                      // guards the two owners below
    // The request goes before its connection.
    CInternetHandle m_connection;
    CInternetHandle m_request;
};

class CInternetSession {
public:
    // No agent name means the application's name.
    explicit CInternetSession(const char* agent = nullptr, DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG,
                              const char* proxy = nullptr, const char* proxyBypass = nullptr, DWORD flags = 0);

    // A number option for the requests of this session, such as
    // INTERNET_OPTION_CONNECT_TIMEOUT in milliseconds; false if refused.
    // Not every WinINet passes a session's time limits on to its requests:
    // set them on the request too.
    bool SetOption(DWORD option, DWORD value);

    // A GET request for an http or https URL (https adds
    // INTERNET_FLAG_SECURE), not sent yet; null for another kind of URL or
    // when the request could not be made.
    std::unique_ptr<CHttpFile> OpenHttpRequest(const std::string& url, DWORD flags, DWORD_PTR context = 1);

private:
    const std::shared_ptr<const WinInetApi> m_api;  // first: unloaded after the session is closed
    CInternetHandle m_session;
};
