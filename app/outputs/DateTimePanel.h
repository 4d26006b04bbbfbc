// The system's date and time settings panel, opened through the system
// folder's own rundll32.exe (never one planted beside Tallvox).
#pragma once
#include "framework/SystemFolder.h"

SystemCommand DateTimePanelCommand();
