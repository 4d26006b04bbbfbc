#include "facts/FactsSnapshot.h"

#include "TallvoxVersion.h"
#include "facts/InstallDateText.h"
#include "facts/IsoTime.h"
#include "facts/UptimeText.h"

const char kNameNotFound[] = "Not find";

FactsSnapshot GatherFacts(const FactReadings& readings, TimeFacts& times) {
    FactsSnapshot facts;
    facts.uptime = times.UptimeText(readings.tickMilliseconds);
    facts.bootTime = times.BootTimeText(readings.tickMilliseconds, readings.now);
    facts.today = TimeFacts::TodayText(readings.now);
    facts.userName = readings.userName;
    facts.computerName = readings.computerName;
    facts.dateTime = readings.dateTime;

    MachineFacts& machine = facts.machine;
    machine.version = TALLVOX_VERSION_STRING;
    machine.uptimeSeconds = readings.tickMilliseconds / 1000;
    machine.awakeSeconds = readings.awakeSeconds;
    machine.bootTime = IsoLocalTime(readings.now - static_cast<int64_t>(machine.uptimeSeconds));

    InstallDateTime install;
    std::string installText;
    if (readings.installCim && ParseCimDateTime(*readings.installCim, &install, &installText)) {
        const ElapsedParts elapsed = ComputeElapsed(ToLocalDateTime(readings.now), install);
        facts.installDate = installText;
        facts.installTime = FormatInstallTimeText(elapsed);
        machine.installDate = CimToIso(*readings.installCim);
        machine.installElapsed = InstallElapsedText(elapsed);
    }
    if (readings.originalInstall) machine.originalInstallDate = IsoLocalTime(*readings.originalInstall);
    if (readings.lastStart) {
        machine.lastStart = IsoLocalTime(readings.lastStart->time);
        machine.lastStartKind = std::string(StartKindName(readings.lastStart->kind));
    }
    machine.restartPendingReasons = PendingRestartReasons(readings.pendingRestart);
    return facts;
}
