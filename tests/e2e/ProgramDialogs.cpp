#include "e2e/ProgramDialogs.h"

#include "e2e/TallvoxProcess.h"

namespace {

struct Search {
    HWND main;
    HWND besides;
    HWND found;
};

BOOL CALLBACK TakeOtherDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char cls[16] = {};
    ::GetClassNameA(window, cls, sizeof cls);
    if (window != search->main && window != search->besides && ::IsWindowVisible(window) &&
        std::string(cls) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string Text(HWND window) {
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

HWND WaitForProgramDialog(HWND mainWindow, DWORD milliseconds, HWND besides) {
    Search search{mainWindow, besides, nullptr};
    const DWORD thread = ::GetWindowThreadProcessId(mainWindow, nullptr);
    TallvoxProcess::WaitUntil(
        [&] {
            ::EnumThreadWindows(thread, TakeOtherDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        milliseconds);
    return search.found;
}

bool WaitUntilClosed(HWND dialog, DWORD milliseconds) {
    return TallvoxProcess::WaitUntil([&] { return !::IsWindow(dialog); }, milliseconds);
}

HWND SaveReplacingTakenName(HWND mainWindow, const std::string& name) {
    const HWND save = WaitForProgramDialog(mainWindow);
    if (!save || !TypeNameAndSave(save, name)) return nullptr;
    const HWND replace = WaitForProgramDialog(mainWindow, 5000, save);
    if (!replace || !PressDialogButton(replace, IDYES) || !WaitUntilClosed(save)) return nullptr;
    return WaitForProgramDialog(mainWindow);
}

HWND WaitForOpenMenu(HWND mainWindow, DWORD milliseconds) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(mainWindow, &processId);
    HWND found = nullptr;
    TallvoxProcess::WaitUntil(
        [&] {
            for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
                 w = ::FindWindowExA(nullptr, w, "#32768", nullptr)) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(w, &owner);
                if (owner == processId && ::IsWindowVisible(w)) return (found = w) != nullptr;
            }
            return false;
        },
        milliseconds);
    return found;
}

std::string DialogCaption(HWND dialog) { return Text(dialog); }

// A message box keeps its text in the static control 0xFFFF.
std::string MessageBoxText(HWND dialog) { return Text(::GetDlgItem(dialog, 0xFFFF)); }

bool PressDialogButton(HWND dialog, int button, DWORD milliseconds) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    return TallvoxProcess::WaitUntil([&] { return !::IsWindow(dialog); }, milliseconds);
}

bool TypeNameAndSave(HWND dialog, const std::string& name) {
    // The file name field: a combo box in the Explorer-style dialog, an edit
    // control in the old one.
    const int kFileNameCombo = 0x47c, kFileNameEdit = 0x480;
    HWND field = ::GetDlgItem(dialog, kFileNameCombo);
    if (!field) field = ::GetDlgItem(dialog, kFileNameEdit);
    if (!field) return false;
    ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    return ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                          reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK))) != FALSE;
}

bool SaveAsInDialog(HWND dialog, const std::string& name) {
    return TypeNameAndSave(dialog, name) && TallvoxProcess::WaitUntil([&] { return !::IsWindow(dialog); }, 5000);
}
