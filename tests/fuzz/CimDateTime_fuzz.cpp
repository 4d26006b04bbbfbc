// The WMI installation-date text: any text is parsed or refused without
// touching the outputs, and a parsed date gives a display text of fixed shape
// and an elapsed time that is never negative, whatever "now" is.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "facts/InstallDateText.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first bytes choose "now"; the rest is the CIM text.
    LocalDateTime now{2026, 12, 7, 13, 59, 45};
    if (size >= 6) {
        now.year = 1900 + data[0] * 2;
        now.month = 1 + data[1] % 12;
        now.day = 1 + data[2] % 28;
        now.hour = data[3] % 24;
        now.minute = data[4] % 60;
        now.second = data[5] % 60;
        data += 6;
        size -= 6;
    }
    const std::string cim(reinterpret_cast<const char*>(data), size);

    InstallDateTime install{-7, -7, -7, -7, -7, -7};
    std::string text = "untouched";
    if (!ParseCimDateTime(cim, &install, &text)) {
        FUZZ_CHECK(install.year == -7 && install.second == -7);
        FUZZ_CHECK(text == "untouched");
        return 0;
    }
    FUZZ_CHECK(text.size() == std::strlen("MM-DD-YYYY  @ HH:MM:SS"));
    FUZZ_CHECK(text.compare(10, 4, "  @ ") == 0);

    const ElapsedParts elapsed = ComputeElapsed(now, install);
    FUZZ_CHECK(elapsed.years >= 0);
    FUZZ_CHECK(elapsed.months >= 0 && elapsed.months <= 11);
    FUZZ_CHECK(elapsed.days >= 0 && elapsed.days <= 30);
    FUZZ_CHECK(elapsed.hours >= 0 && elapsed.hours <= 23);
    FUZZ_CHECK(elapsed.minutes >= 0 && elapsed.minutes <= 59);
    FUZZ_CHECK(elapsed.seconds >= 0 && elapsed.seconds <= 59);
    FUZZ_CHECK(FormatInstallTimeText(elapsed).rfind("- OS Installation Time: ", 0) == 0);
    return 0;
}
