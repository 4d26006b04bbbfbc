// One owner for every kind of handle: GDI objects, icons, menus, kernel
// objects, registry keys, loaded libraries, event-log handles. `Traits` says
// what the empty value is and how a handle is closed; a traits object that
// carries state (a function loaded at run time) travels with its handle.
// Traits::Close answers whether the handle closed cleanly. Owners are move-only, so no handle escapes through a temporary and nothing
// is closed twice; handing an owner the handle it already holds keeps it.
#pragma once
#include <utility>

template <class Traits>
class CUniqueHandle {
public:
    using Handle = typename Traits::Handle;

    CUniqueHandle() = default;
    explicit CUniqueHandle(Handle handle, Traits traits = Traits()) : m_handle(handle), m_traits(traits) {}
    ~CUniqueHandle() { Close(); }
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_handle(other.Detach()), m_traits(other.m_traits) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_traits = other.m_traits;
            m_handle = other.Detach();
        }
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::Empty(); }

    // Takes ownership of `handle` and closes the one held before; the handle
    // already held is kept as it is.
    void Attach(Handle handle) {
        if (handle == m_handle) return;
        Close();
        m_handle = handle;
    }
    // Gives the handle up without closing it.
    Handle Detach() { return std::exchange(m_handle, Traits::Empty()); }
    // True when nothing was held or the handle closed cleanly (closing a
    // file is the last word on whether its bytes were written).
    bool Close() {
        const bool closed = m_handle == Traits::Empty() || m_traits.Close(m_handle);
        m_handle = Traits::Empty();
        return closed;
    }
    // For functions that answer a new handle through a pointer: closes the
    // one held and lends the slot.
    Handle* Put() {
        Close();
        return &m_handle;
    }

private:
    Handle m_handle = Traits::Empty();
    Traits m_traits{};
};
