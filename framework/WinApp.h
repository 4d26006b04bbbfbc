// CWinApp: the one application object. The program defines a single static
// instance; the entry point hands control to its InitInstance.
#pragma once
#include <windows.h>
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

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

protected:
    // The process exit code that ExitInstance reports.
    int m_nExitCode = 0;

private:
    friend int AfxWinMain(HINSTANCE);
    std::string m_strAppName;
    static CWinApp* s_current;
};

CWinApp* AfxGetApp();
// The program's module; valid also before the entry point has run.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The application name: the program file's base name unless one was given.
std::string AfxGetAppName();
// The full path of the program file, however long; empty when the system
// can't tell it.
std::string AfxGetModulePath();

// A message box captioned with the application's name, owned by no window
// (it may be shown from any thread); the button pressed.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

int AfxWinMain(HINSTANCE instance);
