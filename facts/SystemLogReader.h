// Reads the starts of the system from the System event log through the
// Windows Event Log API: the newest boot-type event (Kernel-Boot 27) with its
// BootType, and the newest start-time event (Kernel-General 12) with its
// StartTime. The API's library is loaded at run time from the system folder,
// so the program also starts where it is missing; the log then counts as
// unreadable.
#pragma once
#include "facts/LastStart.h"

SystemLogStarts ReadSystemLogStarts();
