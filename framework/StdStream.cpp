#include "framework/StdStream.h"

namespace {

bool IsUsable(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Once per process: joins the console of the parent process. A process that
// already has a console is refused with ERROR_ACCESS_DENIED and keeps it.
bool AttachParentConsole() {
    static const bool attached =
        ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE || ::GetLastError() == ERROR_ACCESS_DENIED;
    return attached;
}

}  // namespace

CStdStream::CStdStream(DWORD which) {
    HANDLE inherited = ::GetStdHandle(which);
    if (IsUsable(inherited)) {
        m_handle = inherited;
        return;
    }
    if (!AttachParentConsole()) return;
    m_console.Attach(::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr));
    if (m_console) m_handle = m_console.Get();
}

CStdStream::~CStdStream() = default;

bool CStdStream::Write(const std::string& text) {
    if (!m_handle) return false;
    const char* next = text.data();
    size_t left = text.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = left > 65536 ? 65536 : static_cast<DWORD>(left);
        if (!::WriteFile(m_handle, next, chunk, &written, nullptr) || written == 0) return false;
        next += written;
        left -= written;
    }
    return true;
}

bool CStdStream::Flush() {
    if (!m_handle) return false;
    return ::GetFileType(m_handle) != FILE_TYPE_DISK || ::FlushFileBuffers(m_handle) != FALSE;
}
