// NdisLayoutCheck.cpp - our NDIS records checked against the platform's published ones (compile time only).
#include <windows.h>
#include <ntddndis.h>

#include <cstddef>

#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"

static_assert(oid::Ssid == OID_802_11_SSID && oid::BssidList == OID_802_11_BSSID_LIST);
static_assert(oid::AddWep == OID_802_11_ADD_WEP && oid::RemoveWep == OID_802_11_REMOVE_WEP);
static_assert(oid::Configuration == OID_802_11_CONFIGURATION && oid::Rssi == OID_802_11_RSSI);
static_assert(oid::EncryptionStatus == OID_802_11_ENCRYPTION_STATUS);
static_assert(oid::AuthenticationMode == OID_802_11_AUTHENTICATION_MODE);
static_assert(oid::InfrastructureMode == OID_802_11_INFRASTRUCTURE_MODE);
static_assert(oid::Disassociate == OID_802_11_DISASSOCIATE && oid::BssidListScan == OID_802_11_BSSID_LIST_SCAN);
static_assert(oid::Bssid == OID_802_11_BSSID && oid::CurrentAddress == OID_802_3_CURRENT_ADDRESS);
static_assert(oid::GenLinkSpeed == OID_GEN_LINK_SPEED && oid::GenMediaConnectStatus == OID_GEN_MEDIA_CONNECT_STATUS);
static_assert(oid::GenXmitOk == OID_GEN_XMIT_OK && oid::GenRcvOk == OID_GEN_RCV_OK);
static_assert(oid::GenDirectedBytesXmit == OID_GEN_DIRECTED_BYTES_XMIT);
static_assert(oid::GenDirectedBytesRcv == OID_GEN_DIRECTED_BYTES_RCV);

static_assert(sizeof(ndis::Ssid) == sizeof(NDIS_802_11_SSID));
static_assert(sizeof(ndis::Configuration) == sizeof(NDIS_802_11_CONFIGURATION));
static_assert(offsetof(ndis::Configuration, DSConfig) == offsetof(NDIS_802_11_CONFIGURATION, DSConfig));
static_assert(offsetof(ndis::WepKey27, KeyMaterial) == offsetof(NDIS_802_11_WEP, KeyMaterial));
static_assert(sizeof(ndis::FixedIes) == sizeof(NDIS_802_11_FIXED_IEs));
static_assert(offsetof(SITE_INFO, MacAddress) == offsetof(NDIS_WLAN_BSSID_EX, MacAddress));
static_assert(offsetof(SITE_INFO, SsidLength) == offsetof(NDIS_WLAN_BSSID_EX, Ssid));
static_assert(offsetof(SITE_INFO, Privacy) == offsetof(NDIS_WLAN_BSSID_EX, Privacy));
static_assert(offsetof(SITE_INFO, Rssi) == offsetof(NDIS_WLAN_BSSID_EX, Rssi));
static_assert(offsetof(SITE_INFO, NetworkTypeInUse) == offsetof(NDIS_WLAN_BSSID_EX, NetworkTypeInUse));
static_assert(offsetof(SITE_INFO, ConfigLength) == offsetof(NDIS_WLAN_BSSID_EX, Configuration));
static_assert(offsetof(SITE_INFO, DSConfig) ==
              offsetof(NDIS_WLAN_BSSID_EX, Configuration) + offsetof(NDIS_802_11_CONFIGURATION, DSConfig));
static_assert(offsetof(SITE_INFO, InfrastructureMode) == offsetof(NDIS_WLAN_BSSID_EX, InfrastructureMode));
static_assert(offsetof(SITE_INFO, SupportedRates) == offsetof(NDIS_WLAN_BSSID_EX, SupportedRates));
static_assert(offsetof(SITE_INFO, IELength) == offsetof(NDIS_WLAN_BSSID_EX, IELength));
static_assert(offsetof(SITE_INFO, IEs) == offsetof(NDIS_WLAN_BSSID_EX, IEs));
static_assert(ndis::BssidExFixedSize == offsetof(NDIS_WLAN_BSSID_EX, IEs));
static_assert(ndis::BssidListHeaderSize == offsetof(NDIS_802_11_BSSID_LIST_EX, Bssid));
