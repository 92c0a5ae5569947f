// ProfileLayout.h - how a WLAN_PROFILE is laid out as the values of its registry subkey.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "adapter/wifiapi.h"

namespace profile {

// Under HKEY_LOCAL_MACHINE: one subkey per profile, named by the profile.
inline constexpr const char* KeyPath = "SOFTWARE\\Velmora\\Profile\\WPROFILE";
inline constexpr const char* CurrentValue = "CurProfile";
inline constexpr const char* InternetStateValue = "InternetState";
inline constexpr uint32_t NameWidth = 128;
// The SSID field is 40 bytes; a network name has at most 32.
inline constexpr uint32_t SsidMost = 32;

// Registry value types, numbered as the platform numbers them.
inline constexpr uint32_t TypeText = 1;        // REG_SZ
inline constexpr uint32_t TypeExpandText = 2;  // REG_EXPAND_SZ
inline constexpr uint32_t TypeDword = 4;       // REG_DWORD

enum class ValueKind {
    Text,        // REG_SZ written with the whole field width
    Dword,       // REG_DWORD
    DwordAsText  // REG_SZ holding the four bytes of a u32, as stored profiles have it
};

struct ValueSpec {
    const char* name;
    ValueKind kind;
    uint32_t offset;  // into WLAN_PROFILE
    uint32_t width;   // bytes written, and the read buffer size
    bool staticOnly;  // written and read only when DhcpEnabled is 0
};

// The values of a profile subkey in the order they are written.
std::span<const ValueSpec> Values();

// The path of the profile's subkey under HKEY_LOCAL_MACHINE.
std::string SubkeyPath(std::string_view name);

// The names of the subkeys must not nest: no backslash, not empty, NUL within the field.
// Enough to read, write, export or delete a stored profile whatever made it.
bool IsValidName(const char* name, size_t width = NameWidth);

// The one rule for a name a profile is created or imported under (the name prompt, the
// Profiles page's import, `wifictl add` and `import`, ImportProfile): 1 to 127 bytes, no
// control byte, no backslash, no bracket, and no dot at the end ("." and ".." included).
bool IsCreatableName(std::string_view name);
// What IsCreatableName asks for, to follow "the name cannot be used: ".
inline constexpr const char* CreatableNameRule =
    "a profile name has 1 to 127 characters, no backslash, bracket or control character, and does not end "
    "with a dot";

// Stores one value read from the registry into its field. `data` holds `size`
// bytes; a value larger than the field leaves it unchanged, and a text field
// always ends up NUL-terminated within its width.
void StoreValue(WLAN_PROFILE& profile, const ValueSpec& entry, const uint8_t* data, size_t size);

// Whether a stored value of registry type `type` and `size` bytes is read at all: a number
// only as a REG_DWORD of four bytes; a text, and a u32 stored as text, only as REG_SZ (or
// REG_EXPAND_SZ, which an earlier import could copy from its template) within the field.
bool IsReadable(const ValueSpec& entry, uint32_t type, size_t size);

// The rule every reader of stored profiles shares: a value IsReadable refuses is absent and
// leaves its field as it was; an SSID keeps its first 32 bytes. True when the field was set.
bool TakeValue(WLAN_PROFILE& profile, const ValueSpec& entry, uint32_t type, const uint8_t* data, size_t size);

// The entry of that value name, exactly as the table spells it; null for any other name.
const ValueSpec* FindValue(std::string_view name);

inline uint8_t* FieldOf(WLAN_PROFILE& p, const ValueSpec& s) { return reinterpret_cast<uint8_t*>(&p) + s.offset; }
inline const uint8_t* FieldOf(const WLAN_PROFILE& p, const ValueSpec& s) {
    return reinterpret_cast<const uint8_t*>(&p) + s.offset;
}

}  // namespace profile
