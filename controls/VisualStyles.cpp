#include "controls/VisualStyles.h"

#include <new>
#include <vector>

#include "framework/SystemFolder.h"

CVisualStyles g_visualStyles;

namespace {

// Looks an entry point up into a typed pointer; FALSE when it is missing.
template <class Fn>
bool Resolve(HMODULE module, const char* name, Fn& pointer)
{
    pointer = ProcAddress<Fn>(module, name);
    return pointer != nullptr;
}

// The text in UTF-16 with its terminator; false when it cannot be converted
// or no memory is left for it.
bool ToWide(const std::string& text, std::vector<wchar_t>& wide)
{
    try {
        // Never more UTF-16 units than bytes, plus room for the terminator.
        wide.assign(text.size() + 2, L'\0');
    } catch (const std::bad_alloc&) {
        return false;
    }
    // No flags: precomposed is the default, and with UTF-8 as the code page
    // any other flag than MB_ERR_INVALID_CHARS makes the call fail.
    const int written = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                              static_cast<int>(wide.size()));
    if (written <= 0)
        return false;
    wide.resize(static_cast<size_t>(written));
    return true;
}

} // namespace

CVisualStyles::CVisualStyles(const char* library)
{
    m_module.Attach(LoadSystemLibrary(library));
    if (!m_module)
        return;
    if (ResolveEntryPoints())
        m_bAvailable = TRUE;
    else
        Free();
}

CVisualStyles::~CVisualStyles()
{
    Free();
}

bool CVisualStyles::ResolveEntryPoints()
{
    return Resolve(m_module.Get(), "CloseThemeData", m_pfnCloseThemeData) &&
           Resolve(m_module.Get(), "DrawThemeBackground", m_pfnDrawThemeBackground) &&
           Resolve(m_module.Get(), "DrawThemeText", m_pfnDrawThemeText) &&
           Resolve(m_module.Get(), "GetThemeBackgroundContentRect", m_pfnGetThemeBackgroundContentRect) &&
           Resolve(m_module.Get(), "IsAppThemed", m_pfnIsAppThemed) &&
           Resolve(m_module.Get(), "IsThemeActive", m_pfnIsThemeActive) &&
           Resolve(m_module.Get(), "OpenThemeData", m_pfnOpenThemeData);
}

void CVisualStyles::Free()
{
    m_bAvailable = FALSE;
    m_pfnCloseThemeData = nullptr;
    m_pfnDrawThemeBackground = nullptr;
    m_pfnDrawThemeText = nullptr;
    m_pfnGetThemeBackgroundContentRect = nullptr;
    m_pfnIsAppThemed = nullptr;
    m_pfnIsThemeActive = nullptr;
    m_pfnOpenThemeData = nullptr;
    m_module.Close();
}

BOOL CVisualStyles::CloseThemeData(HTHEME theme) const
{
    if (!m_bAvailable || !theme)
        return FALSE;
    return SUCCEEDED(m_pfnCloseThemeData(theme));
}

BOOL CVisualStyles::DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect,
                                        const RECT* clip) const
{
    if (!m_bAvailable || !theme)
        return FALSE;
    return SUCCEEDED(m_pfnDrawThemeBackground(theme, dc, part, state, &rect, clip));
}

BOOL CVisualStyles::DrawThemeText(HTHEME theme, HDC dc, int part, int state, const std::string& text,
                                  DWORD flags, DWORD flags2, const RECT& rect) const
{
    if (!m_bAvailable || !theme)
        return FALSE;
    std::vector<wchar_t> wide;
    if (!ToWide(text, wide))
        return FALSE;
    const int length = static_cast<int>(wide.size()) - 1;  // without the terminator
    return SUCCEEDED(m_pfnDrawThemeText(theme, dc, part, state, wide.data(), length, flags, flags2, &rect));
}

BOOL CVisualStyles::IsAppThemed() const
{
    return m_bAvailable ? m_pfnIsAppThemed() : FALSE;
}

HTHEME CVisualStyles::OpenThemeData(HWND window, const std::string& className) const
{
    if (!m_bAvailable || !window)
        return nullptr;
    std::vector<wchar_t> wide;
    if (!ToWide(className, wide))
        return nullptr;
    return m_pfnOpenThemeData(window, wide.data());
}
