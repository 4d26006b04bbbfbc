// Messages the shell registers by name, registered once per process.
#pragma once
#include <windows.h>

// Sent to every top-level window when the taskbar is created anew (Explorer
// restarted): notification icons must be added again, and the new taskbar
// has a clock of its own.
inline UINT TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
    return message;
}
