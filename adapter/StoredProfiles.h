// StoredProfiles.h - which profiles the registry holds: the subkeys of the profile key.
// Compiled into the monitor and wifictl beside the library, which keeps its exports as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

// Every subkey name of the profile key in the registry's order, also names no record can hold:
// each caller filters and orders what it shows. Nothing when the key cannot be opened for reading.
std::optional<std::vector<std::string>> StoredNames();

// Whether the profile's subkey opens for reading.
bool Exists(std::string_view name);

}  // namespace profile
