// Date-times for scripts: ISO 8601 local time with its offset from UTC,
// "2026-12-07T12:31:24+01:00". No platform calls; local time comes from the
// C runtime's zone.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "facts/TimeTypes.h"

// Days from 1 January 1970 to the given day of the proleptic Gregorian
// calendar (negative before it).
int64_t DaysFromCivil(int64_t year, int32_t month, int32_t day);

// The ISO text of a local date-time whose offset from UTC is `offsetSeconds`
// (east positive); the offset is written in whole minutes.
std::string FormatIsoLocal(const LocalDateTime& local, int32_t offsetSeconds);

// The moment `utc` (seconds since 1970) in local time with the zone's offset
// at that moment; none when the runtime cannot convert it.
std::optional<std::string> IsoLocalTime(int64_t utc);

// A CIM datetime ("20210615143207.000000+120": local fields, then the offset
// in minutes) as ISO text with that same offset, and as seconds since 1970
// UTC. None when the text is not a complete CIM datetime.
std::optional<std::string> CimToIso(const std::string& cim);
std::optional<int64_t> CimToUnixSeconds(const std::string& cim);

// Local calendar fields taken in the runtime's zone, as seconds since 1970
// UTC; none for fields that name no calendar moment (30 February) or that the
// runtime cannot convert.
std::optional<int64_t> LocalToUnixSeconds(const InstallDateTime& local);
