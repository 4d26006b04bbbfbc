#include "app/TallvoxApp.h"

#include <commctrl.h>

#include "app/cli/CommandLine.h"
#include "app/TallvoxDlg.h"
#include "app/shell/TaskbarClock.h"
#include "framework/ComApartment.h"

// The one application object.
CTallvoxApp theApp;

// A second main-window object that never gets a window: its speech worker
// says "good bye" after the shown window has ended. It outlives that window,
// so the farewell is spoken while the window is torn down, and its
// destruction at process end waits for it (a few seconds at most).
CTallvoxDlg theFarewell(nullptr);

BOOL CTallvoxApp::InitInstance() {
    // With an option the program answers a script and ends, before any
    // window, taskbar or settings work.
    const LaunchRequest request = ParseCommandLine(ProgramArguments());
    if (request.mode != LaunchMode::Window) {
        m_nExitCode = RunCommandLineMode(request);
        return FALSE;
    }

    ::InitCommonControls();
    CWinApp::InitInstance();
    // The shell calls made from the window (opening files and pages) expect
    // COM on this thread.
    const CComApartment apartment;

    // Given back however the window ends: closed, never created, a quit
    // request, the session's end (there the window gives it back itself,
    // since the process may be ended straight after).
    CTaskbarClock taskbarClock;
    taskbarClock.Hide();

    INT_PTR result;
    {
        CTallvoxDlg dialog(nullptr);
        dialog.SetTaskbarClock(&taskbarClock);
        m_pMainWnd = &dialog;
        result = dialog.DoModal();
        if (result == IDOK || result == IDCANCEL) theFarewell.Speak("good bye");
        taskbarClock.Restore();
        m_pMainWnd = nullptr;
    }

    // The exit code tells how the window ended: 1 "Exit" or Escape, 2 the
    // close box or the session's end, -1 the window could not be created or
    // a quit request ended its loop.
    m_nExitCode = static_cast<int>(result);
    return FALSE;
}
