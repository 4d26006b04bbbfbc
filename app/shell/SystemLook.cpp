#include "app/shell/SystemLook.h"

#include <cstring>

#include "app/shell/OsVersion.h"
#include "framework/RegKey.h"

namespace {

const char kPersonalizeKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

}  // namespace

bool CSystemLook::HighContrast() const {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool CSystemLook::AppsUseDarkMode() const {
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, kPersonalizeKey) != ERROR_SUCCESS) return false;
    const std::optional<uint32_t> light = key.ReadDword("AppsUseLightTheme");
    return light && *light == 0;
}

DWORD CSystemLook::BuildNumber() const {
    // Windows 9x packs its version into the high word of the field.
    const COsVersion version;
    return version.IsNt5OrLater() ? COsVersion::Record().dwBuildNumber : 0;
}

bool SettingChangeAltersLook(WPARAM action, LPARAM area) {
    if (action == SPI_SETHIGHCONTRAST) return true;
    const auto* name = reinterpret_cast<const char*>(area);
    return name && std::strcmp(name, "ImmersiveColorSet") == 0;
}
