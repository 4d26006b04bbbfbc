// Reads from the registry whether Windows waits for a restart, and why.
#pragma once
#include "facts/PendingRestart.h"

PendingRestart ReadPendingRestart();
