// Cost of the clock's painting on the path the program paints with: the
// clock control in a real window composes into a DIB section and copies it to
// its window with the key colour left out. Each paint is set against the
// bare keyed copy of the same size to the same window, at 100 % and with a
// face twice the size (200 %).
#include <windows.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "BenchResources.h"
#include "controls/AnalogClock.h"
#include "controls/BitmapDC.h"
#include "controls/DibSurface.h"
#include "resource.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr int kClockX = 10;
constexpr int kClockY = 10;

// The clock with its time under the benchmark's control.
class BenchClock : public CAnalogClock {
public:
    __time64_t now = 0;

protected:
    __time64_t CurrentTime() override { return now; }
};

// CPU seconds used so far by the wineserver whose Unix PID scripts/bench
// passes in TALLVOX_WINESERVER_PID, read from /proc through Wine's Z: drive;
// negative when unknown. Window and paint calls are partly served there, so
// it belongs to a paint's cost.
double ServerCpuSeconds()
{
    const char* pid = std::getenv("TALLVOX_WINESERVER_PID");
    const char* hz = std::getenv("TALLVOX_CLK_TCK");
    if (!pid || !hz || std::atoi(hz) <= 0)
        return -1;
    std::ifstream stat(std::string("Z:\\proc\\") + pid + "\\stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
        return -1;
    // After the command's closing parenthesis: state is field 3, utime 14, stime 15.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i >= 14)
            ticks += std::atof(field.c_str());
    return ticks / std::atoi(hz);
}

// Adds the wineserver's CPU time per iteration over the timed loop.
class ServerCpu {
public:
    explicit ServerCpu(benchmark::State& state) : m_state(state), m_start(ServerCpuSeconds()) {}
    ~ServerCpu()
    {
        const double end = ServerCpuSeconds();
        if (m_start >= 0 && end >= 0)
            m_state.counters["server_us"] =
                benchmark::Counter((end - m_start) * 1e6, benchmark::Counter::kAvgIterations);
    }
    ServerCpu(const ServerCpu&) = delete;
    ServerCpu& operator=(const ServerCpu&) = delete;

private:
    benchmark::State& m_state;
    double m_start;
};

int FaceForScale(int scale) { return scale == 200 ? IDB_BENCH_FACE_SILVER_X2 : IDB_FACE_SILVER; }

// 10:10:00 on a fixed day: the start of a minute.
__time64_t MinuteStart()
{
    tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 5;
    t.tm_hour = 10;
    t.tm_min = 10;
    t.tm_isdst = -1;
    return _mktime64(&t);
}

// Runs the message loop for a while, as the program does between ticks: the
// window manager and Wine finish showing or destroying a window only through
// it, and a window still settling makes every paint dearer.
void PumpMessages(DWORD milliseconds)
{
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

const char* ParentClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = ::CreateSolidBrush(RGB(236, 233, 216));
        wc.lpszClassName = "TallvoxClockBenchParent";
        ::RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

// A shown top-level window holding the clock, sized to its face and started
// as the main window does; the first paint composes the minute.
class ClockWindow {
public:
    explicit ClockWindow(int scale)
    {
        m_parent = ::CreateWindowExA(0, ParentClass(), "Clock bench", WS_POPUP | WS_VISIBLE, 40, 40, 240, 240,
                                     nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        m_static = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, kClockX, kClockY, 70, 47, m_parent,
                                     nullptr, ::GetModuleHandleA(nullptr), nullptr);
        m_font = ::CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
        ::SendMessageA(m_static, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        if (!m_static || !m_clock.SubclassWindow(m_static))
            return;
        m_faceId = FaceForScale(scale);
        m_clock.SetSkin(m_faceId, IDB_DATE_GREY);
        m_face = m_clock.GetFaceSize();
        m_clock.MoveWindow(kClockX, kClockY, m_face.cx, m_face.cy, TRUE);
        m_clock.now = MinuteStart();
        m_clock.Start();
        ::UpdateWindow(m_parent);
        ::UpdateWindow(m_static);
        PumpMessages(300);
    }
    ~ClockWindow()
    {
        if (m_parent)
            ::DestroyWindow(m_parent);
        if (m_font)
            ::DeleteObject(m_font);
        PumpMessages(100);
    }
    ClockWindow(const ClockWindow&) = delete;
    ClockWindow& operator=(const ClockWindow&) = delete;

    // Why the window cannot serve; null when it can.
    const char* Problem(int scale) const
    {
        if (!m_parent || !m_static)
            return "cannot create the windows";
        if (m_face.cx != scale || m_face.cy != scale)
            return "the face is not scale x scale pixels";
        return m_clock.ComposeCount() == 1 ? nullptr : "the first paint did not compose";
    }

    // What the clock's one-second timer brings about, with any paint it asks
    // for carried out at once. The clock does not look at the timer's id.
    void Tick(__time64_t now)
    {
        m_clock.now = now;
        ::SendMessageA(m_static, WM_TIMER, 1, 0);
        ::UpdateWindow(m_static);
    }

    HWND Clock() const { return m_static; }
    int FaceId() const { return m_faceId; }
    SIZE Face() const { return m_face; }
    int ComposeCount() const { return m_clock.ComposeCount(); }

private:
    HWND m_parent = nullptr;
    HWND m_static = nullptr;
    HFONT m_font = nullptr;
    BenchClock m_clock;
    int m_faceId = 0;
    SIZE m_face{0, 0};
};

// A second of the same minute: the cached picture, the second hand and the
// keyed copy to the window.
void BM_Tick(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    ClockWindow window(scale);
    if (const char* problem = window.Problem(scale)) {
        state.SkipWithError(problem);
        return;
    }
    const __time64_t minute = MinuteStart();
    int second = 0;
    {
        ServerCpu server(state);
        for (auto _ : state) {
            second = second % 59 + 1;
            window.Tick(minute + second);
        }
    }
    if (window.ComposeCount() != 1)
        state.SkipWithError("a tick composed the minute again");
    state.SetLabel(std::to_string(window.Face().cx) + " px");
}

// The first second of each new minute: face, date and the slow hands are
// composed again and cached.
void BM_MinuteCompose(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    ClockWindow window(scale);
    if (const char* problem = window.Problem(scale)) {
        state.SkipWithError(problem);
        return;
    }
    __time64_t now = MinuteStart();
    {
        ServerCpu server(state);
        for (auto _ : state) {
            now += 60;
            window.Tick(now);
        }
    }
    if (window.ComposeCount() != 1 + static_cast<int>(state.iterations()))
        state.SkipWithError("a new minute was not composed");
    state.SetLabel(std::to_string(window.Face().cx) + " px");
}

// The floor of a tick: one keyed copy of a face-sized DIB section, holding
// the face on the key colour, to the clock's window.
void BM_KeyedCopyFloor(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    ClockWindow window(scale);
    if (const char* problem = window.Problem(scale)) {
        state.SkipWithError(problem);
        return;
    }
    const SIZE face = window.Face();
    HDC screen = ::GetDC(window.Clock());
    DibSurface canvas;
    CBitmapDC faceBitmap;
    if (!canvas.Create(face.cx, face.cy, screen) || !faceBitmap.Load(window.FaceId(), screen)) {
        ::ReleaseDC(window.Clock(), screen);
        state.SkipWithError("cannot make the canvas");
        return;
    }
    ::BitBlt(canvas, 0, 0, face.cx, face.cy, faceBitmap, 0, 0, SRCCOPY);
    {
        ServerCpu server(state);
        for (auto _ : state)
            ::GdiTransparentBlt(screen, 0, 0, face.cx, face.cy, canvas, 0, 0, face.cx, face.cy, kKey);
    }
    ::ReleaseDC(window.Clock(), screen);
    state.SetLabel(std::to_string(face.cx) + " px");
}

// Other work on a shared machine only ever adds time: the fastest of the
// repetitions is reported beside their median.
double Fastest(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

void Scales(benchmark::internal::Benchmark* b)
{
    b->ArgName("scale")->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond)->UseRealTime();
    b->ComputeStatistics("min", Fastest);
}

BENCHMARK(BM_Tick)->Apply(Scales);
BENCHMARK(BM_KeyedCopyFloor)->Apply(Scales);
BENCHMARK(BM_MinuteCompose)->Apply(Scales);

} // namespace

BENCHMARK_MAIN();
