// SurveyRules.h - the survey lists' rows, cells and details, and the record a connect starts from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "adapter/portable/ScanList.h"
#include "adapter/wifiapi.h"

namespace survey {

// Row icons, in the order of the page's image list (bitmaps IDB_ROW_OPEN, IDB_ROW_PROTECTED, IDB_ROW_ADHOC).
enum Icon : int { OpenNetwork = 0, ProtectedNetwork = 1, AdhocCell = 2 };

struct Row {
    std::string ssid, channel, signal;  // the three cells
    std::string summary;                // the row's second text
    int icon = OpenNetwork;
};

Icon RowIcon(const scan::Entry& entry);
// "\n   SSID:<ssid>   \n   Infrastructure   \n   <security>   \n   MAC:<mac>   \n".
std::string RowSummary(const scan::Entry& entry);
// The entries a survey list shows, in buffer order: at most 100, none with an empty SSID.
std::vector<scan::Entry> ListedEntries(const uint8_t* list, size_t size);

// What a column of a survey list shows of its row's entry.
enum class Cell {
    Ssid,      // the SSID up to its first NUL
    Channel,   // "6", limited to 14
    Signal,    // "97%"
    Security,  // the available networks page's "No", "WPA" or "WEP"
    Mac,       // "00-14-6C-A1-22-33"
};
std::string CellText(Cell cell, const scan::Entry& entry);
// The rows of a survey buffer in buffer order: at most 100 entries, none for an empty SSID.
std::vector<Row> ListRows(const uint8_t* list, size_t size);
// The details of an entry: SSID, "Infrastructure" or "Ad Hoc", channel, security, MAC.
std::vector<std::string> DetailLines(const scan::Entry& entry);

// A row's three cells, by which the details and the connect find its entry again.
struct RowCells {
    std::string_view ssid, channel, signal;
};

enum class Lookup {
    Filled,      // the record describes the row's network; connect
    NoEntry,     // no entry of the buffer matches the row any more; the record is untouched
    Enterprise,  // the network logs in by 802.1X only; the record is untouched
};

// The connect lookup: the row's entry fills the network's fields of `record`
// (AssociationMode, SSID, Channel, SecurityMode, EncryptionLevel, DhcpEnabled 1, TxRate 54,
// DefaultKeyId 0, AuthentMode 0) and clears the secrets an earlier network left in it (the
// passphrase, the four WEP keys, the 802.1X login texts); the key dialogs fill what they need.
Lookup FillForConnect(const uint8_t* list, size_t size, const RowCells& cells, WLAN_PROFILE& record);
// A WPA network with the AES cipher is asked for with the WPA2-Personal dialog.
void PreferWpa2ForAes(WLAN_PROFILE& record);

inline constexpr const char* EnterpriseRefusal =
    "This network needs a WPA-Enterprise profile. Create one for it on the Profiles page, then connect "
    "with that profile.";
inline constexpr const char* StaticAddressQuestion =
    "Your PC is current using \"Static IP Address\".Do you want to change to \"Obtain IP Address "
    "Automatically\" for wireless connection?";

// Whether to ask the static-address question: the adapter's status was read (result 0), names
// the adapter's address, is not from DHCP, and the link is up. Without a status or an address
// (the adapter was not found) there is nothing to keep, and the record asks for DHCP.
bool AsksAboutStaticAddress(int32_t statusResult, const NETWORK_STATUS& status, bool linkUp);
// The answer: DHCP, or the adapter's present addresses (network byte order) kept as static ones.
void TakeDhcp(WLAN_PROFILE& record);
void KeepStaticAddresses(WLAN_PROFILE& record, uint32_t address, uint32_t mask, uint32_t gateway, uint32_t dns);

}  // namespace survey
