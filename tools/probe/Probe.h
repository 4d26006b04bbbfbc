// Looks at a running Tallvox from another process: finds its main window and
// reads what it shows. Used by the end-to-end tests and by headless runs.
#pragma once
#include <windows.h>

#include <string>

namespace probe {

// The main window: a top-level dialog with the four lines and the clock.
// With a process id, only a window of that process.
HWND FindMainWindow(DWORD processId = 0);

// The text of a control of the window, read with WM_GETTEXT.
std::string ControlText(HWND window, int id);

// "Z:\x\y" for "/x/y"; Windows paths pass unchanged.
std::string WindowsPath(const std::string& path);

}  // namespace probe
