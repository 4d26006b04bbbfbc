// Static message tables: plain arrays of {message, notification code, id,
// handler} searched in order, each table chaining to its base class's table.
// The handler adapters below unpack WPARAM/LPARAM for one member signature
// each, so a table entry names the member it calls and nothing is hidden.
#pragma once
#include <windows.h>
#include <cstddef>

class CWnd;

using MessageHandler = LRESULT (*)(CWnd& self, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    UINT message;   // WM_xxx; WM_COMMAND entries also match id and code
    UINT code;      // notification code of WM_COMMAND (0 for menus and BN_CLICKED)
    UINT id;        // command or control id of WM_COMMAND, otherwise 0
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* base;  // the base class's table, or nullptr
    const MessageEntry* entries;
    std::size_t count;
};

// The classic control-colour message: every WM_CTLCOLORxxx is looked up under
// this number, with the control type passed along.
constexpr UINT WM_CTLCOLOR_ANY = 0x0019;
// A message reflected by the parent to the control that caused it is looked up
// in the control's table as this base plus the message.
constexpr UINT kReflectBase = 0xBC00;
constexpr UINT WM_REFLECT_CTLCOLOR = kReflectBase + WM_CTLCOLOR_ANY;
// An owner-drawn button's draw request, reflected to the button's object.
constexpr UINT WM_REFLECT_DRAWITEM = kReflectBase + WM_DRAWITEM;

constexpr MessageEntry OnMessage(UINT message, MessageHandler handler) {
    return MessageEntry{message, 0, 0, handler};
}

constexpr MessageEntry OnCommand(UINT id, MessageHandler handler) {
    return MessageEntry{WM_COMMAND, 0, id, handler};
}

namespace msg {

// void F() - commands, WM_PAINT, WM_DESTROY
template <class T, void (T::*F)()>
LRESULT Void(CWnd& self, WPARAM, LPARAM) {
    (static_cast<T&>(self).*F)();
    return 0;
}

// void F(UINT_PTR id) - WM_TIMER
template <class T, void (T::*F)(UINT_PTR)>
LRESULT Timer(CWnd& self, WPARAM wParam, LPARAM) {
    (static_cast<T&>(self).*F)(static_cast<UINT_PTR>(wParam));
    return 0;
}

// HCURSOR F() - WM_QUERYDRAGICON
template <class T, HCURSOR (T::*F)()>
LRESULT QueryDragIcon(CWnd& self, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((static_cast<T&>(self).*F)());
}

// void F(UINT command, LPARAM) - WM_SYSCOMMAND
template <class T, void (T::*F)(UINT, LPARAM)>
LRESULT SysCommand(CWnd& self, WPARAM wParam, LPARAM lParam) {
    (static_cast<T&>(self).*F)(static_cast<UINT>(wParam), lParam);
    return 0;
}

// int F(CREATESTRUCTA*) - WM_CREATE
template <class T, int (T::*F)(CREATESTRUCTA*)>
LRESULT Create(CWnd& self, WPARAM, LPARAM lParam) {
    return (static_cast<T&>(self).*F)(reinterpret_cast<CREATESTRUCTA*>(lParam));
}

// HBRUSH F(HDC, UINT controlType) - WM_CTLCOLOR_ANY and its reflection
template <class T, HBRUSH (T::*F)(HDC, UINT)>
LRESULT CtlColor(CWnd& self, WPARAM wParam, LPARAM lParam) {
    return reinterpret_cast<LRESULT>(
        (static_cast<T&>(self).*F)(reinterpret_cast<HDC>(wParam), static_cast<UINT>(lParam)));
}

// BOOL F(HDC) - WM_ERASEBKGND
template <class T, BOOL (T::*F)(HDC)>
LRESULT EraseBkgnd(CWnd& self, WPARAM wParam, LPARAM) {
    return (static_cast<T&>(self).*F)(reinterpret_cast<HDC>(wParam));
}

// void F(UINT type, int cx, int cy) - WM_SIZE
template <class T, void (T::*F)(UINT, int, int)>
LRESULT Size(CWnd& self, WPARAM wParam, LPARAM lParam) {
    (static_cast<T&>(self).*F)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                               static_cast<short>(HIWORD(lParam)));
    return 0;
}

// void F(DRAWITEMSTRUCT*) - a reflected WM_DRAWITEM; answers TRUE (drawn)
template <class T, void (T::*F)(LPDRAWITEMSTRUCT)>
LRESULT DrawItem(CWnd& self, WPARAM, LPARAM lParam) {
    (static_cast<T&>(self).*F)(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

// void F(UINT flags, POINT client) - WM_MOUSEMOVE and the other mouse messages
template <class T, void (T::*F)(UINT, POINT)>
LRESULT Mouse(CWnd& self, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    (static_cast<T&>(self).*F)(static_cast<UINT>(wParam), point);
    return 0;
}

// LRESULT F(WPARAM, LPARAM) - anything else, unpacked by the handler
template <class T, LRESULT (T::*F)(WPARAM, LPARAM)>
LRESULT Raw(CWnd& self, WPARAM wParam, LPARAM lParam) {
    return (static_cast<T&>(self).*F)(wParam, lParam);
}

}  // namespace msg
