#include "app/outputs/DateTimePanel.h"

#include <gtest/gtest.h>

#include <string>

// F6 starts the system folder's own rundll32.exe by its full path, never a
// rundll32.exe that the search order finds beside Tallvox first.
TEST(DateTimePanel, TheSystemFoldersOwnRundll32OpensIt) {
    char folder[MAX_PATH] = {};
    ASSERT_NE(0u, ::GetSystemDirectoryA(folder, MAX_PATH));
    const std::string rundll32 = std::string(folder) + "\\rundll32.exe";
    const SystemCommand command = DateTimePanelCommand();
    EXPECT_EQ(rundll32, command.program);
    EXPECT_EQ("\"" + rundll32 + "\" shell32.dll,Control_RunDLL timedate.cpl", command.commandLine);
}
