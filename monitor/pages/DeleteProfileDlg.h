// DeleteProfileDlg.h - the delete question (template 154): Yes ends with OK, No with Cancel.
#pragma once

#include "monitor/ui/Dialog.h"

class CDeleteProfileDlg : public CDialog {
public:
    explicit CDeleteProfileDlg(HWND owner);
};
