// COM on the calling thread, as a single-threaded apartment, for the object's
// lifetime. Undone only when this object set it up (also when the thread was
// already in such an apartment: each successful initialisation is undone once).
#pragma once
#include <objbase.h>

class CComApartment {
public:
    CComApartment() : m_bInitialised(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~CComApartment() {
        if (m_bInitialised) ::CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

    // False when the thread already lives in a multi-threaded apartment, or
    // COM could not start.
    bool IsInitialised() const { return m_bInitialised; }

private:
    bool m_bInitialised;
};
