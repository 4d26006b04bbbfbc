// The dialogs and message boxes that a running Tallvox opens on its window's
// thread, found and answered from the test process.
#pragma once
#include <windows.h>

#include <string>

// A visible dialog of the main window's thread other than the main window
// (and `besides`, a dialog already open), waiting up to `milliseconds` for
// one to appear; null if none did.
HWND WaitForProgramDialog(HWND mainWindow, DWORD milliseconds = 5000, HWND besides = nullptr);

// Waits until `dialog` has closed. A save dialog stays on screen a moment
// after its replace question is answered: whatever the command shows next
// must not be mistaken for it.
bool WaitUntilClosed(HWND dialog, DWORD milliseconds = 5000);

// With the command's save dialog on its way: types `name` (a name that is
// taken), answers Yes to the replace question, waits for the save dialog to
// close and returns what the command shows next (its question or its error
// message). Null when any of these steps did not happen.
HWND SaveReplacingTakenName(HWND mainWindow, const std::string& name);

// The popup menu that the main window's process has open (class #32768),
// waiting up to `milliseconds` for it; null if none opened.
HWND WaitForOpenMenu(HWND mainWindow, DWORD milliseconds = 5000);

// The caption, and the text of a message box (empty for other dialogs).
std::string DialogCaption(HWND dialog);
std::string MessageBoxText(HWND dialog);

// Types the name into a save dialog's file name field and presses Save,
// without waiting: the dialog may stay to ask a question.
bool TypeNameAndSave(HWND dialog, const std::string& name);
// The same, then waits until the dialog has gone.
bool SaveAsInDialog(HWND dialog, const std::string& name);

// Presses a button of the dialog and waits until the dialog has gone.
bool PressDialogButton(HWND dialog, int button, DWORD milliseconds = 5000);
