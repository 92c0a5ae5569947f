// TrayMenuForm.h - the tray menu's form: the switch item on Windows XP only, its text by who controls the adapter.
#pragma once

#include <cstdint>

namespace tray {

struct MenuForm {
    bool keepSwitchItem;     // on other Windows the item goes, the separator stays
    const char* switchText;  // null when the item goes
    const char* offText;
};

MenuForm ChooseMenuForm(uint32_t major, uint32_t minor, bool zeroControlEnabled);

}  // namespace tray
