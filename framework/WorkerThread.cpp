#include "framework/WorkerThread.h"

#include <process.h>

namespace {

unsigned __stdcall RunWork(void* param) {
    const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(param));
    try {
        (*work)();
    } catch (...) {
        // Nothing may leave a thread's function.
    }
    return 0;
}

}  // namespace

CWorkerThread::~CWorkerThread() { Wait(m_exitWaitMs); }

bool CWorkerThread::Start(std::function<void()> work) {
    if (m_thread) return false;
    auto param = std::make_unique<std::function<void()>>(std::move(work));
    // _beginthreadex sets up the C runtime for the new thread.
    m_thread.Attach(reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, RunWork, param.get(), 0, nullptr)));
    if (!m_thread) return false;
    param.release();  // the thread's now
    return true;
}

bool CWorkerThread::Wait(DWORD ms) const {
    return !m_thread || ::WaitForSingleObject(m_thread.Get(), ms) == WAIT_OBJECT_0;
}
