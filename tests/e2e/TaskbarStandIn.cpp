#include "e2e/TaskbarStandIn.h"

std::atomic<int> TaskbarStandIn::s_layoutRequests{0};

namespace {

void RegisterClassNamed(const char* name, WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
}

}  // namespace

LRESULT CALLBACK TaskbarStandIn::TrayProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && wParam == 0 && lParam == 0) ++s_layoutRequests;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

DWORD WINAPI TaskbarStandIn::Thread(void* param) {
    auto* self = static_cast<TaskbarStandIn*>(param);
    RegisterClassNamed("Shell_TrayWnd", TrayProc);
    RegisterClassNamed("TrayNotifyWnd", ::DefWindowProcA);
    RegisterClassNamed("TrayClockWClass", ::DefWindowProcA);
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    self->m_tray = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE,
                                     900, 990, 370, 30, nullptr, nullptr, instance, nullptr);
    HWND notify = ::CreateWindowExA(0, "TrayNotifyWnd", "", WS_CHILD | WS_VISIBLE, 200, 0, 170, 30, self->m_tray,
                                    nullptr, instance, nullptr);
    self->m_clock = ::CreateWindowExA(0, "TrayClockWClass", "", WS_CHILD | WS_VISIBLE, 100, 0, 70, 30, notify,
                                      nullptr, instance, nullptr);
    ::SetEvent(self->m_ready);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    ::DestroyWindow(self->m_tray);
    return 0;
}

TaskbarStandIn::TaskbarStandIn() {
    s_layoutRequests = 0;
    m_ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_thread = ::CreateThread(nullptr, 0, Thread, this, 0, &m_threadId);
    ::WaitForSingleObject(m_ready, 10000);
}

TaskbarStandIn::~TaskbarStandIn() {
    ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(m_thread, 10000);
    ::CloseHandle(m_thread);
    ::CloseHandle(m_ready);
}
