// ProfileWrite.h - storing the edited profile, and saying so when the registry refuses it.
#pragma once

#include <windows.h>

#include "adapter/wifiapi.h"

// WriteProfile; on failure a message box over `owner` names the error and false is returned.
bool WriteProfileOrSay(HWND owner, const WLAN_PROFILE& record);

// The record is the default site profile (its name field may lack a NUL).
bool IsDefaultProfileRecord(const WLAN_PROFILE& record);
