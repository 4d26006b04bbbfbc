#include "app/outputs/SaveAs.h"

#include <windows.h>

#include "app/outputs/SaveName.h"
#include "framework/FileDialog.h"
#include "framework/WinApp.h"

namespace {

bool MayReplace(const char* title, const std::string& path) {
    if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    const std::string question = path + " already exists.\nDo you want to replace it?";
    // Owned as the save dialog was, so the main window takes no input while
    // the question is up.
    return ::MessageBoxA(AfxGetSafeOwner(nullptr), question.c_str(), title, MB_YESNO | MB_ICONWARNING) == IDYES;
}

}  // namespace

std::string ChooseSavePath(const char* title, const std::string& extension) {
    const std::string pattern = "*" + extension;
    const std::string withoutDot = !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
    for (;;) {
        const std::string chosen = AskSaveFileName(title, pattern.c_str(), withoutDot.c_str());
        if (chosen.empty()) return std::string();
        const std::string path = SaveFileName(chosen, extension);
        // As the system's dialog does: "No" lets the user choose again.
        if (path == chosen || MayReplace(title, path)) return path;
    }
}
