// CThemeData: theme data opened through a CVisualStyles loader, closed through
// the same loader when replaced or when the object ends.
#pragma once
#include <windows.h>

#include <string>

#include "controls/VisualStyles.h"

class CThemeData {
public:
    explicit CThemeData(const CVisualStyles& styles) : m_styles(styles) {}
    ~CThemeData() { Close(); }
    CThemeData(const CThemeData&) = delete;
    CThemeData& operator=(const CThemeData&) = delete;

    // Closes what is open and opens the class's theme for the window; the
    // handle is NULL when that fails (themes switched off, say).
    HTHEME Open(HWND window, const std::string& className)
    {
        Close();
        m_hTheme = m_styles.OpenThemeData(window, className);
        return m_hTheme;
    }
    void Close()
    {
        if (m_hTheme)
            m_styles.CloseThemeData(m_hTheme);
        m_hTheme = nullptr;
    }
    HTHEME Get() const { return m_hTheme; }
    const CVisualStyles& Styles() const { return m_styles; }

private:
    const CVisualStyles& m_styles;
    HTHEME m_hTheme = nullptr;
};
