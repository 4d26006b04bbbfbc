#include "framework/FileDialog.h"

#include <windows.h>
#include <commdlg.h>

#include "framework/WinApp.h"

std::string AskSaveFileName(const char* title, const char* pattern, const char* defaultExtension) {
    // The filter is a list of label/pattern pairs ending in an empty string.
    const std::string filter = std::string(pattern) + '\0' + pattern + '\0';
    char chosen[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = AfxGetSafeOwner(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = chosen;
    ofn.nMaxFile = sizeof chosen;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = defaultExtension;
    ofn.Flags = OFN_OVERWRITEPROMPT;
    return ::GetSaveFileNameA(&ofn) ? std::string(chosen) : std::string();
}
