// A stand-in for the Windows taskbar's clock chain ("Shell_TrayWnd" >
// "TrayNotifyWnd" > "TrayClockWClass"), which Wine's desktop lacks. The
// windows live on a thread of their own with a message loop, because another
// process showing or hiding them waits for their thread to answer.
#pragma once
#include <windows.h>

#include <atomic>

class TaskbarStandIn {
public:
    TaskbarStandIn();
    ~TaskbarStandIn();
    TaskbarStandIn(const TaskbarStandIn&) = delete;
    TaskbarStandIn& operator=(const TaskbarStandIn&) = delete;

    HWND Tray() const { return m_tray; }
    HWND Clock() const { return m_clock; }
    // WM_SIZE (0, 0) requests received by the tray window: layout requests.
    int LayoutRequests() const { return s_layoutRequests.load(); }

private:
    static DWORD WINAPI Thread(void* self);
    static LRESULT CALLBACK TrayProc(HWND, UINT, WPARAM, LPARAM);

    HANDLE m_thread = nullptr;
    HANDLE m_ready = nullptr;
    DWORD m_threadId = 0;
    HWND m_tray = nullptr;
    HWND m_clock = nullptr;
    static std::atomic<int> s_layoutRequests;
};
