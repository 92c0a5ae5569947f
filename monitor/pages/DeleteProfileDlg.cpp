// DeleteProfileDlg.cpp - see DeleteProfileDlg.h. Yes is control 1 and No control 2: the dialog's
// own OK and Cancel handling ends it.
#include "monitor/pages/DeleteProfileDlg.h"

#include "monitor/res/resource.h"

CDeleteProfileDlg::CDeleteProfileDlg(HWND owner) : CDialog(IDD_DELETE_PROFILE, owner) {}
