// How long the system has been awake since it started: the unbiased
// interrupt time, which stops while the system sleeps or hibernates (the
// uptime keeps counting then).
#pragma once
#include <cstdint>
#include <optional>

// Whole seconds, or none when the count can't be read.
std::optional<uint64_t> ReadAwakeSeconds();
