// SecurityDialogs.h - asking for a surveyed network's key: the WEP, WPA-Personal and WPA2-Personal
// dialogs in turn, as the user changes the security kind in them.
#pragma once

#include "adapter/wifiapi.h"
#include "monitor/host/MonitorHost.h"

// Runs the dialog of `record.SecurityMode` (1 WEP, 2 WPA-Personal, 4 WPA2-Personal) over the
// monitor window, and the dialog of the new kind when the user picks another kind in it, all on
// the same record. True when a dialog ended with OK (the record is complete: connect); false when
// the user gave up. Any other SecurityMode asks nothing and returns true. The monitor window is
// shown again before it returns. Used by the Site Survey page and the available networks page.
bool AskNetworkKey(IMonitorHost& host, WLAN_PROFILE& record);
