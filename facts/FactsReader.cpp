#include "facts/FactsReader.h"

#include <windows.h>

#include <ctime>

#include "facts/AwakeTime.h"
#include "facts/InstallDateQuery.h"
#include "facts/InstallHistoryReader.h"
#include "facts/PendingRestartReader.h"
#include "facts/SystemHistoryReader.h"
#include "facts/SystemLogReader.h"
#include "facts/SystemNames.h"

namespace {

// "%c" in the runtime's default locale: 12/06/26 06:24:21.
std::string RuntimeDateTime(__time64_t now) {
    char text[128] = {};
    if (const tm* local = _localtime64(&now)) strftime(text, sizeof text, "%c", local);
    return text;
}

}  // namespace

FactReadings ReadClock() {
    FactReadings readings;
    readings.tickMilliseconds = ::GetTickCount64();
    readings.now = _time64(nullptr);
    readings.dateTime = RuntimeDateTime(readings.now);
    return readings;
}

FactReadings ReadClockAndNames() {
    FactReadings readings = ReadClock();
    readings.userName = GetUserNameText();
    readings.computerName = GetComputerNameText();
    return readings;
}

FactReadings ReadAllFacts() {
    FactReadings readings = ReadClockAndNames();
    const InstallDateAnswer install = AskInstallDate(&QueryInstallDate);
    if (install.ok) readings.installCim = install.cimText;
    readings.awakeSeconds = ReadAwakeSeconds();
    readings.originalInstall = OriginalInstallDate(ReadInstallDateValues());
    readings.lastStart = DecideLastStart(ReadSystemLogStarts());
    readings.pendingRestart = ReadPendingRestart();
    return readings;
}

SystemHistory ReadSystemHistory() {
    // The present moment once the log is read: nothing read is newer.
    const SystemLogEvents log = ReadSystemHistoryEvents();
    return BuildSystemHistory(log, _time64(nullptr));
}
