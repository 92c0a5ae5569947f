// WepPage.h - the editor's Wireless Security - WEP (template IDD_WEP): key length, passphrase or
// typed key, transmit key and authentication.
#pragma once

#include <string>

#include "monitor/editor/EditorPage.h"
#include "monitor/skin/MaskEdit.h"

class CWepPage : public CEditorPage {
public:
    CWepPage(IMonitorHost& host, WLAN_PROFILE& record);

    CMaskEdit& KeyField() { return key_; }

protected:
    std::span<const Placement> Layout() const override;
    void OnInitPage() override;
    void OnNext() override;
    bool OnPageCommand(int id, int code, HWND control) override;

private:
    // Masks of the record's key length, then the text (its change stores the key).
    void ShowKey(const std::string& text);
    std::string Passphrase() const;

    CMaskEdit key_;
    bool filling_ = false;  // the page itself fills the controls
};
