// EapPage.cpp - see EapPage.h.
#include "monitor/editor/EapPage.h"

#include <cstring>
#include <string_view>

#include "adapter/portable/ProfileKinds.h"
#include "monitor/editor/ProfileSummaryPage.h"
#include "monitor/editor/UserCertificates.h"
#include "monitor/editor/portable/EnterpriseLogin.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"
#include "monitor/ui/MessageBox.h"

namespace {

constexpr int kTlsGroup[] = {IDC_TLS_METHOD, IDC_TLS_LOGIN, IDC_TLS_SERVER, IDC_TLS_CERTIFICATE, IDC_TLS_CIPHER};
constexpr int kPeapGroup[] = {IDC_PEAP_METHOD, IDC_PEAP_LOGIN,   IDC_PEAP_PASSWORD, IDC_PEAP_SERVER,
                              IDC_PEAP_CERTIFICATE, IDC_PEAP_INNER, IDC_PEAP_CIPHER};
constexpr int kEdits[] = {IDC_TLS_LOGIN, IDC_TLS_SERVER, IDC_PEAP_LOGIN, IDC_PEAP_PASSWORD, IDC_PEAP_SERVER};

constexpr const char* kMethods[] = {profile::EapTlsText, profile::PeapText};

std::string Field(const char* text, size_t width) { return std::string(text, strnlen(text, width)); }

}  // namespace

CEapPage::CEapPage(int templateId, IMonitorHost& host, WLAN_PROFILE& record, bool wpaEnterprise, Backgrounds backgrounds)
    : CEditorPage(templateId, host, record, backgrounds.tls), wpaEnterprise_(wpaEnterprise), backgrounds_(backgrounds) {}

void CEapPage::OnInitPage() {
    const WLAN_PROFILE& record = Record();
    const int method = editor::OpenEapMethod(record, wpaEnterprise_) == editor::EapMethod::Peap ? 1 : 0;
    const std::string login = Field(record.LoginName, sizeof record.LoginName);
    const std::string server = Field(record.ServerName, sizeof record.ServerName);
    const std::string chosen = Field(record.UserCertHash, sizeof record.UserCertHash);
    for (int id : kEdits) ui::Edit(Handle(), id).Limit(int(editor::LoginTextMost));
    EnumUserCertificates(certificates_);

    const ui::ComboBox tlsMethod(Handle(), IDC_TLS_METHOD);
    for (const char* entry : kMethods) tlsMethod.Add(entry);
    tlsMethod.Select(method);
    ui::Edit(Handle(), IDC_TLS_LOGIN).SetText(login);
    ui::Edit(Handle(), IDC_TLS_SERVER).SetText(server);
    const ui::ComboBox tlsCertificate(Handle(), IDC_TLS_CERTIFICATE);
    for (const std::string& name : certificates_) tlsCertificate.Add(name.c_str());
    tlsCertificate.Select(tlsCertificate.Find(chosen));  // none when no name equals it
    const int cipher = profile::LevelOf(record) == profile::Level::Aes ? 1 : 0;
    if (wpaEnterprise_) {
        const ui::ComboBox tlsCipher(Handle(), IDC_TLS_CIPHER);
        tlsCipher.AddAll({profile::TkipText, profile::AesText});
        tlsCipher.Select(cipher);
    }

    const ui::ComboBox peapMethod(Handle(), IDC_PEAP_METHOD);
    for (const char* entry : kMethods) peapMethod.Add(entry);
    peapMethod.Select(method);
    ui::Edit(Handle(), IDC_PEAP_LOGIN).SetText(login);
    ui::Edit(Handle(), IDC_PEAP_PASSWORD).SetText(Field(record.LoginPassword, sizeof record.LoginPassword));
    ui::Edit(Handle(), IDC_PEAP_SERVER).SetText(server);
    const ui::ComboBox peapCertificate(Handle(), IDC_PEAP_CERTIFICATE);
    peapCertificate.Add(editor::TrustAny);
    for (const std::string& name : certificates_) peapCertificate.Add(name.c_str());
    const int stored = peapCertificate.Find(chosen);
    peapCertificate.Select(stored >= 0 ? stored : 0);
    const ui::ComboBox inner(Handle(), IDC_PEAP_INNER);
    inner.Add("EAP-MSCHAPv2");
    inner.Select(0);
    if (wpaEnterprise_) {
        const ui::ComboBox peapCipher(Handle(), IDC_PEAP_CIPHER);
        peapCipher.AddAll({profile::TkipText, profile::AesText});
        peapCipher.Select(cipher);
    }
    ShowMethod(IDC_TLS_METHOD);
}

void CEapPage::ShowMethod(int methodBox) {
    const int method = ui::ComboBox(Handle(), methodBox).Selected();
    peapShown_ = method == 1;
    SetBackground(peapShown_ ? backgrounds_.peap : backgrounds_.tls);
    for (int id : kTlsGroup) ShowItem(id, !peapShown_);
    for (int id : kPeapGroup) ShowItem(id, peapShown_);
    if (!wpaEnterprise_) {
        ShowItem(IDC_TLS_CIPHER, false);
        ShowItem(IDC_PEAP_CIPHER, false);
    }
    ui::ComboBox(Handle(), IDC_TLS_METHOD).Select(method);
    ui::ComboBox(Handle(), IDC_PEAP_METHOD).Select(method);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool CEapPage::OnPageCommand(int id, int code, HWND) {
    if ((id == IDC_TLS_METHOD || id == IDC_PEAP_METHOD) && code == CBN_SELCHANGE) {
        ShowMethod(id);
        return true;
    }
    return false;
}

void CEapPage::OnNext() {
    const bool peap = ui::ComboBox(Handle(), IDC_TLS_METHOD).Selected() == 1;
    // The texts outlive the login that views them.
    const std::string login = ui::Edit(Handle(), peap ? IDC_PEAP_LOGIN : IDC_TLS_LOGIN).Text();
    const std::string password = peap ? ui::Edit(Handle(), IDC_PEAP_PASSWORD).Text() : std::string();
    const std::string server = ui::Edit(Handle(), peap ? IDC_PEAP_SERVER : IDC_TLS_SERVER).Text();
    const std::string certificate =
        ui::ComboBox(Handle(), peap ? IDC_PEAP_CERTIFICATE : IDC_TLS_CERTIFICATE).SelectedText();
    const bool aes = wpaEnterprise_ && ui::ComboBox(Handle(), peap ? IDC_PEAP_CIPHER : IDC_TLS_CIPHER).Selected() == 1;
    editor::EnterpriseLogin entered;
    entered.method = peap ? editor::EapMethod::Peap : editor::EapMethod::Tls;
    entered.loginName = login;
    entered.password = password;
    entered.serverName = server;
    entered.certificate = certificate;
    entered.aes = aes;
    const editor::EnterpriseFault fault = editor::StoreEnterpriseLogin(Record(), entered, wpaEnterprise_);
    if (fault != editor::EnterpriseFault::None) {
        ui::Message(Handle(), editor::EnterpriseFaultMessage(fault));
        return;
    }
    Forward(std::make_unique<CProfileSummaryPage>(Host(), Record()));
}
