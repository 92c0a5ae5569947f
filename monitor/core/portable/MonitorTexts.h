// MonitorTexts.h - the fixed names and texts the monitor shows or passes.
#pragma once

#include <cstdint>

#include "adapter/wifiapi.h"

namespace texts {

inline constexpr const char* InstanceMutex = "Velmora Wireless Network Monitor";
inline constexpr const char* FrameTitle = "wifimon";
inline constexpr const char* IconPressedMessage = "MONITOR_ICON_PRESSED";
// Broadcast by the shell when its taskbar is created (again, after Explorer restarted).
inline constexpr const char* TaskbarCreatedMessage = "TaskbarCreated";
inline constexpr const char* OutsideCloseTitle = "ACUClose";
inline constexpr const char* AboutTitle = "About Wireless Network Monitor";

inline constexpr const char* InstallKey = "SOFTWARE\\Dorvan-Velmora LLC\\Install Progress";
inline constexpr const char* FirstStartValue = "FStart";

inline constexpr const char* HardwareId = "pci\\\\ven_1e5a&dev_0002&subsys_00372914";

inline constexpr const char* AskSwitchToMonitor =
    "Your Adapter is currently using the Windows XP Wireless Zero Configuration utility. Do you want to switch to "
    "the Velmora Wireless Network Monitor?";
inline constexpr const char* AskSwitchToZeroConfig =
    "Your Adapter is currently using the Velmora Wireless Network Monitor. Do you want to switch to the Windows XP "
    "Wireless Zero Configuration utility?";

inline constexpr const char* MenuUseZeroConfig = "Use Windows XP Wireless Configuration";
inline constexpr const char* MenuUseMonitor = "Use Velmora Wireless Network Monitor";
inline constexpr const char* MenuTurnOff = "Turn Monitor off";

// The adapter as the system's adapter list names it, by Windows version.
inline const char* AdapterDescription(bool windowsXp) { return windowsXp ? WIFIAPI_ADAPTER_XP : WIFIAPI_ADAPTER_OTHER; }

inline bool IsWindowsXp(uint32_t major, uint32_t minor) { return major == 5 && minor == 1; }

}  // namespace texts
