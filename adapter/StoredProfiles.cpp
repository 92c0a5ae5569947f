// StoredProfiles.cpp - see StoredProfiles.h.
#include "adapter/StoredProfiles.h"

#include "adapter/RegKey.h"
#include "adapter/portable/ProfileLayout.h"

namespace profile {

std::optional<std::vector<std::string>> StoredNames() {
    CRegKey key;
    // Reading needs no more: a user who may not change the machine's settings still sees the list.
    if (key.Open(HKEY_LOCAL_MACHINE, KeyPath, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        // A key name has at most 255 characters, two bytes each in a double-byte code page.
        char name[512];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

bool Exists(std::string_view name) {
    CRegKey key;
    return key.Open(HKEY_LOCAL_MACHINE, SubkeyPath(name).c_str(), KEY_READ) == ERROR_SUCCESS;
}

}  // namespace profile
