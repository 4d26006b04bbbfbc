// WinINet (wininet.dll), loaded at run time from the system folder: it is no
// Known DLL, so imported by name it would be looked for beside the program
// first. Shared by the session and its requests, so it stays loaded while
// any of their handles does.
#pragma once
#include <windows.h>
#include <wininet.h>

#include "framework/Handles.h"
#include "framework/SystemFolder.h"

// A WinINet handle (session, connection, request), closed through the loaded
// InternetCloseHandle.
struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return close && close(handle) != FALSE; }
    decltype(&::InternetCloseHandle) close = nullptr;
};
using CInternetHandle = CUniqueHandle<InternetHandleTraits>;

class WinInetApi {
public:
    WinInetApi()
        : m_module(LoadSystemLibrary("wininet.dll")),
          Open(ProcAddress<decltype(&::InternetOpenA)>(m_module.Get(), "InternetOpenA")),
          SetOption(ProcAddress<decltype(&::InternetSetOptionA)>(m_module.Get(), "InternetSetOptionA")),
          CrackUrl(ProcAddress<decltype(&::InternetCrackUrlA)>(m_module.Get(), "InternetCrackUrlA")),
          Connect(ProcAddress<decltype(&::InternetConnectA)>(m_module.Get(), "InternetConnectA")),
          OpenRequest(ProcAddress<decltype(&::HttpOpenRequestA)>(m_module.Get(), "HttpOpenRequestA")),
          SendRequest(ProcAddress<decltype(&::HttpSendRequestA)>(m_module.Get(), "HttpSendRequestA")),
          QueryInfo(ProcAddress<decltype(&::HttpQueryInfoA)>(m_module.Get(), "HttpQueryInfoA")),
          QueryDataAvailable(
              ProcAddress<decltype(&::InternetQueryDataAvailable)>(m_module.Get(), "InternetQueryDataAvailable")),
          ReadFile(ProcAddress<decltype(&::InternetReadFile)>(m_module.Get(), "InternetReadFile")),
          CloseHandle(ProcAddress<decltype(&::InternetCloseHandle)>(m_module.Get(), "InternetCloseHandle")) {}

    bool Loaded() const {
        return Open && SetOption && CrackUrl && Connect && OpenRequest && SendRequest && QueryInfo &&
               QueryDataAvailable && ReadFile && CloseHandle;
    }
    // An owner for a handle the API gave.
    CInternetHandle Own(HINTERNET handle) const { return CInternetHandle(handle, InternetHandleTraits{CloseHandle}); }

private:
    CModule m_module;  // first: the entry points below are looked up in it

public:
    const decltype(&::InternetOpenA) Open;
    const decltype(&::InternetSetOptionA) SetOption;
    const decltype(&::InternetCrackUrlA) CrackUrl;
    const decltype(&::InternetConnectA) Connect;
    const decltype(&::HttpOpenRequestA) OpenRequest;
    const decltype(&::HttpSendRequestA) SendRequest;
    const decltype(&::HttpQueryInfoA) QueryInfo;
    const decltype(&::InternetQueryDataAvailable) QueryDataAvailable;
    const decltype(&::InternetReadFile) ReadFile;
    const decltype(&::InternetCloseHandle) CloseHandle;
};
