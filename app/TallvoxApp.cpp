#include "app/TallvoxApp.h"

#include <commctrl.h>

#include "app/CommandLine.h"
#include "app/TallvoxDlg.h"
#include "app/TaskbarClock.h"

// The one application object.
CTallvoxApp theApp;

// A second main-window object that never gets a window: its speech worker
// says "good bye" after the shown window has ended. It outlives that window,
// so the farewell is spoken while the window is torn down, and its
// destruction at process end waits for the sentence in progress.
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

    HideTaskbarClock();

    INT_PTR result;
    {
        CTallvoxDlg dialog(nullptr);
        m_pMainWnd = &dialog;
        result = dialog.DoModal();
        if (result == IDOK || result == IDCANCEL) {
            theFarewell.Speak("good bye");
            ShowTaskbarClock();
        }
        m_pMainWnd = nullptr;
    }

    // The exit code tells how the window ended: 1 "Exit" or Escape, 2 the
    // close box, -1 the window could not be created.
    m_nExitCode = static_cast<int>(result);
    return FALSE;
}
