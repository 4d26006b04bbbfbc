// The owners of the Windows handle kinds the program holds, all of them
// CUniqueHandle with the kind's closing function.
#pragma once
#include <windows.h>

#include "framework/UniqueHandle.h"

template <class GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::DeleteObject(handle) != FALSE; }
};

struct IconTraits {
    using Handle = HICON;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::DestroyIcon(handle) != FALSE; }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::DestroyMenu(handle) != FALSE; }
};

struct MemoryDCTraits {
    using Handle = HDC;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::DeleteDC(handle) != FALSE; }
};

// Events, threads, processes, mappings, mutexes: null when there is none.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::CloseHandle(handle) != FALSE; }
};

// Files answer INVALID_HANDLE_VALUE for none.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    bool Close(Handle handle) const { return ::CloseHandle(handle) != FALSE; }
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::RegCloseKey(handle) == ERROR_SUCCESS; }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::FreeLibrary(handle) != FALSE; }
};

// Global memory not (or no longer) owned by the clipboard.
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const { return ::GlobalFree(handle) == nullptr; }
};

// A view of a file mapping.
struct MappedViewTraits {
    using Handle = void*;
    static Handle Empty() { return nullptr; }
    bool Close(Handle view) const { return ::UnmapViewOfFile(view) != FALSE; }
};

// A COM interface pointer: one reference, released once.
template <class Interface>
struct ComInterfaceTraits {
    using Handle = Interface*;
    static Handle Empty() { return nullptr; }
    bool Close(Handle handle) const {
        handle->Release();
        return true;
    }
};

using CIcon = CUniqueHandle<IconTraits>;
using CMenuHandle = CUniqueHandle<MenuTraits>;
using CKernelHandle = CUniqueHandle<KernelHandleTraits>;
using CFileHandle = CUniqueHandle<FileHandleTraits>;
using CModule = CUniqueHandle<ModuleTraits>;
using CGlobalMemory = CUniqueHandle<GlobalMemoryTraits>;
