// What the system says about how windows should look: whether high contrast
// is on, whether apps are asked to be dark, and the system's build, which
// tells how a dark title bar is asked for. Read anew at every call; tests
// give a fake by overriding the three reads.
#pragma once
#include <windows.h>

class CSystemLook {
public:
    virtual ~CSystemLook() = default;

    // SPI_GETHIGHCONTRAST's "on" flag.
    virtual bool HighContrast() const;
    // The user's app mode is dark: AppsUseLightTheme is 0 under the
    // Personalize key (a missing value is the light mode).
    virtual bool AppsUseDarkMode() const;
    // The build number of an NT system (its real one: the manifest names
    // every system up to Windows 10 and 11); 0 on others or when unknown.
    virtual DWORD BuildNumber() const;
};

// Whether a WM_SETTINGCHANGE can change the look: high contrast switched
// (SPI_SETHIGHCONTRAST) or the app mode changed ("ImmersiveColorSet").
bool SettingChangeAltersLook(WPARAM action, LPARAM area);
