// ProfileNameDlg.cpp - see ProfileNameDlg.h.
#include "monitor/pages/ProfileNameDlg.h"

#include "monitor/pages/portable/NamePrompt.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"
#include "monitor/ui/MessageBox.h"

CProfileNameDlg::CProfileNameDlg(HWND owner) : CDialog(IDD_PROFILE_NAME, owner) {}

bool CProfileNameDlg::OnInitDialog() {
    ui::Edit(Handle(), IDC_PROFILE_NAME).Limit(int(prompt::NameLimit));
    return true;
}

bool CProfileNameDlg::OnCommand(int id, int code, HWND) {
    if (id != IDC_PROFILE_NAME) return false;
    if (code == EN_CHANGE) name_ = ui::Edit(Handle(), IDC_PROFILE_NAME).Text();
    return true;
}

void CProfileNameDlg::OnOK() {
    switch (prompt::CheckName(name_)) {
    case prompt::NameCheck::Empty:
        EndModal(IDCANCEL);
        return;
    case prompt::NameCheck::Refused: {
        ui::Message(Handle(), prompt::RefusedNameText, MB_OK | MB_ICONWARNING);
        HWND edit = Item(IDC_PROFILE_NAME);
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        return;
    }
    case prompt::NameCheck::Accepted:
        EndModal(IDOK);
        return;
    }
}
