// The Windows taskbar's own clock ("Shell_TrayWnd" > "TrayNotifyWnd" >
// "TrayClockWClass"), hidden while Tallvox runs so its clock takes the place.
#pragma once

// Each does nothing when a window of the chain is missing (another shell, no
// taskbar). After hiding or showing, the taskbar is asked to lay out its
// notification area again.
void HideTaskbarClock();
void ShowTaskbarClock();
