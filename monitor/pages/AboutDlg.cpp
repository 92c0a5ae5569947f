// AboutDlg.cpp - see AboutDlg.h.
#include "monitor/pages/AboutDlg.h"

#include <string>

#include "adapter/wifiapi.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/pages/portable/LinkStatisticsRows.h"
#include "monitor/res/resource.h"

CAboutDlg::CAboutDlg(HWND owner) : CDialog(IDD_ABOUT, owner) {}

bool CAboutDlg::OnInitDialog() {
    char version[32] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_VERSION, version, sizeof version);
    SetItemText(IDC_ABOUT_VERSION, (std::string("Wireless Monitor Version:  ") + version).c_str());
    // Without an adapter the record stays zero: version 0.0.0.0.
    NETWORK_STATISTICS statistics{};
    if (GetNetworkStatistics(texts::HardwareId, &statistics) != 0) statistics = NETWORK_STATISTICS{};
    SetItemText(IDC_ABOUT_DRIVER, ("Driver Version:  " + linkinfo::DriverVersionText(statistics)).c_str());
    return true;
}

bool CAboutDlg::OnCommand(int id, int, HWND) {
    if (id != IDC_ABOUT_OK) return false;
    EndModal(IDOK);
    return true;
}
