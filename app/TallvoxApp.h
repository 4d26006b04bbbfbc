// The application object: hides the taskbar clock, runs the main window as a
// modal dialog (its loop is the program's message loop), then shows the
// taskbar clock again.
#pragma once
#include "framework/WinApp.h"

class CTallvoxApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
