// Resource and control ids of Tallvox. Shared by the resource script and the
// code; plain defines because the resource compiler reads this file too.
#pragma once

// Application icon and tray menu
#define IDR_MAINFRAME           128
#define IDR_TRAY_MENU           129

// Icons of the menu items, buttons and message boxes
#define IDI_AUTORUN_ENABLE      1010
#define IDI_EXIT                1011
#define IDI_HELP_WIZARD         1019
#define IDI_CLIPBOARD           1026
#define IDI_SAVE_REPORT         1027
#define IDI_SCREENSHOT          1028
#define IDI_SPEECH              1029
#define IDI_SAY                 1031
#define IDI_ADJUST              1032
#define IDI_MINIMIZE            1034
#define IDI_ABOUT               1048
#define IDI_HOMEPAGE            1049
#define IDI_OPACITY             1051
#define IDI_COLORS              1052
#define IDI_ALWAYS_ON_TOP       1065
#define IDI_RESTORE_SIZE        1071

// Main window (dialog 102)
#define IDD_TALLVOX_DIALOG      102
#define IDC_LINE_UPTIME         1000
#define IDC_LINE_BOOT_TIME      1010
#define IDC_LINE_INSTALL_DATE   1011
#define IDC_LINE_INSTALL_TIME   1058
#define IDC_CLOCK               1069
#define IDC_SIZE_BUTTON         1070

// Autorun dialog (130)
#define IDD_AUTORUN             130
#define IDC_AUTORUN_BUTTON      1007
#define IDC_AUTORUN_TEXT        1009

// History dialog (131)
#define IDD_HISTORY             131
#define IDC_HISTORY_SUMMARY     1090
#define IDC_HISTORY_LIST        1091
#define IDC_HISTORY_SAVE        1092

// About dialog (1047)
#define IDD_ABOUT               1047
#define IDC_HOMEPAGE            1050
#define IDC_ABOUT_TITLE         1053
#define IDC_ABOUT_PICTURE       1072
#define IDC_ABOUT_FEATURES      1077
#define IDC_ABOUT_AUTHOR        1004

// Commands
#define ID_TRAY_RESTORE         32771
#define ID_MINIMIZE             1033
#define ID_SAY_UPTIME           1023
#define ID_SAY_BOOT_TIME        1024
#define ID_SAY_CURRENT_TIME     1025
#define ID_SAY_INSTALL_DATE     1061
#define ID_SAY_INSTALL_TIME     1062
#define ID_COLOR_UPTIME         1015
#define ID_COLOR_BOOT_TIME      1016
#define ID_COLOR_BACKGROUND     1017
#define ID_COLOR_INSTALL_DATE   1057
#define ID_COLOR_INSTALL_TIME   1060
#define ID_COLOR_ALL_TEXT       1063
#define ID_COLOR_SECOND_HAND    1074
#define ID_OPACITY_10           1044
#define ID_OPACITY_20           1035
#define ID_OPACITY_30           1040
#define ID_OPACITY_40           1036
#define ID_OPACITY_50           1041
#define ID_OPACITY_60           1037
#define ID_OPACITY_70           1042
#define ID_OPACITY_80           1038
#define ID_OPACITY_90           1043
#define ID_OPACITY_100          1039
#define ID_ALWAYS_ON_TOP        1064
#define ID_SKIN_SILVER          1084
#define ID_SKIN_ICE             1083
#define ID_SKIN_ORANGE          1085
#define ID_SKIN_GREEN           1086
#define ID_SKIN_PURPLE          1087
#define ID_COPY_TO_CLIPBOARD    1020
#define ID_SCREENSHOT           1021
#define ID_SAVE_REPORT          1022
#define ID_HELP_WIZARD          1018
#define ID_DATE_TIME_PANEL      1056
#define ID_AUTORUN              32774
#define ID_HISTORY              32775
#define ID_ABOUT                1045

// Clock skins: faces and date windows
#define IDB_FACE_SILVER         1066
#define IDB_DATE_GREY           1067
#define IDB_FACE_ORANGE         1078
#define IDB_DATE_BROWN          1080
#define IDB_FACE_ICE            1081
#define IDB_DATE_OLIVE          1082
#define IDB_FACE_GREEN          1088
#define IDB_FACE_PURPLE         1089

// About box picture
#define IDB_ABOUT               1072
