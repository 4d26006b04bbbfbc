#include "facts/PendingRestart.h"

std::vector<std::string> PendingRestartReasons(const PendingRestart& pending) {
    std::vector<std::string> reasons;
    if (pending.componentServicing) reasons.push_back("component servicing");
    if (pending.windowsUpdate) reasons.push_back("Windows Update");
    if (pending.fileRename) reasons.push_back("file rename");
    if (pending.computerRename) reasons.push_back("computer rename");
    return reasons;
}

std::string PendingRestartText(const PendingRestart& pending) {
    const std::vector<std::string> reasons = PendingRestartReasons(pending);
    if (reasons.empty()) return std::string();
    std::string text = "Restart pending (";
    for (std::size_t i = 0; i < reasons.size(); ++i) text += (i ? ", " : "") + reasons[i];
    return text + ")";
}

std::string PendingRestartSentence(const PendingRestart& pending) {
    const std::string text = PendingRestartText(pending);
    return text.empty() ? "No restart is pending." : text;
}
