// Reads the starts, stops, sleeps and wakes of the last 90 days from the
// System log through the Windows Event Log API, newest first, each event
// rendered as XML and parsed. The API's library is loaded at run time from
// the system folder, so the program also starts where it is missing; the log
// then counts as unreadable, as it does when the query fails. The reading
// stops after a few thousand events or a few seconds: call it on a worker
// thread, never on a window's.
#pragma once
#include "facts/SystemEvent.h"

SystemLogEvents ReadSystemHistoryEvents();
