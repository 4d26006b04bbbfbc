// An icon loaded from the program's resources. Icons from LoadIcon are shared
// and never destroyed, so this holds a plain handle.
#pragma once
#include <windows.h>

#include "framework/WinApp.h"

inline HICON AfxLoadIcon(UINT id) { return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)); }
