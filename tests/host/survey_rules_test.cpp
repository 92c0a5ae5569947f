// The Site Survey page's rules on entries shaped as the simulated adapter delivers them: rows,
// icons, cells, details, the 100-entry limit, the connect lookup and the IP answer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ScanList.h"
#include "monitor/survey/portable/SurveyRules.h"
#include "nvxsim/model/BssidList.h"
#include "tests/support/BssidListBuilder.h"

namespace {

using nvxsim::Network;
using nvxsim::Security;

Network Net(const char* ssid, uint8_t last, uint32_t channel, int32_t rssi, Security security, bool adhoc = false) {
    Network n;
    n.ssid = ssid;
    n.bssid = {0x00, 0x14, 0x6C, 0xA1, 0x22, last};
    n.channel = channel;
    n.rssi = rssi;
    n.security = security;
    n.adhoc = adhoc;
    return n;
}

// Every kind of network the simulator knows, in this order.
std::vector<Network> Environment() {
    return {Net("Velmora-Home", 0x01, 6, -48, Security::Wpa2Ccmp),
            Net("Harbour Office", 0x02, 1, -54, Security::WpaTkip),
            Net("OldMill", 0x03, 11, -55, Security::Wep),
            Net("Corner Cafe", 0x04, 3, -89, Security::Open),
            Net("Campus-Secure", 0x05, 9, -100, Security::Wpa2Eap),
            Net("", 0x06, 4, -80, Security::WpaMixed),
            Net("Lighthouse", 0x07, 14, -70, Security::WpaAes),
            Net("PartyLine", 0x08, 2, -70, Security::Open, true),
            Net("Mixed Mode", 0x09, 8, -62, Security::WpaMixed),
            Net("Dorm WPA", 0x0A, 10, -62, Security::WpaEap),
            Net("Radius WEP", 0x0B, 12, -62, Security::DynamicWep),
            Net("Five Gig", 0x0C, 6, -62, Security::Open)};
}

std::vector<uint8_t> SimulatedList(const std::vector<Network>& networks) {
    std::vector<nvxsim::HeardBss> heard;
    for (const Network& n : networks) heard.push_back({&n, n.rssi, 1000});
    std::vector<uint8_t> list = nvxsim::BssidList(heard);
    list.resize(WIFIAPI_SCAN_BUFFER_SIZE, 0);  // as the monitor's buffers are
    return list;
}

// Moves entry `index` to 5 GHz (the simulator only has 2.4 GHz channels).
void SetFrequency(std::vector<uint8_t>& list, size_t index, uint32_t khz) {
    size_t at = 4;
    for (size_t i = 0; i < index; ++i) at += LoadU32(&list[at]);
    StoreU32(&list[at + offsetof(SITE_INFO, DSConfig)], khz);
}

std::vector<uint8_t> TestList() {
    std::vector<uint8_t> list = SimulatedList(Environment());
    SetFrequency(list, 11, 5180000);
    return list;
}

const char* Summary(const char* ssid, const char* mode, const char* security, const char* mac) {
    static std::string text;
    text = std::string("\n   SSID:") + ssid + "   \n   " + mode + "   \n   " + security + "   \n   MAC:" + mac + "   \n";
    return text.c_str();
}

WLAN_PROFILE EarlierRecord() {
    WLAN_PROFILE r;
    std::memset(&r, 0, sizeof r);
    std::strcpy(r.ProfileName, "kept");
    std::strcpy(r.SSID, "An Earlier Network With A Long Name");
    r.IsPassPhrase = 1;
    std::strcpy(r.PassPhrase, "earlier secret");
    for (auto& key : r.WEPKey) std::strcpy(key, "0A1B2C3D4E");
    std::strcpy(r.LoginName, "student");
    std::strcpy(r.LoginPassword, "exam-season");
    std::strcpy(r.UserCertHash, "Student Certificate");
    std::strcpy(r.ServerName, "radius.campus");
    std::strcpy(r.ProfileID, "id");
    r.DhcpEnabled = 0;
    r.IpAddr = 0x0A05A8C0;
    r.DefaultKeyId = 3;
    r.AuthentMode = 2;
    r.TxRate = 11;
    return r;
}

}  // namespace

TEST(SurveyRows, SimulatedEntriesGiveCellsIconsAndSummaries) {
    const std::vector<uint8_t> list = TestList();
    const std::vector<survey::Row> rows = survey::ListRows(list.data(), list.size());
    const struct {
        const char* ssid;
        const char* channel;
        const char* signal;
        int icon;
        const char* mode;
        const char* security;  // null: the list's security text is the adapter library's (RSN elements)
        const char* mac;
    } expected[] = {
        {"Velmora-Home", "6", "100%", survey::ProtectedNetwork, "Infrastructure", nullptr, "00-14-6C-A1-22-01"},
        {"Harbour Office", "1", "100%", survey::ProtectedNetwork, "Infrastructure", "TKIP", "00-14-6C-A1-22-02"},
        {"OldMill", "11", "97%", survey::ProtectedNetwork, "Infrastructure", "WEP", "00-14-6C-A1-22-03"},
        {"Corner Cafe", "3", "0%", survey::OpenNetwork, "Infrastructure", "No", "00-14-6C-A1-22-04"},
        {"Campus-Secure", "9", "0%", survey::ProtectedNetwork, "Infrastructure", nullptr, "00-14-6C-A1-22-05"},
        // the empty SSID gets no row; the rows after it keep their order
        {"Lighthouse", "14", "54%", survey::ProtectedNetwork, "Infrastructure", "AES", "00-14-6C-A1-22-07"},
        {"PartyLine", "2", "54%", survey::AdhocCell, "Ad-Hoc", "No", "00-14-6C-A1-22-08"},
        {"Mixed Mode", "8", "77%", survey::ProtectedNetwork, "Infrastructure", nullptr, "00-14-6C-A1-22-09"},
        {"Dorm WPA", "10", "77%", survey::ProtectedNetwork, "Infrastructure", "TKIP", "00-14-6C-A1-22-0A"},
        {"Radius WEP", "12", "77%", survey::ProtectedNetwork, "Infrastructure", "WEP", "00-14-6C-A1-22-0B"},
        {"Five Gig", "14", "77%", survey::OpenNetwork, "Infrastructure", "No", "00-14-6C-A1-22-0C"},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& e = expected[i];
        EXPECT_EQ(rows[i].ssid, e.ssid) << i;
        EXPECT_EQ(rows[i].channel, e.channel) << e.ssid;
        EXPECT_EQ(rows[i].signal, e.signal) << e.ssid;
        EXPECT_EQ(rows[i].icon, e.icon) << e.ssid;
        if (e.security) {
            EXPECT_EQ(rows[i].summary, Summary(e.ssid, e.mode, e.security, e.mac)) << e.ssid;
        } else {
            EXPECT_EQ(rows[i].summary.rfind(std::string("\n   SSID:") + e.ssid + "   \n   " + e.mode + "   \n   ", 0), 0u)
                << e.ssid;
            EXPECT_NE(rows[i].summary.find(std::string("   MAC:") + e.mac + "   \n"), std::string::npos) << e.ssid;
        }
    }
}

// The cells both survey lists show: the Site Survey's three and the available networks page's five.
TEST(SurveyRows, EachColumnsCellOfEachKindOfNetwork) {
    const std::vector<uint8_t> list = TestList();
    const std::vector<scan::Entry> entries = survey::ListedEntries(list.data(), list.size());
    const struct {
        const char* ssid;
        const char* channel;
        const char* signal;
        const char* security;
        const char* mac;
    } expected[] = {
        {"Velmora-Home", "6", "100%", "WPA", "00-14-6C-A1-22-01"},
        {"Harbour Office", "1", "100%", "WPA", "00-14-6C-A1-22-02"},
        {"OldMill", "11", "97%", "WEP", "00-14-6C-A1-22-03"},
        {"Corner Cafe", "3", "0%", "No", "00-14-6C-A1-22-04"},
        {"Campus-Secure", "9", "0%", "WPA", "00-14-6C-A1-22-05"},
        {"Lighthouse", "14", "54%", "WPA", "00-14-6C-A1-22-07"},
        {"PartyLine", "2", "54%", "No", "00-14-6C-A1-22-08"},
        {"Mixed Mode", "8", "77%", "WPA", "00-14-6C-A1-22-09"},
        {"Dorm WPA", "10", "77%", "WPA", "00-14-6C-A1-22-0A"},
        {"Radius WEP", "12", "77%", "WEP", "00-14-6C-A1-22-0B"},
        {"Five Gig", "14", "77%", "No", "00-14-6C-A1-22-0C"},
    };
    ASSERT_EQ(entries.size(), std::size(expected)) << "the entry without an SSID is not listed";
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& e = expected[i];
        EXPECT_EQ(survey::CellText(survey::Cell::Ssid, entries[i]), e.ssid) << i;
        EXPECT_EQ(survey::CellText(survey::Cell::Channel, entries[i]), e.channel) << e.ssid;
        EXPECT_EQ(survey::CellText(survey::Cell::Signal, entries[i]), e.signal) << e.ssid;
        EXPECT_EQ(survey::CellText(survey::Cell::Security, entries[i]), e.security) << e.ssid;
        EXPECT_EQ(survey::CellText(survey::Cell::Mac, entries[i]), e.mac) << e.ssid;
    }
}

TEST(SurveyRows, DetailsOfEachKindOfNetwork) {
    const std::vector<uint8_t> list = TestList();
    const scan::ScanList entries(list.data(), list.size());
    const struct {
        const char* ssid;
        const char* channel;
        const char* signal;
        std::vector<std::string> lines;
    } cases[] = {
        {"Velmora-Home", "6", "100%", {"Velmora-Home", "Infrastructure", "6", "AES", "00-14-6C-A1-22-01"}},
        {"Harbour Office", "1", "100%", {"Harbour Office", "Infrastructure", "1", "TKIP", "00-14-6C-A1-22-02"}},
        {"OldMill", "11", "97%", {"OldMill", "Infrastructure", "11", "WEP", "00-14-6C-A1-22-03"}},
        {"Corner Cafe", "3", "0%", {"Corner Cafe", "Infrastructure", "3", "No", "00-14-6C-A1-22-04"}},
        {"Lighthouse", "14", "54%", {"Lighthouse", "Infrastructure", "14", "AES", "00-14-6C-A1-22-07"}},
        {"PartyLine", "2", "54%", {"PartyLine", "Ad Hoc", "2", "No", "00-14-6C-A1-22-08"}},
        {"Mixed Mode", "8", "77%", {"Mixed Mode", "Infrastructure", "8", "AES", "00-14-6C-A1-22-09"}},
        {"Five Gig", "14", "77%", {"Five Gig", "Infrastructure", "14", "No", "00-14-6C-A1-22-0C"}},
    };
    for (const auto& c : cases) {
        const auto entry = scan::FindEntry(entries, c.ssid, c.channel, c.signal);
        ASSERT_TRUE(entry) << c.ssid;
        EXPECT_EQ(survey::DetailLines(*entry), c.lines) << c.ssid;
    }
    EXPECT_FALSE(scan::FindEntry(entries, "Lighthouse", "15", "54%")) << "the cells as the list shows them";
}

TEST(SurveyRows, AtMostOneHundredEntriesAreListed) {
    const struct {
        uint32_t entries, declared;
        size_t rows;
    } cases[] = {{150, 150, 100}, {100, 100, 100}, {99, 99, 99}, {120, 100, 100}, {3, 0, 0}, {3, 7, 3}};
    for (const auto& c : cases) {
        std::vector<bssid_list::Bytes> entries;
        for (uint32_t i = 0; i < c.entries; ++i) {
            bssid_list::EntrySpec spec;
            spec.ssid = "Flat " + std::to_string(i);
            entries.push_back(bssid_list::Entry(spec));
        }
        std::vector<uint8_t> list = bssid_list::List(entries, c.declared);
        const std::vector<survey::Row> rows = survey::ListRows(list.data(), list.size());
        ASSERT_EQ(rows.size(), c.rows) << c.entries << "/" << c.declared;
        if (!rows.empty()) {
            EXPECT_EQ(rows.back().ssid, "Flat " + std::to_string(c.rows - 1));
        }
        scan::LimitEntryCount(list.data(), list.size());
        EXPECT_EQ(LoadU32(list.data()), std::min<uint32_t>(c.declared, 100)) << "the buffer's count after the fill";
    }
}

TEST(SurveyConnect, TheRowsEntryFillsTheRecordAndClearsEarlierSecrets) {
    const std::vector<uint8_t> list = TestList();
    const struct {
        survey::RowCells cells;
        uint32_t associationMode, channel, securityMode, encryptionLevel;
        uint32_t afterAes;  // SecurityMode after the AES preference
    } cases[] = {
        {{"Velmora-Home", "6", "100%"}, 1, 6, 2, 6, 4},
        {{"Harbour Office", "1", "100%"}, 1, 1, 2, 5, 2},
        {{"OldMill", "11", "97%"}, 1, 11, 1, 1, 1},
        {{"Corner Cafe", "3", "0%"}, 1, 3, 0, 0, 0},
        {{"Lighthouse", "14", "54%"}, 1, 14, 2, 6, 4},
        {{"PartyLine", "2", "54%"}, 0, 2, 0, 0, 0},
        {{"Mixed Mode", "8", "77%"}, 1, 8, 2, 6, 4},
        {{"Radius WEP", "12", "77%"}, 1, 12, 1, 1, 1},
        {{"Five Gig", "14", "77%"}, 1, 14, 0, 0, 0},
    };
    for (const auto& c : cases) {
        WLAN_PROFILE r = EarlierRecord();
        ASSERT_EQ(survey::FillForConnect(list.data(), list.size(), c.cells, r), survey::Lookup::Filled) << c.cells.ssid;
        EXPECT_STREQ(r.SSID, std::string(c.cells.ssid).c_str());
        EXPECT_EQ(r.SSID[sizeof r.SSID - 1], 0) << "the field is cleared before the SSID";
        EXPECT_EQ(r.AssociationMode, c.associationMode) << c.cells.ssid;
        EXPECT_EQ(r.Channel, c.channel) << c.cells.ssid;
        EXPECT_EQ(r.SecurityMode, c.securityMode) << c.cells.ssid;
        EXPECT_EQ(r.EncryptionLevel, c.encryptionLevel) << c.cells.ssid;
        EXPECT_EQ(r.DhcpEnabled, 1u);
        EXPECT_EQ(r.TxRate, 54u);
        EXPECT_EQ(r.DefaultKeyId, 0u);
        EXPECT_EQ(r.AuthentMode, 0u);
        // No secret of the earlier network stays behind.
        EXPECT_EQ(r.IsPassPhrase, 0u);
        for (const char* field : {r.PassPhrase, r.WEPKey[0], r.WEPKey[1], r.WEPKey[2], r.WEPKey[3], r.LoginName,
                                  r.LoginPassword, r.UserCertHash, r.ServerName})
            EXPECT_STREQ(field, "") << c.cells.ssid;
        EXPECT_STREQ(r.ProfileName, "kept") << "no other field is touched";
        EXPECT_STREQ(r.ProfileID, "id");
        EXPECT_EQ(r.IpAddr, 0x0A05A8C0u);
        survey::PreferWpa2ForAes(r);
        EXPECT_EQ(r.SecurityMode, c.afterAes) << c.cells.ssid;
    }
}

TEST(SurveyConnect, EnterpriseNetworksAndChangedListsStartNothing) {
    const std::vector<uint8_t> list = TestList();
    std::vector<Network> rescanned = Environment();
    rescanned.erase(rescanned.begin() + 1);  // Harbour Office went out of range
    rescanned[0].rssi = -60;                 // Velmora-Home is heard weaker
    const std::vector<uint8_t> changed = SimulatedList(rescanned);
    const struct {
        const char* name;
        const std::vector<uint8_t>* list;
        survey::RowCells cells;
        survey::Lookup result;
    } cases[] = {
        {"WPA2 with 802.1X", &list, {"Campus-Secure", "9", "0%"}, survey::Lookup::Enterprise},
        {"WPA with 802.1X", &list, {"Dorm WPA", "10", "77%"}, survey::Lookup::Enterprise},
        {"gone", &changed, {"Harbour Office", "1", "100%"}, survey::Lookup::NoEntry},
        {"signal changed", &changed, {"Velmora-Home", "6", "100%"}, survey::Lookup::NoEntry},
        {"still there", &changed, {"OldMill", "11", "97%"}, survey::Lookup::Filled},
        {"no row", &list, {"", "", ""}, survey::Lookup::NoEntry},
    };
    for (const auto& c : cases) {
        const WLAN_PROFILE before = EarlierRecord();
        WLAN_PROFILE r = before;
        EXPECT_EQ(survey::FillForConnect(c.list->data(), c.list->size(), c.cells, r), c.result) << c.name;
        if (c.result != survey::Lookup::Filled) {
            EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0) << c.name << ": the record is untouched";
        }
    }
    EXPECT_NE(std::string(survey::EnterpriseRefusal).find("WPA-Enterprise profile"), std::string::npos);
    EXPECT_NE(std::string(survey::EnterpriseRefusal).find("Profiles page"), std::string::npos);
}

TEST(SurveyConnect, StaticAddressQuestionAndItsAnswers) {
    NETWORK_STATUS found{};
    std::strcpy(found.IpAddress, "192.168.5.20");
    NETWORK_STATUS missing{};  // no adapter of that description: no address texts
    const struct {
        const char* name;
        int32_t result;
        const NETWORK_STATUS* status;
        uint8_t dhcp;
        bool linkUp, asks;
    } cases[] = {{"static and linked", 0, &found, 0, true, true},  {"DHCP", 0, &found, 1, true, false},
                 {"link down", 0, &found, 0, false, false},        {"status failed", 1, &found, 0, true, false},
                 {"adapter not found", 0, &missing, 0, true, false}};
    for (const auto& c : cases) {
        NETWORK_STATUS s = *c.status;
        s.DhcpEnabled = c.dhcp;
        EXPECT_EQ(survey::AsksAboutStaticAddress(c.result, s, c.linkUp), c.asks) << c.name;
    }
    EXPECT_EQ(std::string(survey::StaticAddressQuestion),
              "Your PC is current using \"Static IP Address\".Do you want to change to \"Obtain IP Address "
              "Automatically\" for wireless connection?");

    WLAN_PROFILE r = EarlierRecord();
    survey::KeepStaticAddresses(r, 1, 2, 3, 4);
    EXPECT_EQ(r.DhcpEnabled, 0u);
    EXPECT_EQ(r.IpAddr, 1u);
    EXPECT_EQ(r.IpMask, 2u);
    EXPECT_EQ(r.IpGate, 3u);
    EXPECT_EQ(r.IpDns1, 4u);
    survey::TakeDhcp(r);
    EXPECT_EQ(r.DhcpEnabled, 1u);
    EXPECT_EQ(r.IpAddr | r.IpMask | r.IpGate | r.IpDns1, 0u);
}
