// The operating system's version, asked once per process. Windows 2000 and
// later (NT 5+) are the systems with layered windows, so this gates opacity.
#pragma once
#include <windows.h>

class COsVersion {
public:
    // Fills the shared record on first use; later objects reuse it.
    COsVersion();

    // NT platform with major version 5 or higher; false while unfilled.
    bool IsNt5OrLater() const;

    static const OSVERSIONINFOEXA& Record() { return s_record; }
    static bool IsFilled() { return s_filled; }

private:
    static OSVERSIONINFOEXA s_record;
    static bool s_filled;
};
