// ProfileClearing.h - what a profile keeps of the fields its security mode does not use.
#pragma once

#include "adapter/wifiapi.h"

namespace editor {

// The summary page's Save: clears, by SecurityMode, the numbers and texts the
// mode does not use (WEP keeps its keys and passphrase; WPA-Personal its cipher
// and passphrase; the 802.1X modes their login, EAP-TLS without a password).
void ClearForSave(WLAN_PROFILE& profile);

// The available networks page's Connect: the same for the three modes a
// surveyed network gets (WEP, WPA-Personal, WPA2-Personal) and every
// other mode as "Disabled"; the 802.1X texts are cleared in every case.
void ClearForSurveyConnect(WLAN_PROFILE& profile);

}  // namespace editor
