// The facts leaving the program: the saved report, the clipboard copy, the
// help file beside the program, and the system's date and time panel.
#include "app/TallvoxDlg.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "framework/ClipboardText.h"
#include "app/outputs/DateTimePanel.h"
#include "app/outputs/SaveAs.h"
#include "framework/WholeFile.h"
#include "framework/ModuleName.h"
#include "framework/WinApp.h"
#include "resource.h"

namespace {

void OpenWithShell(const std::string& path) {
    // A path too long for the shell's 8-bit calls could be cut to another file's.
    if (!IsUsableFilePath(path)) return;
    ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
}

}  // namespace

void CTallvoxDlg::ShowFileError() {
    ::MessageBoxA(m_hWnd, "The file can't be created (fopen error)", "Error", MB_ICONERROR | MB_OK);
}

void CTallvoxDlg::AskToOpen(const char* question, const std::string& path) {
    if (::MessageBoxA(m_hWnd, question, path.c_str(), MB_YESNO) == IDYES) OpenWithShell(path);
}

void CTallvoxDlg::WriteReport() {
    const std::string path = ChooseSavePath("Save as...", ".txt");
    if (path.empty()) return;

    // A report that did not reach the disk must not be announced as written.
    if (!WriteWholeFile(path, BuildReportText(FactsWithInstallDate()))) {
        ShowFileError();
        return;
    }
    AskToOpen("Report correctly written.\nDo you want to open it ?", path);
}

void CTallvoxDlg::CopyInfoToClipboard() {
    const bool copied = SetClipboardText(m_hWnd, BuildClipboardText(FactsWithInstallDate()));
    MSGBOXPARAMSA box{};
    box.cbSize = sizeof box;
    box.hwndOwner = m_hWnd;
    box.hInstance = AfxGetInstanceHandle();
    box.lpszCaption = "Tallvox";
    if (copied) {
        box.lpszText = "Informations have been correctly copied to the clipboard.";
        box.dwStyle = MB_USERICON | MB_OK;
        box.lpszIcon = MAKEINTRESOURCEA(IDI_ADJUST);
    } else {
        // Another program holds the clipboard: say so rather than claim success.
        box.lpszText = "The clipboard is used by another program: the informations have not been copied.";
        box.dwStyle = MB_ICONWARNING | MB_OK;
    }
    ::MessageBoxIndirectA(&box);
}

void CTallvoxDlg::ShowHelp() {
    // A help file that is already there, perhaps edited by the user, is
    // opened as it is.
    if (::PathFileExistsA(m_strHelpPath.c_str()))
        OpenWithShell(m_strHelpPath);
    else
        WriteHelpFile();
}

void CTallvoxDlg::WriteHelpFile() {
    if (!WriteWholeFile(m_strHelpPath, HelpFileText())) ShowFileError();
    OpenWithShell(m_strHelpPath);
}

void CTallvoxDlg::OpenDateTimeProperties() { StartSystemCommand(DateTimePanelCommand(), SW_SHOWDEFAULT); }
