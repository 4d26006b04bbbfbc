#include "facts/AwakeTime.h"

#include <windows.h>

std::optional<uint64_t> ReadAwakeSeconds() {
    ULONGLONG hundredNanoseconds = 0;
    if (!::QueryUnbiasedInterruptTime(&hundredNanoseconds)) return std::nullopt;
    return hundredNanoseconds / 10000000;
}
