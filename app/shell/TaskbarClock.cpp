#include "app/shell/TaskbarClock.h"

#include "framework/Handles.h"

namespace {

struct ClockChain {
    HWND tray = nullptr;
    HWND clock = nullptr;
};

ClockChain FindClockChain() {
    ClockChain chain;
    HWND tray = ::FindWindowA("Shell_TrayWnd", nullptr);
    HWND notify = tray ? ::FindWindowExA(tray, nullptr, "TrayNotifyWnd", nullptr) : nullptr;
    HWND clock = notify ? ::FindWindowExA(notify, nullptr, "TrayClockWClass", nullptr) : nullptr;
    if (clock) {
        chain.tray = ::GetParent(notify);
        chain.clock = clock;
    }
    return chain;
}

// How the first copy found the clock; unmarked until a copy has seen it.
enum ClockState : LONG { kUnmarked = 0, kShown = 1, kHidden = 2 };

// The clock's own visibility, whatever the taskbar around it does (an
// auto-hidden taskbar still has a shown clock).
ClockState StateOf(HWND clock) { return (::GetWindowLongA(clock, GWL_STYLE) & WS_VISIBLE) ? kShown : kHidden; }

// What the first copy found is written on the clock window itself: the
// shared record ends with the last copy that has it open, so a copy killed
// while alone would take it along, but the mark lasts as long as that
// clock. A new taskbar's clock carries none.
constexpr char kFoundStateMark[] = "Tallvox.ClockFoundState";

ClockState FoundState(HWND clock) {
    return static_cast<ClockState>(reinterpret_cast<INT_PTR>(::GetPropA(clock, kFoundStateMark)));
}

// Marks the clock with its state unless a copy (running, or one that ended
// without letting go) already did; false when it can't be marked.
bool MarkFoundState(HWND clock) {
    if (FoundState(clock) != kUnmarked) return true;
    return ::SetPropA(clock, kFoundStateMark, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(StateOf(clock)))) != FALSE;
}

void SetClockShown(const ClockChain& chain, bool shown) {
    ::ShowWindow(chain.clock, shown ? SW_SHOWDEFAULT : SW_HIDE);
    ::PostMessageA(chain.tray, WM_SIZE, 0, 0);
}

// Hides the clock there is, marked first with how it was found; a clock that
// can't be marked is left alone, since it could not be given back.
void HideClock() {
    const ClockChain chain = FindClockChain();
    if (chain.clock && MarkFoundState(chain.clock)) SetClockShown(chain, false);
}

// Shows the clock again if it was shown when found, and takes the mark off.
void GiveClockBack() {
    const ClockChain chain = FindClockChain();
    if (!chain.clock) return;
    const ClockState found = FoundState(chain.clock);
    ::RemovePropA(chain.clock, kFoundStateMark);
    if (found == kShown) SetClockShown(chain, true);
}

// A running copy: its process id and when it started, so that an id reused
// by another process after a copy ended is not mistaken for that copy.
struct Holder {
    DWORD pid;
    FILETIME started;
};

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

FILETIME StartTimeOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    ::GetProcessTimes(process, &created, &exited, &kernel, &user);
    return created;
}

Holder ThisCopy() { return Holder{::GetCurrentProcessId(), StartTimeOf(::GetCurrentProcess())}; }

bool IsRunning(const Holder& holder) {
    const CKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, holder.pid));
    // A copy we may not look at (run by another account) is taken as running.
    if (!process) return ::GetLastError() == ERROR_ACCESS_DENIED;
    return ::WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT &&
           SameTime(StartTimeOf(process.Get()), holder.started);
}

constexpr LONG kMaxHolders = 64;

// The record every copy shares; a new mapping starts zeroed: nobody holding.
struct ClockRecord {
    LONG holderCount;
    Holder holders[kMaxHolders];
};

constexpr char kRecordName[] = "Local\\Tallvox.TaskbarClock.Holders";
constexpr char kLockName[] = "Local\\Tallvox.TaskbarClock.Lock";
// Held only for a few window calls; a copy stuck longer than this is not
// waited for.
constexpr DWORD kLockWaitMs = 5000;

}  // namespace

// The shared record, or a private one when the system refuses the named
// objects (the copy then decides alone).
class CTaskbarClock::CSharedRecord {
public:
    CSharedRecord()
        : m_hMapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ClockRecord),
                                          kRecordName)),
          m_hLock(::CreateMutexA(nullptr, FALSE, kLockName)) {
        if (m_hMapping && m_hLock)
            m_view.Attach(::MapViewOfFile(m_hMapping.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(ClockRecord)));
        m_pView = static_cast<ClockRecord*>(m_view.Get());
    }
    CSharedRecord(const CSharedRecord&) = delete;
    CSharedRecord& operator=(const CSharedRecord&) = delete;

    // The record, with the copies that ended taken off, for as long as the
    // guard lives.
    class Guard {
    public:
        explicit Guard(CSharedRecord& owner)
            : m_owner(owner), m_locked(owner.m_pView && IsOwned(::WaitForSingleObject(owner.m_hLock.Get(), kLockWaitMs))) {
            ClockRecord& r = Record();
            if (r.holderCount < 0 || r.holderCount > kMaxHolders) r.holderCount = 0;
            LONG kept = 0;
            for (LONG i = 0; i < r.holderCount; ++i)
                if (IsRunning(r.holders[i])) r.holders[kept++] = r.holders[i];
            r.holderCount = kept;
        }
        ~Guard() {
            if (m_locked) ::ReleaseMutex(m_owner.m_hLock.Get());
        }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

        ClockRecord& Record() { return m_locked ? *m_owner.m_pView : m_owner.m_private; }

    private:
        // A copy that died holding the lock leaves it abandoned, and ours.
        static bool IsOwned(DWORD wait) { return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED; }
        CSharedRecord& m_owner;
        bool m_locked;
    };

private:
    CKernelHandle m_hMapping;
    CKernelHandle m_hLock;
    CUniqueHandle<MappedViewTraits> m_view;
    ClockRecord* m_pView = nullptr;
    ClockRecord m_private{};
};

CTaskbarClock::CTaskbarClock() : m_record(std::make_unique<CSharedRecord>()) {}

CTaskbarClock::~CTaskbarClock() { Restore(); }

void CTaskbarClock::Hide() {
    if (m_bHolding) {
        HideAgain();
        return;
    }
    CSharedRecord::Guard guard(*m_record);
    ClockRecord& record = guard.Record();
    if (record.holderCount < kMaxHolders) record.holders[record.holderCount++] = ThisCopy();
    m_bHolding = true;
    HideClock();
}

void CTaskbarClock::HideAgain() {
    if (!m_bHolding) return;
    CSharedRecord::Guard guard(*m_record);
    HideClock();
}

void CTaskbarClock::Restore() {
    if (!m_bHolding) return;
    m_bHolding = false;
    CSharedRecord::Guard guard(*m_record);
    ClockRecord& record = guard.Record();
    const Holder self = ThisCopy();
    LONG kept = 0;
    for (LONG i = 0; i < record.holderCount; ++i)
        if (record.holders[i].pid != self.pid) record.holders[kept++] = record.holders[i];
    record.holderCount = kept;
    if (kept == 0) GiveClockBack();  // else another copy still shows its clock there
}
