// The system's answers for one gathering of the facts (FactsSnapshot.h).
#pragma once
#include "facts/FactsSnapshot.h"
#include "facts/SystemHistory.h"

// The clock alone, for the refresh tick; the names stay "Not find".
FactReadings ReadClock();

// The clock and the names the report signs with.
FactReadings ReadClockAndNames();

// Everything, the slow readings too: the installation date from WMI (in a
// COM apartment of this thread), the time awake, the installation history,
// the last start from the System log and the pending restart. For the
// command line, which has no window to keep waiting.
FactReadings ReadAllFacts();

// The starts and stops of the System log up to now. Slow (seconds on a busy
// log): never on a window's thread.
SystemHistory ReadSystemHistory();
