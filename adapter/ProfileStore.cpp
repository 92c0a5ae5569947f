// ProfileStore.cpp - profiles as registry subkeys, the current profile and the Internet state.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "adapter/ProfileValues.h"
#include "adapter/RegKey.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/wifiapi.h"

namespace {

std::string SubkeyPath(const char* name) {
    return profile::SubkeyPath(std::string_view(name, BoundedLength(name, profile::NameWidth)));
}

bool Applies(const profile::ValueSpec& entry, const WLAN_PROFILE& p) { return !entry.staticOnly || p.DhcpEnabled == 0; }

}  // namespace

extern "C" {

int32_t __cdecl ReadProfile(WLAN_PROFILE* profile) {
    if (!profile) return ERROR_INVALID_PARAMETER;
    if (BoundedLength(profile->ProfileName, profile::NameWidth) == profile::NameWidth) return ERROR_INVALID_NAME;
    CRegKey key;
    const LONG rc = key.Open(HKEY_LOCAL_MACHINE, SubkeyPath(profile->ProfileName).c_str(), KEY_READ);
    if (rc != ERROR_SUCCESS) return rc;
    for (const profile::ValueSpec& entry : profile::Values()) {
        if (!Applies(entry, *profile)) continue;  // DhcpEnabled is read before the addresses
        profile::ReadValue(key, entry, *profile);
    }
    return 0;
}

int32_t __cdecl WriteProfile(const WLAN_PROFILE* profile) {
    if (!profile) return ERROR_INVALID_PARAMETER;
    // A backslash would nest subkeys that DeleteProfile cannot remove.
    if (!profile::IsValidName(profile->ProfileName)) return ERROR_INVALID_NAME;
    CRegKey key;
    const LONG rc = key.Create(HKEY_LOCAL_MACHINE, SubkeyPath(profile->ProfileName).c_str(), KEY_ALL_ACCESS);
    if (rc != ERROR_SUCCESS) return rc;
    profile::WriteValues(key, *profile);
    return 0;
}

int32_t __cdecl DeleteProfile(const char* name) {
    if (!profile::IsValidName(name)) return ERROR_INVALID_NAME;
    return RegDeleteKeyA(HKEY_LOCAL_MACHINE, SubkeyPath(name).c_str());
}

int32_t __cdecl SetCurrentProfile(const char* name) {
    CRegKey key;
    if (!name || key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_ALL_ACCESS) != ERROR_SUCCESS) return 1;
    key.Set(profile::CurrentValue, REG_SZ, name, profile::NameWidth);
    return 0;
}

int32_t __cdecl GetCurrentProfile(char* name) {
    CRegKey key;
    if (!name || key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_READ) != ERROR_SUCCESS) return 1;
    char value[profile::NameWidth];
    DWORD size = sizeof value;
    if (key.Query(profile::CurrentValue, value, size) == ERROR_SUCCESS) {
        CopyMemory(name, value, size);
        if (BoundedLength(name, size) == size) name[size < profile::NameWidth ? size : profile::NameWidth - 1] = 0;
    }
    return 0;
}

int32_t __cdecl IsInternetOk(void) {
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_READ) != ERROR_SUCCESS) return 1;
    DWORD state = 1;  // no probe has run yet: not known to be down
    key.QueryDword(profile::InternetStateValue, state);
    return int32_t(state);
}

}  // extern "C"
