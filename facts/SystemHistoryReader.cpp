#include "facts/SystemHistoryReader.h"

#include "facts/EventLogApi.h"

#include <cwchar>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "facts/SystemEventXml.h"

namespace {

// A busy machine logs a few dozen of these events a day; 90 days of them fit.
const std::size_t kMostEvents = 5000;
const ULONGLONG kMostMilliseconds = 5000;
const DWORD kBatch = 64;

// The event handles one call of EvtNext hands over, each owned at once.
// False at the end of the results or on a failure; GetLastError tells which.
bool NextBatch(const EventLogApi& api, EVT_HANDLE results, DWORD timeoutMilliseconds, std::vector<CEvtHandle>& batch) {
    EVT_HANDLE events[kBatch] = {};
    DWORD count = 0;
    batch.clear();
    const bool got = api.Next(results, kBatch, events, timeoutMilliseconds, 0, &count) != FALSE;
    for (DWORD i = 0; got && i < count && i < kBatch; ++i) batch.push_back(api.Own(events[i]));
    return got;
}

// One selector per provider within a structured query: a plain XPath over
// them all would pass the 20 expressions such a query may hold.
std::wstring HistoryQuery() {
    const struct {
        const wchar_t* provider;
        const wchar_t* ids;
    } selectors[] = {
        {L"Microsoft-Windows-Kernel-General", L"EventID=12 or EventID=13"},
        {L"Microsoft-Windows-Kernel-Boot", L"EventID=27"},
        {L"User32", L"EventID=1074"},
        {L"Microsoft-Windows-Kernel-Power", L"EventID=41 or EventID=42"},
        {L"EventLog", L"EventID=6008"},
        {L"Microsoft-Windows-WER-SystemErrorReporting", L"EventID=1001"},
        {L"Microsoft-Windows-Power-Troubleshooter", L"EventID=1"},
    };
    std::wstring query = L"<QueryList><Query Id='0' Path='System'>";
    for (const auto& s : selectors) {
        // 90 days in milliseconds; the less-than sign escaped for the XML around it.
        query += std::wstring(L"<Select Path='System'>*[System[Provider[@Name='") + s.provider + L"'] and (" + s.ids +
                 L") and TimeCreated[timediff(@SystemTime) &lt;= 7776000000]]]</Select>";
    }
    return query + L"</Query></QueryList>";
}

// The event's XML in UTF-8; empty when it can't be rendered.
std::string RenderXml(const EventLogApi& api, EVT_HANDLE event, std::vector<wchar_t>& buffer) {
    DWORD used = 0;
    DWORD properties = 0;
    if (!api.Render(nullptr, event, EvtRenderEventXml, static_cast<DWORD>(buffer.size() * sizeof(wchar_t)),
                    buffer.data(), &used, &properties)) {
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::string();
        buffer.assign(used / sizeof(wchar_t) + 1, L'\0');
        if (!api.Render(nullptr, event, EvtRenderEventXml, static_cast<DWORD>(buffer.size() * sizeof(wchar_t)),
                        buffer.data(), &used, &properties))
            return std::string();
    }
    const int length = static_cast<int>(::wcsnlen(buffer.data(), used / sizeof(wchar_t)));
    if (length == 0) return std::string();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, buffer.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string xml(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, buffer.data(), length, &xml[0], size, nullptr, nullptr);
    return xml;
}

}  // namespace

SystemLogEvents ReadSystemHistoryEvents() {
    SystemLogEvents log;
    const EventLogApi api;
    if (!api.Loaded()) return log;

    const std::wstring query = HistoryQuery();
    const CEvtHandle results =
        api.Own(api.Query(nullptr, nullptr, query.c_str(), EvtQueryChannelPath | EvtQueryReverseDirection));
    if (!results) return log;

    const ULONGLONG deadline = ::GetTickCount64() + kMostMilliseconds;
    std::vector<wchar_t> buffer(4096);
    std::vector<CEvtHandle> batch;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline || log.events.size() >= kMostEvents) break;
        if (!NextBatch(api, results.Get(), static_cast<DWORD>(deadline - now), batch)) {
            // The end of the results; any other failure before the first
            // event leaves the log unreadable, a later one keeps what was read.
            if (::GetLastError() == ERROR_NO_MORE_ITEMS) log.readable = true;
            break;
        }
        log.readable = true;
        for (const CEvtHandle& event : batch) {
            if (log.events.size() >= kMostEvents) break;
            if (std::optional<SystemEvent> parsed = ParseSystemEventXml(RenderXml(api, event.Get(), buffer)))
                log.events.push_back(std::move(*parsed));
        }
    }
    return log;
}
