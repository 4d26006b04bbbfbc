#include "facts/InstallHistoryReader.h"

#include "framework/RegKey.h"

namespace {

RegistryNumber ReadInstallDate(const CRegKey& key) {
    if (const std::optional<uint32_t> value = key.ReadDword("InstallDate")) return RegistryNumber::Dword(*value);
    // There, but not a DWORD (or of another size).
    return key.HasValue("InstallDate") ? RegistryNumber::Other() : RegistryNumber();
}

}  // namespace

InstallDateValues ReadInstallDateValues(const InstallDateKeys& keys) {
    InstallDateValues values;
    CRegKey current;
    if (current.Open(keys.root, keys.currentKey, KEY_QUERY_VALUE) == ERROR_SUCCESS)
        values.current = ReadInstallDate(current);

    CRegKey setup;
    if (setup.Open(keys.root, keys.setupKey, KEY_ENUMERATE_SUB_KEYS) != ERROR_SUCCESS) return values;
    for (const std::string& name : setup.SubKeyNames()) {
        if (!IsSourceOsKeyName(name)) continue;
        CRegKey earlier;
        earlier.Open(setup.Get(), name, KEY_QUERY_VALUE);
        values.earlier.push_back(ReadInstallDate(earlier));
    }
    return values;
}
