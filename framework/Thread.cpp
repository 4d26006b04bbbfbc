#include "framework/Thread.h"

#include <process.h>

namespace {

struct Start {
    AFX_THREADPROC proc;
    LPVOID param;
};

unsigned __stdcall RunThread(void* start) {
    const Start s = *static_cast<Start*>(start);
    delete static_cast<Start*>(start);
    return s.proc(s.param);
}

}  // namespace

bool AfxBeginThread(AFX_THREADPROC proc, LPVOID param) {
    auto* start = new Start{proc, param};
    // _beginthreadex sets up the C runtime for the new thread.
    const uintptr_t thread = ::_beginthreadex(nullptr, 0, RunThread, start, 0, nullptr);
    if (!thread) {
        delete start;
        return false;
    }
    ::CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}
