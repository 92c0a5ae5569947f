// DriverLink.h - adapter presence and its network-class instance, for the configuration-service control.
#pragma once

#include <cstdint>
#include <functional>

namespace driverlink {

inline constexpr const char* HardwareIdPattern = "(pci\\\\ven_1e5a&dev_000(1|2).*|usb\\\\vid_1d49&pid_(0002|5678))";
inline constexpr const char* DeviceInterfacePrefix = "PCI#VEN_1E5A&DEV_0002&SUBSYS_00542914";
inline constexpr const char* AdapterComponentId = "PCI\\VEN_1E5A&DEV_0002&SUBSYS_00542914";
inline constexpr const char* NetworkClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
inline constexpr unsigned InstanceIdWidth = 120;

// Waits 500 ms, then looks for the adapter's PCI device among the system's
// device names. On success the target component id becomes the adapter's.
bool AdapterPresent();

// Walks the network-class instances in index order; for each whose ComponentId
// equals the target component id (ignoring case) it reads NetCfgInstanceId into
// the adapter instance id and calls `onMatch`, which returns false to stop.
// Returns whether any instance matched.
bool ForEachAdapterInstance(const std::function<bool()>& onMatch);

// The query behind GetOid, also giving the byte count the driver wrote or, when
// the buffer was too small, the count it needs.
int32_t QueryOid(uint32_t oid, void* buffer, uint32_t length, uint32_t& returned);

// Process-wide state of the lookup.
const char* TargetComponentId();
const char* AdapterInstanceId();

}  // namespace driverlink
