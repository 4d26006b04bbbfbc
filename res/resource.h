// Resource and control ids of Tallvox. Shared by the resource script and the
// code; plain defines because the resource compiler reads this file too.
#pragma once

// Application icon and tray menu
#define IDR_MAINFRAME           128
#define IDR_TRAY_MENU           129

// Main window (dialog 102)
#define IDD_TALLVOX_DIALOG      102
#define IDC_LINE_UPTIME         1000
#define IDC_LINE_BOOT_TIME      1010
#define IDC_LINE_INSTALL_DATE   1011
#define IDC_LINE_INSTALL_TIME   1058
#define IDC_CLOCK               1069
#define IDC_SIZE_BUTTON         1070

// Commands
#define ID_TRAY_RESTORE         32771
#define ID_MINIMIZE             1033
#define ID_SAY_UPTIME           1023
#define ID_SAY_BOOT_TIME        1024
#define ID_SAY_CURRENT_TIME     1025
#define ID_SAY_INSTALL_DATE     1061
#define ID_SAY_INSTALL_TIME     1062

// Clock skins: faces and date windows
#define IDB_FACE_SILVER         1066
#define IDB_DATE_GREY           1067
#define IDB_FACE_ORANGE         1078
#define IDB_DATE_BROWN          1080
#define IDB_FACE_ICE            1081
#define IDB_DATE_OLIVE          1082
#define IDB_FACE_GREEN          1088
#define IDB_FACE_PURPLE         1089
