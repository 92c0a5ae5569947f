// DeleteProfileDlg.h - the delete question (template IDD_DELETE_PROFILE): Yes ends with OK, No with Cancel.
#pragma once

#include "monitor/ui/Dialog.h"

class CDeleteProfileDlg : public CDialog {
public:
    explicit CDeleteProfileDlg(HWND owner);
};
