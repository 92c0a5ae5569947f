// EapPage.h - what the WPA-Enterprise and RADIUS pages share: two control groups on one spot,
// EAP-TLS (login with a certificate) and PEAP (login name and password), each with its own
// background; the record is written only on Next.
#pragma once

#include <string>
#include <vector>

#include "monitor/editor/EditorPage.h"

class CEapPage : public CEditorPage {
public:
    bool PeapShown() const { return peapShown_; }
    const std::vector<std::string>& Certificates() const { return certificates_; }

protected:
    struct Backgrounds {
        int tls, peap;
    };
    // `wpaEnterprise`: the page also chooses the cipher (controls IDC_TLS_CIPHER and IDC_PEAP_CIPHER).
    CEapPage(int templateId, IMonitorHost& host, WLAN_PROFILE& record, bool wpaEnterprise, Backgrounds backgrounds);

    void OnInitPage() override;
    void OnNext() override;
    bool OnPageCommand(int id, int code, HWND control) override;

private:
    // Shows the group of the method chosen in `methodBox` and sets both method boxes to it.
    void ShowMethod(int methodBox);

    bool wpaEnterprise_;
    Backgrounds backgrounds_;
    bool peapShown_ = false;
    std::vector<std::string> certificates_;
};
