// TrayMenuForm.cpp - see TrayMenuForm.h.
#include "monitor/core/portable/TrayMenuForm.h"

#include "monitor/core/portable/MonitorTexts.h"

namespace tray {

MenuForm ChooseMenuForm(uint32_t major, uint32_t minor, bool zeroControlEnabled) {
    if (!texts::IsWindowsXp(major, minor)) return {false, nullptr, texts::MenuTurnOff};
    return {true, zeroControlEnabled ? texts::MenuUseMonitor : texts::MenuUseZeroConfig, texts::MenuTurnOff};
}

}  // namespace tray
