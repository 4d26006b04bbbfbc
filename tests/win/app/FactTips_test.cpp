// In process: the hover tips over the boot-time and installation-date lines
// for each case, on a real tooltip control, and the main window's own tips.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/FactTips.h"
#include "app/TallvoxDlg.h"
#include "core/facts/TimeZoneForTest.h"
#include "resource.h"

namespace {

const int64_t kBoot = 1796619600;  // 12-07-2026 @ 05:00:00 UTC
const int64_t kDay = 86400;
const uint64_t kUptime = 12 * kDay + 7200;
const int64_t kNow = kBoot + static_cast<int64_t>(kUptime);
const char kAwakeTwoHours[] = "Awake: 2 hours 0 min 0 sec (time asleep not counted)";
const char kEarlierNote[] = "\r\nFeature updates of Windows reset the date shown.";

using N = RegistryNumber;

// A window with the three lines of the main window that carry tips.
class TipLines {
public:
    TipLines() {
        m_window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 120, nullptr, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
        int top = 0;
        for (int id : {IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE})
            ::CreateWindowExA(0, "STATIC", "line", WS_CHILD | WS_VISIBLE, 10, top += 20, 250, 14, m_window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    }
    ~TipLines() { ::DestroyWindow(m_window); }
    TipLines(const TipLines&) = delete;
    TipLines& operator=(const TipLines&) = delete;
    HWND Get() const { return m_window; }

private:
    HWND m_window = nullptr;
};

FactTipSources Sources(std::function<StartFactsReading()> read, uint64_t awake) {
    FactTipSources sources;
    sources.readStarts = std::move(read);
    sources.readAwakeSeconds = [awake] { return std::optional<uint64_t>(awake); };
    return sources;
}

SystemLogStarts Log(bool readable, std::vector<BootTypeEvent> bootTypes, std::vector<int64_t> startTimes = {}) {
    SystemLogStarts log;
    log.readable = readable;
    log.bootTypes = std::move(bootTypes);
    log.startTimes = std::move(startTimes);
    return log;
}

// Refreshes once a few milliseconds until `done` holds: the reading happens
// on a thread of its own.
template <class Condition>
bool RefreshUntil(CFactTips& tips, uint64_t tickMilliseconds, int64_t now, std::optional<int64_t> shown,
                  Condition done) {
    for (int i = 0; i < 300; ++i) {
        tips.Refresh(tickMilliseconds, now, shown);
        if (done()) return true;
        ::Sleep(10);
    }
    return false;
}

struct TipCase {
    const char* name;
    StartFactsReading reading;
    std::optional<int64_t> shownInstall;
    std::string bootTip;
    std::string installTip;
};

}  // namespace

TEST(FactTips, EachCaseSetsItsTextsOnTheLinesTips) {
    TimeZoneForTest zone("UTC0");
    const TipCase cases[] = {
        {"fast startup, installed before a feature update",
         {Log(true, {{kBoot + 12 * kDay, 1}}, {kBoot + 1}), {N::Dword(1400000000), {N::Dword(1300000000)}}, {}, {}},
         1400000000,
         std::string("Last start: 12-19-2026 @ 05:00:00 (fast startup)\r\n") + kAwakeTwoHours,
         std::string("Originally installed: 03-13-2011 @ 07:06:40") + kEarlierNote},
        {"full boot at the boot time, never updated",
         {Log(true, {{kBoot + 20, 0}}, {kBoot}), {N::Dword(1400000000), {}}, {}, {}},
         1400000000,
         kAwakeTwoHours,
         ""},
        {"resume from hibernation; no current value, compared with the shown date",
         {Log(true, {{kBoot + 3 * kDay + 61, 2}}), {N(), {N::Dword(1300000000)}}, {}, {}},
         1388534400,
         std::string("Last start: 12-10-2026 @ 05:01:01 (resume from hibernation)\r\n") + kAwakeTwoHours,
         std::string("Originally installed: 03-13-2011 @ 07:06:40") + kEarlierNote},
        {"an unreadable log; an earlier key that is not earlier",
         {Log(false, {}), {N(), {N::Dword(1500000000)}}, {}, {}},
         1388534400,
         kAwakeTwoHours,
         ""},
        {"no events; nothing about the installation", {Log(true, {}), {}, {}, {}}, std::nullopt, kAwakeTwoHours, ""},
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE(c.name);
        TipLines window;
        const StartFactsReading reading = c.reading;
        CFactTips tips(Sources([reading] { return reading; }, 7200));
        tips.Attach(window.Get(), IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE);
        ASSERT_NE(nullptr, tips.TipWindow());
        RefreshUntil(tips, kUptime * 1000, kNow, c.shownInstall,
                     [&] { return tips.BootTip() == c.bootTip && tips.InstallTip() == c.installTip; });
        EXPECT_EQ(c.bootTip, tips.BootTip());
        EXPECT_EQ(c.installTip, tips.InstallTip());
        // A tip shows only while the mouse rests on its line.
        EXPECT_FALSE(::IsWindowVisible(tips.TipWindow()));
        const int tools = static_cast<int>(::SendMessageA(tips.TipWindow(), TTM_GETTOOLCOUNT, 0, 0));
        EXPECT_EQ(c.installTip.empty() ? 1 : 2, tools) << "a line without a tip has no tool";
    }
}

TEST(FactTips, TheUptimeLineTellsTheLast30DaysAndAPendingRestart) {
    TimeZoneForTest zone("UTC0");
    StartFactsReading reading;
    reading.history.readable = true;
    reading.history.events.resize(1);  // a fast startup two hours ago
    reading.history.events[0].kind = SystemEventKind::BootType;
    reading.history.events[0].loggedAt = kNow - 7200;
    reading.history.events[0].code = 1;
    reading.pending.windowsUpdate = true;
    TipLines window;
    CFactTips tips(Sources([reading] { return reading; }, 7200));
    tips.Attach(window.Get(), IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE);
    const std::string tip =
        "Last 30 days: 0 restarts, 0 unexpected stops, availability 100.0 %\r\nRestart pending (Windows Update)";
    EXPECT_TRUE(RefreshUntil(tips, kUptime * 1000, kNow, std::nullopt, [&] { return tips.UptimeTip() == tip; }))
        << tips.UptimeTip();
}

TEST(FactTips, AfterTheSystemSleptTheLogIsReadAgain) {
    TimeZoneForTest zone("UTC0");
    std::atomic<int> reads{0};
    const StartFactsReading beforeSleep{Log(true, {{kBoot + 5 * kDay, 1}}), {}, {}, {}};
    const StartFactsReading afterResume{Log(true, {{kNow - 600, 2}}), {}, {}, {}};
    uint64_t awake = kUptime;  // nothing asleep yet
    FactTipSources sources;
    sources.readStarts = [&] { return ++reads == 1 ? beforeSleep : afterResume; };
    sources.readAwakeSeconds = [&] { return std::optional<uint64_t>(awake); };
    TipLines window;
    CFactTips tips(sources);
    tips.Attach(window.Get(), IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE);

    const std::string started = "Last start: 12-12-2026 @ 05:00:00 (fast startup)\r\n"
                                "Awake: 12 days 2 hours 0 min 0 sec (time asleep not counted)";
    ASSERT_TRUE(RefreshUntil(tips, kUptime * 1000, kNow, std::nullopt, [&] { return tips.BootTip() == started; }))
        << tips.BootTip();
    tips.Refresh(kUptime * 1000, kNow, std::nullopt);
    ::Sleep(50);
    EXPECT_EQ(1, reads.load()) << "no sleep, no second read";

    // An hour asleep, then awake again ten minutes after a resume.
    awake = kUptime - 3600;
    const std::string resumed = "Last start: 12-19-2026 @ 06:50:00 (resume from hibernation)\r\n"
                                "Awake: 12 days 1 hour 0 min 0 sec (time asleep not counted)";
    EXPECT_TRUE(RefreshUntil(tips, kUptime * 1000, kNow, std::nullopt, [&] { return tips.BootTip() == resumed; }))
        << tips.BootTip();
    EXPECT_EQ(2, reads.load());
}

namespace {

class OpenDlg : public CTallvoxDlg {
public:
    OpenDlg() : CTallvoxDlg(nullptr, VoiceFactory()) {}
};

// The tooltip control serving `window`: one of this thread's tooltip
// windows with a tool in it.
struct TipSearch {
    HWND window;
    HWND found;
};

BOOL CALLBACK FindServingTip(HWND tip, LPARAM param) {
    auto* search = reinterpret_cast<TipSearch*>(param);
    char cls[32] = {};
    ::GetClassNameA(tip, cls, sizeof cls);
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0) return TRUE;
    char text[1024] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.lpszText = text;
    if (!::SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)) || info.hwnd != search->window)
        return TRUE;
    search->found = tip;
    return FALSE;
}

// The area of the tip of a line, and the line's place, in the window's
// client coordinates.
RECT ToolArea(HWND tip, HWND owner, UINT id) {
    char text[1024] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = text;
    ::SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
    return info.rect;
}

RECT LinePlace(HWND owner, UINT id) {
    RECT rc{};
    ::GetWindowRect(::GetDlgItem(owner, static_cast<int>(id)), &rc);
    ::MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

std::string ToolText(HWND tip, HWND owner, UINT id) {
    char text[1024] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = text;
    ::SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

}  // namespace

TEST(FactTips, TheMainWindowsBootLineCarriesItsTipWhereverTheLineGoes) {
    OpenDlg dlg;
    ASSERT_TRUE(dlg.Create());
    const HWND window = dlg.GetSafeHwnd();
    auto refresh = [&] { ::SendMessageA(window, WM_TIMER, CTallvoxDlg::IDT_REFRESH, 0); };
    TipSearch search{window, nullptr};
    for (int i = 0; i < 300 && !search.found; ++i) {
        refresh();
        ::EnumThreadWindows(::GetCurrentThreadId(), FindServingTip, reinterpret_cast<LPARAM>(&search));
        ::Sleep(10);
    }
    ASSERT_NE(nullptr, search.found) << "the tooltip control of the main window, with the boot line's tip";
    const HWND tip = search.found;
    EXPECT_NE(std::string::npos, ToolText(tip, window, IDC_LINE_BOOT_TIME).find("Awake: "));
    EXPECT_FALSE(::IsWindowVisible(tip));
    const RECT line = LinePlace(window, IDC_LINE_BOOT_TIME);
    const RECT area = ToolArea(tip, window, IDC_LINE_BOOT_TIME);
    EXPECT_TRUE(::EqualRect(&line, &area));

    // The lines are centred again in a wider window; the tip's area follows.
    const RECT before = line;
    ::SetWindowPos(window, nullptr, 0, 0, 400, 230, SWP_NOMOVE | SWP_NOZORDER);
    refresh();
    const RECT after = LinePlace(window, IDC_LINE_BOOT_TIME);
    EXPECT_FALSE(::EqualRect(&before, &after)) << "the line moved";
    const RECT moved = ToolArea(tip, window, IDC_LINE_BOOT_TIME);
    EXPECT_TRUE(::EqualRect(&after, &moved));

    // The line itself says what it said.
    char text[256] = {};
    ::GetWindowTextA(::GetDlgItem(window, IDC_LINE_BOOT_TIME), text, sizeof text);
    EXPECT_EQ(0u, std::string(text).rfind("- Boot Time : ", 0)) << text;
    ::DestroyWindow(window);
}
