#include "app/outputs/DateTimePanel.h"

SystemCommand DateTimePanelCommand() {
    return SystemProgramCommand("rundll32.exe", "shell32.dll,Control_RunDLL timedate.cpl");
}
