// Whether Windows waits for a restart to finish something, and for what. The
// registry tells four reasons; no platform calls here: they arrive as flags.
#pragma once
#include <string>
#include <vector>

struct PendingRestart {
    bool componentServicing = false;  // ...\Component Based Servicing\RebootPending exists
    bool windowsUpdate = false;       // ...\WindowsUpdate\Auto Update\RebootRequired exists
    bool fileRename = false;          // Session Manager's PendingFileRenameOperations is not empty
    bool computerRename = false;      // the active computer name differs from the configured one
};

// In this order: "component servicing", "Windows Update", "file rename",
// "computer rename"; empty when no restart is pending.
std::vector<std::string> PendingRestartReasons(const PendingRestart& pending);

// "Restart pending (Windows Update, file rename)", or empty when none is.
std::string PendingRestartText(const PendingRestart& pending);

// The same, or "No restart is pending." when none is.
std::string PendingRestartSentence(const PendingRestart& pending);
