#include "framework/WinApp.h"

#include "framework/ModuleName.h"
#include "framework/Wnd.h"

CWinApp* CWinApp::s_current = nullptr;
std::atomic<DWORD> CWinApp::s_threadId{0};

CWinApp::CWinApp(const char* appName) {
    if (appName) m_strAppName = appName;
    s_current = this;
    s_threadId = ::GetCurrentThreadId();
}

CWinApp::~CWinApp() {
    if (s_current == this) {
        s_current = nullptr;
        s_threadId = 0;
    }
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

int CWinApp::Run() {
    MSG msg;
    BOOL got;
    while ((got = ::GetMessageA(&msg, nullptr, 0, 0)) != 0 && got != -1) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (got == 0) m_nExitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

CWinApp* AfxGetApp() { return CWinApp::Current(); }

CWnd* AfxGetMainWnd() {
    // The thread is checked first: a worker must not read the application
    // object, which may be on its way out while the worker still runs.
    const DWORD appThread = CWinApp::ThreadId();
    if (appThread == 0 || ::GetCurrentThreadId() != appThread) return nullptr;
    CWinApp* app = CWinApp::Current();
    return app ? app->m_pMainWnd : nullptr;
}

HWND AfxGetSafeOwner(CWnd* parent) {
    HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->GetSafeHwnd() : nullptr;
        // A modal already running over the main window owns the next one, so
        // each stays above the one it interrupts.
        const HWND popup = owner ? ::GetLastActivePopup(owner) : nullptr;
        if (popup && ::IsWindowVisible(popup)) owner = popup;
    }
    // A popup cannot be owned by a child window: its top-level window owns it.
    while (owner && (::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetParent(owner);
    return owner;
}

HINSTANCE AfxGetInstanceHandle() {
    CWinApp* app = CWinApp::Current();
    if (app && app->m_hInstance) return app->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

std::string AfxGetModulePath() {
    // A path longer than the buffer comes back cut short (on older systems
    // without its terminating zero): cut short, it would name the parent
    // folder, and files meant for the program's folder would land there.
    const std::size_t kLongestPath = 32768;
    return ReadTextGrowing(
        [](char* buffer, std::size_t size) -> std::size_t {
            return ::GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
        },
        MAX_PATH, kLongestPath);
}

std::string AfxGetAppName() {
    CWinApp* app = CWinApp::Current();
    if (app && !app->AppName().empty()) return app->AppName();
    return ModuleBaseName(AfxGetModulePath());
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = CWinApp::Current();
    if (!app) return -1;
    app->m_hInstance = instance;
    if (app->m_strAppName.empty()) app->m_strAppName = ModuleBaseName(AfxGetModulePath());
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}

int AfxMessageBox(const std::string& text, UINT type) {
    return ::MessageBoxA(AfxGetSafeOwner(nullptr), text.c_str(), AfxGetAppName().c_str(), type);
}
