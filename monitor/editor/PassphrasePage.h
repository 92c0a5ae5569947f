// PassphrasePage.h - what the WPA-Personal and WPA2-Personal pages share: the passphrase,
// stored only on Next and only when it is one (8 to 63 printable ASCII characters).
#pragma once

#include "monitor/editor/EditorPage.h"

class CPassphrasePage : public CEditorPage {
protected:
    CPassphrasePage(int templateId, IMonitorHost& host, WLAN_PROFILE& record, int backgroundId);

    // Limits the edit and shows the stored passphrase when `show`.
    void ShowPassphrase(bool show);
    // Next: the passphrase into the record, or the message and the page stays.
    void OnNext() override;
};
