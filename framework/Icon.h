// Icons from the program's resources. Icons from LoadIcon are shared and
// never destroyed, so AfxLoadIcon hands out a plain handle; an icon made or
// loaded for one owner (LoadImage, CreateIconIndirect) lives in a CIcon.
#pragma once
#include <windows.h>

#include <utility>

#include "framework/WinApp.h"

inline HICON AfxLoadIcon(UINT id) { return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)); }

// An owned icon, destroyed with DestroyIcon. Move-only.
class CIcon {
public:
    CIcon() = default;
    explicit CIcon(HICON icon) : m_hIcon(icon) {}
    ~CIcon() { Destroy(); }
    CIcon(CIcon&& other) noexcept : m_hIcon(std::exchange(other.m_hIcon, nullptr)) {}
    CIcon& operator=(CIcon&& other) noexcept {
        if (this != &other) Attach(std::exchange(other.m_hIcon, nullptr));
        return *this;
    }
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;

    HICON Get() const { return m_hIcon; }
    explicit operator bool() const { return m_hIcon != nullptr; }
    // Takes ownership of icon and destroys the one held before; handing back
    // the icon already held keeps it alive.
    void Attach(HICON icon) {
        if (icon == m_hIcon) return;
        Destroy();
        m_hIcon = icon;
    }
    HICON Detach() { return std::exchange(m_hIcon, nullptr); }
    void Destroy() {
        if (m_hIcon) ::DestroyIcon(m_hIcon);
        m_hIcon = nullptr;
    }

private:
    HICON m_hIcon = nullptr;
};
