// The Windows taskbar's own clock ("Shell_TrayWnd" > "TrayNotifyWnd" >
// "TrayClockWClass"), hidden while Tallvox runs so its clock takes the place.
#pragma once
#include <windows.h>

#include <memory>

// Keeps the taskbar clock hidden while this copy of the program holds it, and
// gives it back as it was found: a clock that was already hidden when the
// first copy started stays hidden. Every copy running in the session shares
// one small record (a named file mapping under a named mutex) listing the
// copies holding the clock; the clock's first state is marked on the clock
// window itself, and the last copy to let go restores it. A copy that ended
// without letting go (killed, crashed) no longer counts, and the mark it left
// outlives it: the next copy to let go last gives the clock back as that copy
// found it. Nothing happens where the taskbar has no such clock (another
// shell, no taskbar). After hiding or showing, the taskbar is asked to lay
// out its notification area again.
class CTaskbarClock {
public:
    CTaskbarClock();
    // Lets go, as Restore.
    ~CTaskbarClock();
    CTaskbarClock(const CTaskbarClock&) = delete;
    CTaskbarClock& operator=(const CTaskbarClock&) = delete;

    // Takes hold and hides the clock.
    void Hide();
    // A new taskbar came up ("TaskbarCreated") with a clock of its own: hides
    // that one too while this copy holds the clock.
    void HideAgain();
    // Lets go. The last copy to let go shows the clock again if it was shown
    // when the first copy took hold. Calling it again does nothing.
    void Restore();

    bool IsHolding() const { return m_bHolding; }

private:
    class CSharedRecord;
    std::unique_ptr<CSharedRecord> m_record;
    bool m_bHolding = false;
};
