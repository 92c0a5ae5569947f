// SurveyKeyDlg.cpp - see SurveyKeyDlg.h.
#include "monitor/keys/SurveyKeyDlg.h"

#include "monitor/host/portable/PageGeometry.h"
#include "monitor/res/resource.h"
#include "monitor/skin/WindowShape.h"
#include "monitor/ui/Controls.h"
#include "monitor/ui/MessageBox.h"

CSurveyKeyDlg::CSurveyKeyDlg(int templateId, int backgroundId, keydialog::Kind kind, int securityComboId,
                             WLAN_PROFILE& record, const RECT& over, HWND covered)
    : CSkinDialog(templateId, nullptr),
      backgroundId_(backgroundId),
      kind_(kind),
      securityComboId_(securityComboId),
      record_(record),
      over_(over),
      covered_(covered) {}

std::string CSurveyKeyDlg::Title(keydialog::Kind kind) {
    return std::string("Wireless Security - ") + keydialog::KindTexts[kind];
}

bool CSurveyKeyDlg::OnInitDialog() {
    securityChanged_ = 0;
    SetWindowTextA(Handle(), Title(kind_).c_str());
    SetWindowPos(Handle(), HWND_TOP, over_.left, over_.top, over_.right - over_.left, over_.bottom - over_.top, 0);
    if (covered_) ShowWindow(covered_, SW_HIDE);

    const geometry::Rect ok = geometry::KeyDialogConnect, cancel = geometry::KeyDialogCancel;
    const Placement buttons[] = {{IDC_OK, ok.x, ok.y, ok.width, ok.height},
                                 {IDC_CANCEL, cancel.x, cancel.y, cancel.width, cancel.height}};
    Place(buttons);
    Place(Layout());
    connect_.Attach(Handle(), IDC_OK);
    cancel_.Attach(Handle(), IDC_CANCEL);
    TrackSkinStatic(&connect_);
    TrackSkinStatic(&cancel_);
    SetBackground(backgroundId_);
    connect_.SetBitmaps(IDB_KEY_CONNECT, IDB_KEY_CONNECT_HOVER, IDB_KEY_CONNECT_HOVER);
    cancel_.SetBitmaps(IDB_KEY_CANCEL, IDB_KEY_CANCEL_HOVER, IDB_KEY_CANCEL_HOVER);
    connect_.SetCaption("Connect");
    cancel_.SetCaption("Cancel");

    const ui::ComboBox security(Handle(), securityComboId_);
    for (const char* text : keydialog::KindTexts) security.Add(text);
    security.Select(kind_);
    InitControls();

    ApplyRoundedShape(Handle(), geometry::KeyDialogWidth, geometry::KeyDialogHeight);
    SetForegroundWindow(Handle());
    SetFocus(Item(FirstFocus()));
    return false;  // the focus is set
}

bool CSurveyKeyDlg::OnCommand(int id, int code, HWND) {
    // A click on Connect, and Enter, arrive as command 1; a click on Cancel, and Escape, as 2.
    if (id == IDC_OK) {
        OnConnect();
        return true;
    }
    if (id == IDC_CANCEL) {
        EndModal(IDCANCEL);
        return true;
    }
    if (id == securityComboId_) {
        if (code == CBN_SELCHANGE) OnSecurityKind();
        return true;
    }
    return OnControlCommand(id, code);
}

void CSurveyKeyDlg::OnSecurityKind() {
    const int chosen = ui::ComboBox(Handle(), securityComboId_).Selected();
    if (chosen < keydialog::Wep || chosen > keydialog::Wpa2Personal) return;
    securityChanged_ = keydialog::ChooseKind(record_, kind_, keydialog::Kind(chosen)) ? 1 : 0;
    if (securityChanged_) EndModal(IDCANCEL);
}

bool CSurveyKeyDlg::TakePassphrase(int editId, std::string& text) const {
    const ui::Edit passphrase(Handle(), editId);
    text = passphrase.Text();
    if (keydialog::PassphraseAccepted(text)) return true;
    ui::Message(Handle(), keydialog::PassphraseRefusal, MB_OK);
    passphrase.SetText("");
    SetFocus(passphrase.Handle());
    return false;
}
