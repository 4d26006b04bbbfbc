// Icons from the program's resources. Icons from LoadIcon are shared and
// never destroyed, so AfxLoadIcon hands out a plain handle; an icon made or
// loaded for one owner (LoadImage, CreateIconIndirect) lives in a CIcon (framework/Handles.h).
#pragma once
#include <windows.h>

#include "framework/Handles.h"

#include "framework/WinApp.h"

inline HICON AfxLoadIcon(UINT id) { return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)); }
