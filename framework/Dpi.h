// The DPI a window is shown at. Sizes given for a 96-DPI screen are scaled
// with it (display/DisplayScale.h).
#pragma once
#include <windows.h>

// GetDpiForWindow where the system has it (Windows 10 1607 and later, looked
// up at run time so the program still starts on Windows 7), otherwise the
// system's DPI. A null window gives the system's DPI.
int WindowDpi(HWND window);

// The screen's DPI (LOGPIXELSY), the one DPI that older systems know.
int SystemDpi();
