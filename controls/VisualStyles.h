// CVisualStyles: the visual styles library, loaded at run time so that the
// program also runs where it is missing. All seven entry points must be there
// for the library to count as available; otherwise every theme call answers
// FALSE or NULL and callers draw the classic look.
#pragma once
#include <windows.h>

#include "framework/Handles.h"
#include <uxtheme.h>

#include <string>

class CVisualStyles {
public:
    // Loads the library by name from the system folder only (tests give
    // another name to see the unavailable case).
    explicit CVisualStyles(const char* library = "UXTHEME.DLL");
    ~CVisualStyles();
    CVisualStyles(const CVisualStyles&) = delete;
    CVisualStyles& operator=(const CVisualStyles&) = delete;

    BOOL IsAvailable() const { return m_bAvailable; }

    // Each answers FALSE (or NULL) when the library is unavailable or the
    // theme (window) given is NULL; an HRESULT counts as success when not
    // negative. Texts are 8-bit in the ANSI code page.
    BOOL CloseThemeData(HTHEME theme) const;
    BOOL DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect, const RECT* clip) const;
    BOOL DrawThemeText(HTHEME theme, HDC dc, int part, int state, const std::string& text, DWORD flags,
                       DWORD flags2, const RECT& rect) const;
    BOOL IsAppThemed() const;
    HTHEME OpenThemeData(HWND window, const std::string& className) const;

private:
    using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    using DrawThemeTextFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
    using GetThemeBackgroundContentRectFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, RECT*);
    using IsAppThemedFn = BOOL(WINAPI*)();
    using IsThemeActiveFn = BOOL(WINAPI*)();
    using OpenThemeDataFn = HTHEME(WINAPI*)(HWND, LPCWSTR);

    bool ResolveEntryPoints();
    void Free();

    CModule m_module;
    CloseThemeDataFn m_pfnCloseThemeData = nullptr;
    DrawThemeBackgroundFn m_pfnDrawThemeBackground = nullptr;
    DrawThemeTextFn m_pfnDrawThemeText = nullptr;
    // Required for availability, never called.
    GetThemeBackgroundContentRectFn m_pfnGetThemeBackgroundContentRect = nullptr;
    IsAppThemedFn m_pfnIsAppThemed = nullptr;
    IsThemeActiveFn m_pfnIsThemeActive = nullptr;
    OpenThemeDataFn m_pfnOpenThemeData = nullptr;
    BOOL m_bAvailable = FALSE;
};

// The program's one loader: set up before any window exists, let go at
// process end after the last one is gone.
extern CVisualStyles g_visualStyles;
