// NotificationChoice.cpp - see NotificationChoice.h.
#include "monitor/core/NotificationChoice.h"

#include "adapter/RegKey.h"
#include "adapter/portable/ProfileLayout.h"
#include "monitor/core/portable/LinkNotices.h"

bool ReadNotificationChoice() {
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_READ) != ERROR_SUCCESS) {
        return notice::ChoiceFromStored(false, false, 0);
    }
    DWORD value = 0, type = REG_NONE, size = sizeof value;
    const LONG rc = key.Query(notice::ChoiceValue, &value, size, &type);
    // A longer value of any type does not fit: ERROR_MORE_DATA, found but no DWORD.
    const bool found = rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA;
    return notice::ChoiceFromStored(found, rc == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value, value);
}

bool StoreNotificationChoice(bool on) {
    CRegKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_SET_VALUE) != ERROR_SUCCESS) return false;
    return key.SetDword(notice::ChoiceValue, on ? 1 : 0) == ERROR_SUCCESS;
}
