// PassphrasePage.cpp - see PassphrasePage.h.
#include "monitor/editor/PassphrasePage.h"

#include <cstring>
#include <string>

#include "monitor/editor/ProfileSummaryPage.h"
#include "monitor/editor/portable/Passphrases.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"
#include "monitor/ui/MessageBox.h"

CPassphrasePage::CPassphrasePage(int templateId, IMonitorHost& host, WLAN_PROFILE& record, int backgroundId)
    : CEditorPage(templateId, host, record, backgroundId) {}

void CPassphrasePage::ShowPassphrase(bool show) {
    const ui::Edit edit(Handle(), IDC_PSK_PASSPHRASE);
    edit.Limit(int(editor::WpaPassphraseMost));
    const WLAN_PROFILE& record = Record();
    if (show) edit.SetText(std::string(record.PassPhrase, strnlen(record.PassPhrase, sizeof record.PassPhrase)));
}

void CPassphrasePage::OnNext() {
    const std::string passphrase = ui::Edit(Handle(), IDC_PSK_PASSPHRASE).Text();
    if (!editor::StoreWpaPassphrase(Record(), passphrase)) {
        ui::Message(Handle(), editor::WrongPassphraseMessage);
        return;
    }
    Forward(std::make_unique<CProfileSummaryPage>(Host(), Record()));
}
