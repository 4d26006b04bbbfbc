#include "facts/SystemLogReader.h"

#include "facts/EventLogApi.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

// The newest event of one provider and id in the System log, with two of its
// values: when it was logged, and one named data field.
struct NewestEvent {
    bool readable = false;  // the query ran
    bool found = false;     // and found an event
    EVT_VARIANT loggedAt{};
    EVT_VARIANT data{};
};

// Rendered values point into this buffer (a SYSTEMTIME, say); it is kept
// with them. Eight-byte elements keep the variants aligned.
using RenderBuffer = std::vector<uint64_t>;

NewestEvent ReadNewest(const EventLogApi& api, const wchar_t* provider, int eventId, const wchar_t* dataName,
                       RenderBuffer& buffer) {
    NewestEvent result;
    const std::wstring query = std::wstring(L"*[System[Provider[@Name='") + provider +
                               L"'] and (EventID=" + std::to_wstring(eventId) + L")]]";
    const CEvtHandle results = api.Own(api.Query(nullptr, L"System", query.c_str(), EvtQueryChannelPath | EvtQueryReverseDirection));
    if (!results.Get()) return result;

    EVT_HANDLE raw = nullptr;
    DWORD returned = 0;
    // A long log is searched from its newest end; a few seconds is plenty.
    if (!api.Next(results.Get(), 1, &raw, 10000, 0, &returned) || returned != 1) {
        result.readable = ::GetLastError() == ERROR_NO_MORE_ITEMS;
        return result;
    }
    const CEvtHandle event = api.Own(raw);
    result.readable = true;

    const std::wstring dataPath = std::wstring(L"Event/EventData/Data[@Name='") + dataName + L"']";
    const wchar_t* paths[] = {L"Event/System/TimeCreated/@SystemTime", dataPath.c_str()};
    const CEvtHandle context = api.Own(api.CreateRenderContext(2, paths, EvtRenderContextValues));
    if (!context.Get()) return result;

    DWORD used = 0;
    DWORD count = 0;
    if (!api.Render(context.Get(), event.Get(), EvtRenderEventValues, 0, nullptr, &used, &count) &&
        ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return result;
    buffer.assign(used / sizeof(uint64_t) + 1, 0);
    const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(uint64_t));
    if (!api.Render(context.Get(), event.Get(), EvtRenderEventValues, size, buffer.data(), &used, &count) || count < 2)
        return result;
    const auto* values = reinterpret_cast<const EVT_VARIANT*>(buffer.data());
    result.found = true;
    result.loggedAt = values[0];
    result.data = values[1];
    return result;
}

DWORD TypeOf(const EVT_VARIANT& value) { return value.Type & EVT_VARIANT_TYPE_MASK; }

std::optional<int64_t> MomentOf(const EVT_VARIANT& value) {
    if (TypeOf(value) == EvtVarTypeFileTime) return FileTimeToUnixSeconds(value.FileTimeVal);
    if (TypeOf(value) == EvtVarTypeSysTime && value.SysTimeVal) {
        FILETIME file{};
        if (!::SystemTimeToFileTime(value.SysTimeVal, &file)) return std::nullopt;
        return FileTimeToUnixSeconds((static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime);
    }
    return std::nullopt;
}

std::optional<uint64_t> NumberOf(const EVT_VARIANT& value) {
    switch (TypeOf(value)) {
        case EvtVarTypeByte: return value.ByteVal;
        case EvtVarTypeUInt16: return value.UInt16Val;
        case EvtVarTypeUInt32:
        case EvtVarTypeHexInt32: return value.UInt32Val;
        case EvtVarTypeUInt64:
        case EvtVarTypeHexInt64: return value.UInt64Val;
        case EvtVarTypeSByte: return value.SByteVal < 0 ? std::nullopt : std::optional<uint64_t>(value.SByteVal);
        case EvtVarTypeInt16: return value.Int16Val < 0 ? std::nullopt : std::optional<uint64_t>(value.Int16Val);
        case EvtVarTypeInt32: return value.Int32Val < 0 ? std::nullopt : std::optional<uint64_t>(value.Int32Val);
        case EvtVarTypeInt64: return value.Int64Val < 0 ? std::nullopt : std::optional<uint64_t>(value.Int64Val);
        default: return std::nullopt;  // no BootType in this event, or not a number
    }
}

}  // namespace

SystemLogStarts ReadSystemLogStarts() {
    SystemLogStarts starts;
    const EventLogApi api;
    if (!api.Loaded()) return starts;

    RenderBuffer bootBuffer;
    const NewestEvent boot = ReadNewest(api, L"Microsoft-Windows-Kernel-Boot", 27, L"BootType", bootBuffer);
    if (!boot.readable) return starts;
    starts.readable = true;
    if (boot.found) {
        if (const std::optional<int64_t> loggedAt = MomentOf(boot.loggedAt))
            starts.bootTypes.push_back(BootTypeEvent{*loggedAt, NumberOf(boot.data)});
    }

    RenderBuffer startBuffer;
    const NewestEvent start = ReadNewest(api, L"Microsoft-Windows-Kernel-General", 12, L"StartTime", startBuffer);
    if (start.found) {
        if (const std::optional<int64_t> startTime = MomentOf(start.data)) starts.startTimes.push_back(*startTime);
    }
    return starts;
}
