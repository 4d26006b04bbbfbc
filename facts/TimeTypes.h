// Plain numbers that the fact texts are built from. No platform headers here:
// everything that uses these types builds and is tested natively too.
#pragma once
#include <cstdint>

// An uptime split into whole days, hours (0-23), minutes (0-59), seconds (0-59).
struct UptimeParts {
    int32_t days = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
};

// A local calendar date-time in whole seconds. A clock reading that cannot be
// converted is represented with every field -1.
struct LocalDateTime {
    int32_t year = 0;    // four digits, e.g. 2026
    int32_t month = 0;   // 1-12
    int32_t day = 0;     // 1-31
    int32_t hour = 0;    // 0-23
    int32_t minute = 0;  // 0-59
    int32_t second = 0;  // 0-59
};

// The moment the operating system was installed, read from the CIM datetime
// text and taken as local time.
struct InstallDateTime {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

// Time elapsed since installation, with calendar borrowing.
struct ElapsedParts {
    int32_t years = 0;
    int32_t months = 0;
    int32_t days = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
};
