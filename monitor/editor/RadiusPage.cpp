// RadiusPage.cpp - see RadiusPage.h.
#include "monitor/editor/RadiusPage.h"

#include "monitor/res/resource.h"

namespace {

// As the WPA-Enterprise page's, without the cipher rows.
constexpr Placement kLayout[] = {
    {IDC_TLS_METHOD, 200, 46, 140, 80},
    {IDC_TLS_LOGIN, 200, 72, 240, 22},
    {IDC_TLS_SERVER, 200, 98, 240, 22},
    {IDC_TLS_CERTIFICATE, 200, 124, 240, 140},
    {IDC_PEAP_METHOD, 200, 46, 140, 80},
    {IDC_PEAP_LOGIN, 200, 72, 240, 22},
    {IDC_PEAP_PASSWORD, 200, 98, 240, 22},
    {IDC_PEAP_SERVER, 200, 124, 240, 22},
    {IDC_PEAP_CERTIFICATE, 200, 150, 240, 120},
    {IDC_PEAP_INNER, 200, 176, 140, 60},
};

}  // namespace

CRadiusPage::CRadiusPage(IMonitorHost& host, WLAN_PROFILE& record)
    : CEapPage(IDD_RADIUS, host, record, false, {IDB_RADIUS_TLS, IDB_RADIUS_PEAP}) {}

std::span<const Placement> CRadiusPage::Layout() const { return kLayout; }
