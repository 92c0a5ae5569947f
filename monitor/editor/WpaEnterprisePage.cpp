// WpaEnterprisePage.cpp - see WpaEnterprisePage.h.
#include "monitor/editor/WpaEnterprisePage.h"

#include "monitor/res/resource.h"

namespace {

// Both groups on one spot, rows 26 pixels apart; a combo box's height here is its dropped list's.
constexpr Placement kLayout[] = {
    {IDC_TLS_METHOD, 200, 46, 140, 80},
    {IDC_TLS_LOGIN, 200, 72, 240, 22},
    {IDC_TLS_SERVER, 200, 98, 240, 22},
    {IDC_TLS_CERTIFICATE, 200, 124, 240, 140},
    {IDC_TLS_CIPHER, 200, 150, 110, 80},
    {IDC_PEAP_METHOD, 200, 46, 140, 80},
    {IDC_PEAP_LOGIN, 200, 72, 240, 22},
    {IDC_PEAP_PASSWORD, 200, 98, 240, 22},
    {IDC_PEAP_SERVER, 200, 124, 240, 22},
    {IDC_PEAP_CERTIFICATE, 200, 150, 240, 120},
    {IDC_PEAP_INNER, 200, 176, 140, 60},
    {IDC_PEAP_CIPHER, 200, 202, 110, 60},
};

}  // namespace

CWpaEnterprisePage::CWpaEnterprisePage(IMonitorHost& host, WLAN_PROFILE& record)
    : CEapPage(IDD_WPA_ENTERPRISE, host, record, true, {IDB_ENTERPRISE_TLS, IDB_ENTERPRISE_PEAP}) {}

std::span<const Placement> CWpaEnterprisePage::Layout() const { return kLayout; }
