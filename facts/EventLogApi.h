// The Windows Event Log API (wevtapi.dll), loaded at run time from the system
// folder (never a copy beside the program), so the program also starts where
// it is missing; the log then counts as unreadable.
#pragma once
#include <windows.h>
#include <winevt.h>

#include "framework/Handles.h"
#include "framework/SystemFolder.h"

// A handle of the API (query, event, render context), closed through the
// loaded EvtClose.
struct EvtHandleTraits {
    using Handle = EVT_HANDLE;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return close && close(handle) != FALSE; }
    decltype(&::EvtClose) close = nullptr;
};
using CEvtHandle = CUniqueHandle<EvtHandleTraits>;

class EventLogApi {
public:
    EventLogApi()
        : m_module(LoadSystemLibrary("wevtapi.dll")),
          Query(ProcAddress<decltype(&::EvtQuery)>(m_module.Get(), "EvtQuery")),
          Next(ProcAddress<decltype(&::EvtNext)>(m_module.Get(), "EvtNext")),
          CreateRenderContext(ProcAddress<decltype(&::EvtCreateRenderContext)>(m_module.Get(), "EvtCreateRenderContext")),
          Render(ProcAddress<decltype(&::EvtRender)>(m_module.Get(), "EvtRender")),
          Close(ProcAddress<decltype(&::EvtClose)>(m_module.Get(), "EvtClose")) {}

    bool Loaded() const { return Query && Next && CreateRenderContext && Render && Close; }
    // An owner for a handle the API gave.
    CEvtHandle Own(EVT_HANDLE handle) const { return CEvtHandle(handle, EvtHandleTraits{Close}); }

private:
    CModule m_module;  // first: the entry points below are looked up in it

public:
    const decltype(&::EvtQuery) Query;
    const decltype(&::EvtNext) Next;
    const decltype(&::EvtCreateRenderContext) CreateRenderContext;
    const decltype(&::EvtRender) Render;
    const decltype(&::EvtClose) Close;
};
