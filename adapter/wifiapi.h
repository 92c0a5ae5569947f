/* wifiapi.h - public interface of the adapter library: records and exports. */
#ifndef WIFIAPI_H
#define WIFIAPI_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define WIFIAPI_CALL __cdecl
#else
#define WIFIAPI_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Connection profile; stored one registry subkey per profile. */
typedef struct WLAN_PROFILE {
    char ProfileName[128];
    char SSID[40];
    uint32_t AssociationMode; /* 0 ad hoc join, 1 infrastructure, 2 ad hoc on Channel */
    uint32_t TxRate;
    uint32_t Channel;
    uint32_t NetworkMode;
    uint32_t DhcpEnabled;
    uint32_t SecurityMode; /* 0 off, 1 WEP, 2 WPA-PSK, 3 WPA-EAP, 4 WPA2-PSK, 5 WPA2-EAP, 6 RADIUS */
    uint32_t AuthentMode;
    uint32_t EncryptionLevel;
    uint32_t DefaultKeyId;
    uint32_t IsPassPhrase;
    uint32_t IsKeyHexed;
    uint32_t PSMode;
    uint32_t PreambleMode;
    uint32_t GMode;
    uint32_t BurstingMode;
    uint32_t FragThreshold;
    uint32_t RTSThreshold;
    uint32_t EntAuthenType;
    uint32_t InnerAuthen;
    uint32_t ValidateServerCert;
    char PassPhrase[128];
    char WEPKey[4][27];
    char ProfileID[128];
    char LoginName[128];
    char LoginPassword[128];
    char ServerName[128];
    char UserCertHash[128];
    uint32_t AuthMethod;
    uint32_t TTLSProtocol;
    uint32_t TTLSEap;
    uint32_t PeapEap;
    uint32_t IpAddr; /* network byte order, like the four below */
    uint32_t IpMask;
    uint32_t IpGate;
    uint32_t IpDns1;
    uint32_t IpDns2;
} WLAN_PROFILE;

typedef struct SIGNAL_INFO {
    int32_t Rssi; /* dBm */
    int32_t Reserved;
} SIGNAL_INFO;

typedef struct NETWORK_STATUS {
    uint8_t MediaState; /* 0 connected, 1 disconnected */
    char Ssid[43];
    uint32_t InfrastructureMode;
    uint32_t LinkSpeed; /* Mbps */
    uint32_t Channel;
    uint32_t Encryption; /* 0 none, 1 WEP, 2 TKIP, 3 AES */
    uint32_t AuthMode;
    char IpAddress[16];
    char SubnetMask[16];
    char Gateway[16];
    char DhcpServer[16];
    uint8_t DhcpEnabled;
    uint8_t MacAddress[6];
    uint8_t Reserved1[10];
    uint8_t Bssid[6];
    uint8_t Reserved2[509];
} NETWORK_STATUS;

typedef struct NETWORK_STATISTICS {
    uint32_t TransmitRate; /* Mbps */
    uint32_t ReceiveRate;
    uint32_t PacketsTransmitted;
    uint32_t PacketsReceived;
    uint64_t BytesReceived;
    uint64_t BytesTransmitted;
    int32_t NoiseLevel; /* dBm */
    int32_t SignalStrength;
    uint16_t DriverVersion[4];
} NETWORK_STATISTICS;

/* One entry of the driver's scanned-network list (NDIS_WLAN_BSSID_EX form). */
typedef struct SITE_INFO {
    uint32_t Length; /* the next entry starts Length bytes further on */
    uint8_t MacAddress[6];
    uint8_t Reserved[2];
    uint32_t SsidLength;
    uint8_t Ssid[32];
    uint32_t Privacy;
    int32_t Rssi;
    uint32_t NetworkTypeInUse;
    uint32_t ConfigLength;
    uint32_t BeaconPeriod;
    uint32_t ATIMWindow;
    uint32_t DSConfig; /* kHz */
    uint32_t FHLength;
    uint32_t HopPattern;
    uint32_t HopSet;
    uint32_t DwellTime;
    uint32_t InfrastructureMode;
    uint8_t SupportedRates[16];
    uint32_t IELength;
    uint8_t IEs[1];
} SITE_INFO;

/* The adapter descriptions the monitor passes: on Windows XP, and elsewhere. */
#define WIFIAPI_ADAPTER_XP "Ondaline Notebook Adapter with KZV"
#define WIFIAPI_ADAPTER_OTHER "Nuvex Networks Polyray (tm) Wireless Adapter"
/* Scan buffers are this size throughout the monitor. */
#define WIFIAPI_SCAN_BUFFER_SIZE 12004

/* Driver link */
int32_t WIFIAPI_CALL ConnectToAdapter(void);
int32_t WIFIAPI_CALL DisconnectToAdapter(void);
int32_t WIFIAPI_CALL GetOid(uint32_t oid, void* buffer, uint32_t length);
int32_t WIFIAPI_CALL SetOid(uint32_t oid, const void* buffer, uint32_t length);

/* Profile store */
int32_t WIFIAPI_CALL ReadProfile(WLAN_PROFILE* profile);
int32_t WIFIAPI_CALL WriteProfile(const WLAN_PROFILE* profile);
int32_t WIFIAPI_CALL DeleteProfile(const char* name);
int32_t WIFIAPI_CALL SetCurrentProfile(const char* name);
int32_t WIFIAPI_CALL GetCurrentProfile(char* name);
int32_t WIFIAPI_CALL IsInternetOk(void);

/* Profile export file */
int32_t WIFIAPI_CALL ExportProfile(const char* profileName, const char* fileName);
int32_t WIFIAPI_CALL ImportProfile(char* profileName /* 128 bytes */, const char* fileName);

/* Connection engine */
int32_t WIFIAPI_CALL ConnectToNetwork(const WLAN_PROFILE* profile);
int32_t WIFIAPI_CALL Disconnect(void);
int32_t WIFIAPI_CALL GetConnectionStatus(uint32_t* state);

/* Link status and site survey */
int32_t WIFIAPI_CALL GetSignalInfo(SIGNAL_INFO* info);
int32_t WIFIAPI_CALL GetLinkQualityIndex(int32_t rssi);
int32_t WIFIAPI_CALL GetNetworkStatus(const char* adapterDescription, NETWORK_STATUS* status);
int32_t WIFIAPI_CALL GetNetworkStatistics(const char* hardwareId, NETWORK_STATISTICS* statistics);
int32_t WIFIAPI_CALL ScanSiteInfo(void);
int32_t WIFIAPI_CALL GetSiteInfo(void* buffer, uint32_t length);

/* IP configuration */
int32_t WIFIAPI_CALL SetNetIPInfo(const char* adapterDescription, const WLAN_PROFILE* profile);
int32_t WIFIAPI_CALL GetNetIPInfo(const char* adapterDescription, WLAN_PROFILE* profile);

/* Wireless Zero Configuration control */
int32_t WIFIAPI_CALL IsWindowsZeroControlEnabled(void);
int32_t WIFIAPI_CALL EnableWindowsZeroControl(int32_t enable);

/* WEP key generation */
uint8_t* WIFIAPI_CALL GeneratePassPhrase(uint8_t* digest /* 16 bytes */, const char* passphrase);
uint32_t WIFIAPI_CALL nwepgen(const char* passphrase, int32_t keyLength, uint8_t* keys);

#ifdef __cplusplus
}

static_assert(sizeof(WLAN_PROFILE) == 1160, "WLAN_PROFILE layout");
static_assert(offsetof(WLAN_PROFILE, SSID) == 128, "WLAN_PROFILE.SSID");
static_assert(offsetof(WLAN_PROFILE, AssociationMode) == 168, "WLAN_PROFILE.AssociationMode");
static_assert(offsetof(WLAN_PROFILE, PassPhrase) == 248, "WLAN_PROFILE.PassPhrase");
static_assert(offsetof(WLAN_PROFILE, WEPKey) == 376, "WLAN_PROFILE.WEPKey");
static_assert(offsetof(WLAN_PROFILE, AuthMethod) == 1124, "WLAN_PROFILE.AuthMethod");
static_assert(offsetof(WLAN_PROFILE, IpAddr) == 1140, "WLAN_PROFILE.IpAddr");
static_assert(sizeof(SIGNAL_INFO) == 8, "SIGNAL_INFO layout");
static_assert(sizeof(NETWORK_STATUS) == 660, "NETWORK_STATUS layout");
static_assert(offsetof(NETWORK_STATUS, Ssid) == 1, "NETWORK_STATUS.Ssid");
static_assert(offsetof(NETWORK_STATUS, InfrastructureMode) == 44, "NETWORK_STATUS.InfrastructureMode");
static_assert(offsetof(NETWORK_STATUS, IpAddress) == 64, "NETWORK_STATUS.IpAddress");
static_assert(offsetof(NETWORK_STATUS, DhcpEnabled) == 128, "NETWORK_STATUS.DhcpEnabled");
static_assert(offsetof(NETWORK_STATUS, MacAddress) == 129, "NETWORK_STATUS.MacAddress");
static_assert(offsetof(NETWORK_STATUS, Bssid) == 145, "NETWORK_STATUS.Bssid");
static_assert(sizeof(NETWORK_STATISTICS) == 48, "NETWORK_STATISTICS layout");
static_assert(offsetof(NETWORK_STATISTICS, BytesReceived) == 16, "NETWORK_STATISTICS.BytesReceived");
static_assert(offsetof(NETWORK_STATISTICS, DriverVersion) == 40, "NETWORK_STATISTICS.DriverVersion");
static_assert(offsetof(SITE_INFO, SsidLength) == 12, "SITE_INFO.SsidLength");
static_assert(offsetof(SITE_INFO, Privacy) == 48, "SITE_INFO.Privacy");
static_assert(offsetof(SITE_INFO, ConfigLength) == 60, "SITE_INFO.Configuration");
static_assert(offsetof(SITE_INFO, InfrastructureMode) == 92, "SITE_INFO.InfrastructureMode");
static_assert(offsetof(SITE_INFO, IELength) == 112, "SITE_INFO.IELength");
static_assert(offsetof(SITE_INFO, IEs) == 116, "SITE_INFO.IEs");
#endif

#endif /* WIFIAPI_H */
