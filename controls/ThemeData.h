// CThemeData: theme data opened through a CVisualStyles loader, closed through
// the same loader when replaced or when the object ends.
#pragma once
#include <windows.h>

#include <string>

#include "controls/VisualStyles.h"

struct ThemeDataTraits {
    using Handle = HTHEME;
    static Handle Empty() { return nullptr; }
    bool Close(Handle theme) const { return styles && styles->CloseThemeData(theme); }
    const CVisualStyles* styles = nullptr;
};

class CThemeData {
public:
    explicit CThemeData(const CVisualStyles& styles) : m_styles(styles), m_theme(nullptr, ThemeDataTraits{&styles}) {}

    // Closes what is open and opens the class's theme for the window; the
    // handle is NULL when that fails (themes switched off, say).
    HTHEME Open(HWND window, const std::string& className)
    {
        m_theme.Close();
        m_theme.Attach(m_styles.OpenThemeData(window, className));
        return m_theme.Get();
    }
    void Close() { m_theme.Close(); }
    HTHEME Get() const { return m_theme.Get(); }
    const CVisualStyles& Styles() const { return m_styles; }

private:
    const CVisualStyles& m_styles;
    CUniqueHandle<ThemeDataTraits> m_theme;
};
