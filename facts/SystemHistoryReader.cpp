#include "facts/SystemHistoryReader.h"

#include <windows.h>
#include <winevt.h>

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

// The entry points of wevtapi.dll that the reading needs, from the copy in
// the system folder (never one beside the program).
class EventLogApi {
public:
    EventLogApi() {
        char folder[MAX_PATH] = {};
        const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return;
        m_module = ::LoadLibraryA((std::string(folder, length) + "\\wevtapi.dll").c_str());
        if (!m_module) return;
        Query = Find<decltype(&::EvtQuery)>("EvtQuery");
        Next = Find<decltype(&::EvtNext)>("EvtNext");
        Render = Find<decltype(&::EvtRender)>("EvtRender");
        Close = Find<decltype(&::EvtClose)>("EvtClose");
    }
    ~EventLogApi() {
        if (m_module) ::FreeLibrary(m_module);
    }
    EventLogApi(const EventLogApi&) = delete;
    EventLogApi& operator=(const EventLogApi&) = delete;

    bool Loaded() const { return Query && Next && Render && Close; }

    decltype(&::EvtQuery) Query = nullptr;
    decltype(&::EvtNext) Next = nullptr;
    decltype(&::EvtRender) Render = nullptr;
    decltype(&::EvtClose) Close = nullptr;

private:
    template <class Function>
    Function Find(const char* name) const {
        const FARPROC proc = ::GetProcAddress(m_module, name);
        // Through a plain function pointer type: FARPROC's own signature is unrelated.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
    }

    HMODULE m_module = nullptr;
};

// The query's handle, closed when it goes.
class QueryHandle {
public:
    QueryHandle(const EventLogApi& api, EVT_HANDLE handle) : m_api(api), m_handle(handle) {}
    ~QueryHandle() {
        if (m_handle) m_api.Close(m_handle);
    }
    QueryHandle(const QueryHandle&) = delete;
    QueryHandle& operator=(const QueryHandle&) = delete;
    EVT_HANDLE Get() const { return m_handle; }

private:
    const EventLogApi& m_api;
    EVT_HANDLE m_handle;
};

// The event handles one call of EvtNext hands over, all closed when it goes.
class EventBatch {
public:
    explicit EventBatch(const EventLogApi& api) : m_api(api) {}
    ~EventBatch() {
        for (DWORD i = 0; i < m_count && i < kBatch; ++i)
            if (m_events[i]) m_api.Close(m_events[i]);
    }
    EventBatch(const EventBatch&) = delete;
    EventBatch& operator=(const EventBatch&) = delete;

    // False at the end of the results or on a failure; GetLastError tells which.
    bool Fill(EVT_HANDLE results, DWORD timeoutMilliseconds) {
        return m_api.Next(results, kBatch, m_events, timeoutMilliseconds, 0, &m_count) != FALSE;
    }
    DWORD Count() const { return m_count < kBatch ? m_count : kBatch; }
    EVT_HANDLE operator[](DWORD i) const { return m_events[i]; }

private:
    const EventLogApi& m_api;
    EVT_HANDLE m_events[kBatch] = {};
    DWORD m_count = 0;
};

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
    EventLogApi api;
    if (!api.Loaded()) return log;

    const std::wstring query = HistoryQuery();
    QueryHandle results(api, api.Query(nullptr, nullptr, query.c_str(), EvtQueryChannelPath | EvtQueryReverseDirection));
    if (!results.Get()) return log;

    const ULONGLONG deadline = ::GetTickCount64() + kMostMilliseconds;
    std::vector<wchar_t> buffer(4096);
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline || log.events.size() >= kMostEvents) break;
        EventBatch batch(api);
        if (!batch.Fill(results.Get(), static_cast<DWORD>(deadline - now))) {
            // The end of the results; any other failure before the first
            // event leaves the log unreadable, a later one keeps what was read.
            if (::GetLastError() == ERROR_NO_MORE_ITEMS) log.readable = true;
            break;
        }
        log.readable = true;
        for (DWORD i = 0; i < batch.Count() && log.events.size() < kMostEvents; ++i) {
            if (std::optional<SystemEvent> event = ParseSystemEventXml(RenderXml(api, batch[i], buffer)))
                log.events.push_back(std::move(*event));
        }
    }
    return log;
}
