// The process entry point: everything else starts in the application object.
#include <windows.h>

#include "framework/SystemFolder.h"
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    LoadDllsFromSystemFolderOnly();
    return AfxWinMain(instance);
}
