// CWinApp: the one application object. The program defines a single static
// instance; the entry point hands control to its InitInstance.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>

class CWnd;

class CWinApp {
public:
    // Without a name of its own the application takes the program file's
    // base name (Tallvox for Tallvox.exe).
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns FALSE to end the process right after it (the program's own
    // dialog loop has then already run); TRUE runs a plain message loop.
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();

    const std::string& AppName() const { return m_strAppName; }
    static CWinApp* Current() { return s_current; }
    // The thread that constructed the application object: the one that runs
    // its windows.
    static DWORD ThreadId() { return s_threadId.load(); }

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

protected:
    // The process exit code that ExitInstance reports.
    int m_nExitCode = 0;

private:
    friend int AfxWinMain(HINSTANCE);
    std::string m_strAppName;
    static CWinApp* s_current;
    // Read by any thread (AfxGetMainWnd), written at start and at exit.
    static std::atomic<DWORD> s_threadId;
};

CWinApp* AfxGetApp();
// The application's main window; null on any other thread than the
// application's own, so a worker never reaches into the window or the
// application object.
CWnd* AfxGetMainWnd();
// The window that a modal dialog or message box is owned by: the top-level
// window of `parent`, or without one the main window's active popup (the
// main window itself, or the modal dialog already running over it). The
// owner is disabled while the modal runs, so nothing else of the program
// can be used meanwhile and the modal stays above it. Null when there is no
// such window (before the main window exists, or on another thread).
HWND AfxGetSafeOwner(CWnd* parent);
// The program's module; valid also before the entry point has run.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The application name: the program file's base name unless one was given.
std::string AfxGetAppName();
// The full path of the program file, however long; empty when the system
// can't tell it.
std::string AfxGetModulePath();

// A message box captioned with the application's name, owned as
// AfxGetSafeOwner(nullptr) says (no window when shown from a worker thread);
// the button pressed.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

int AfxWinMain(HINSTANCE instance);
