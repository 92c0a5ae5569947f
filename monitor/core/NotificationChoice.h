// NotificationChoice.h - the user's choice of the tray's balloons, kept under the profile key.
#pragma once

// On unless the value says off (an older version never wrote it: on).
bool ReadNotificationChoice();
// False when it could not be stored (a user who may not write HKEY_LOCAL_MACHINE).
bool StoreNotificationChoice(bool on);
