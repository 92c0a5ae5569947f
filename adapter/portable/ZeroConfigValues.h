// ZeroConfigValues.h - service-pack detection and the ControlFlags/LayoutVersion table of the OS wireless service.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace zeroconfig {

inline constexpr const char* ServiceName = "WZCSVC";
inline constexpr const char* InterfacesKey = "SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\";
inline constexpr const char* ControlFlagsValue = "ControlFlags";
inline constexpr const char* LayoutVersionValue = "LayoutVersion";
// Set in ControlFlags when the service manages the interface.
inline constexpr uint32_t ManagedBit = 0x00008000;

inline bool IsManaged(uint32_t controlFlags) { return (controlFlags & ManagedBit) != 0; }

struct ServicePack {
    uint32_t level = 0;        // 0 none, 1 Service Pack 1, 2 Service Pack 2
    uint32_t buildSuffix = 0;  // 2149 for "Service Pack 2, v.2149"
};

// Updates `pack` from the version record's service-pack text (a field of
// `width` bytes that may lack its NUL). A text that names none of the three
// levels keeps the level; the suffix is always recomputed.
void DetectServicePack(const char* csdVersion, size_t width, ServicePack& pack);

struct Values {
    uint32_t controlFlags;
    uint32_t layoutVersion;
};

// The values that hand the adapter to the service (enable) or take it back;
// none for a level outside the table.
std::optional<Values> ValuesFor(const ServicePack& pack, bool enable);

}  // namespace zeroconfig
