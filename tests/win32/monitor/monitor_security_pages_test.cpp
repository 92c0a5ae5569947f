// The profile editor's security pages in-process: WEP, WPA-Personal, WPA2-Personal, WPA-Enterprise
// and RADIUS, the current user's certificates from a store the test stages, profiles saved
// through them read back from the registry and connected through the simulator.
#include <winsock2.h>
#include <windows.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "adapter/portable/KeyText.h"
#include "adapter/wifiapi.h"
#include "monitor/editor/EapPage.h"
#include "monitor/editor/ProfileSummaryPage.h"
#include "monitor/editor/UserCertificates.h"
#include "monitor/editor/WepPage.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"
#include "tests/win32/monitor/EditorTestSupport.h"

using namespace monitor_test;

namespace {

int TemplateOf(CEditorPage* page) { return page ? page->TemplateId() : 0; }

// Security-mode list entries.
enum Entry { Disabled, Wep, WpaPersonal, Wpa2Personal, WpaEnterprise, Radius };

// Opens the editor for a new profile `name` (changed by `prepare`), then goes to the page of
// security entry `entry` for network `ssid`.
CEditorPage* ToSecurityEntry(CMonitorDlg& w, WLAN_PROFILE& record, const char* name, const char* ssid, int entry,
                             const std::function<void(WLAN_PROFILE&)>& prepare = {}) {
    OpenEditorFor(w, record, name);
    if (prepare) prepare(record);
    Click(Shown(w), IDC_NETWORKS_MANUAL);
    Click(Shown(w), IDC_NEXT);
    Type(Shown(w), IDC_MODE_SSID, ssid);
    Click(Shown(w), IDC_NEXT);
    Choose(Shown(w), IDC_SECURITY_MODE, entry);
    Click(Shown(w), IDC_NEXT);
    return Shown(w);
}

std::vector<std::string> SummaryRows(CMonitorDlg& w) {
    std::vector<std::string> rows;
    if (auto* summary = dynamic_cast<CProfileSummaryPage*>(Shown(w)))
        for (int i = 0; i < summary->Rows().Count(); ++i) rows.push_back(summary->Rows().Text(i));
    return rows;
}

std::vector<std::string> Entries(CEditorPage* page, int id) {
    std::vector<std::string> entries;
    const ui::ComboBox box(page->Handle(), id);
    for (int i = 0; i < box.Count(); ++i) entries.push_back(box.Text(i));
    return entries;
}

std::string Digits64(const char* passphrase, int index) {
    uint8_t keys[27 * 3 + 5] = {};
    nwepgen(passphrase, 5, keys);
    return BytesToHexText(keys + 27 * index, 5);
}

std::string Digits128(const char* passphrase) {
    uint8_t digest[16] = {};
    GeneratePassPhrase(digest, passphrase);
    return BytesToHexText(digest, 13);
}

bool WaitConnected(const char* ssid) {
    for (int i = 0; i < 60; ++i) {
        Pump(50);
        AdvanceClock(200);
        uint32_t state = 1;
        NETWORK_STATUS status{};
        if (GetConnectionStatus(&state) == 0 && state == 0 &&
            GetNetworkStatus(WIFIAPI_ADAPTER_XP, &status) == 0 && std::string(status.Ssid) == ssid)
            return true;
    }
    return false;
}

// Self-signed certificates in the current user's "MY" store for the length of a test, removed afterwards.
class StagedCertificates {
public:
    struct Spec {
        const char* subject;   // X.500 text
        const wchar_t* friendlyName;  // null: none
        bool privateKey;
    };

    explicit StagedCertificates(std::initializer_list<Spec> specs) {
        RemoveStaged();
        CryptAcquireContextA(&provider_, kContainer, nullptr, PROV_RSA_FULL, CRYPT_DELETEKEYSET);
        provider_ = 0;
        if (!CryptAcquireContextA(&provider_, kContainer, nullptr, PROV_RSA_FULL, CRYPT_NEWKEYSET)) {
            ADD_FAILURE() << "key container: " << GetLastError();
            return;
        }
        HCRYPTKEY key = 0;
        EXPECT_TRUE(CryptGenKey(provider_, AT_SIGNATURE, (512u << 16), &key));
        if (key) CryptDestroyKey(key);
        HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, "MY");
        if (!store) {
            ADD_FAILURE() << "the user's MY store: " << GetLastError();
            return;
        }
        for (const Spec& spec : specs) Add(store, spec);
        EXPECT_TRUE(CertControlStore(store, 0, CERT_STORE_CTRL_COMMIT, nullptr));
        CertCloseStore(store, 0);
    }

    ~StagedCertificates() {
        RemoveStaged();
        if (provider_) CryptReleaseContext(provider_, 0);
        HCRYPTPROV gone = 0;
        CryptAcquireContextA(&gone, kContainer, nullptr, PROV_RSA_FULL, CRYPT_DELETEKEYSET);
    }

    // Every certificate of the organisation the tests use, also those a stopped run left behind.
    static void RemoveStaged() {
        HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, "MY");
        if (!store) return;
        // Collected first: deleting while enumerating loses the enumeration's place.
        std::vector<PCCERT_CONTEXT> staged;
        PCCERT_CONTEXT found = nullptr;
        while ((found = CertEnumCertificatesInStore(store, found)) != nullptr) {
            char subject[256] = {};
            CertNameToStrA(X509_ASN_ENCODING, &found->pCertInfo->Subject, CERT_X500_NAME_STR, subject, sizeof subject);
            if (std::strstr(subject, kOrganisation)) staged.push_back(CertDuplicateCertificateContext(found));
        }
        for (PCCERT_CONTEXT certificate : staged) CertDeleteCertificateFromStore(certificate);
        CertControlStore(store, 0, CERT_STORE_CTRL_COMMIT, nullptr);
        CertCloseStore(store, 0);
    }

private:
    static constexpr const char* kContainer = "VelmoraEditorTest";
    static constexpr const char* kOrganisation = "O=Velmora Test";

    void Add(HCERTSTORE store, const Spec& spec) {
        BYTE name[256];
        DWORD size = sizeof name;
        ASSERT_TRUE(CertStrToNameA(X509_ASN_ENCODING, spec.subject, CERT_X500_NAME_STR, nullptr, name, &size, nullptr))
            << spec.subject;
        CERT_NAME_BLOB subject{size, name};
        PCCERT_CONTEXT made = CertCreateSelfSignCertificate(provider_, &subject, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(made, nullptr) << spec.subject << ": " << GetLastError();
        PCCERT_CONTEXT stored = nullptr;
        ASSERT_TRUE(CertAddCertificateContextToStore(store, made, CERT_STORE_ADD_REPLACE_EXISTING, &stored));
        CertFreeCertificateContext(made);
        CRYPT_KEY_PROV_INFO keyInfo{};
        keyInfo.pwszContainerName = const_cast<wchar_t*>(L"VelmoraEditorTest");
        keyInfo.dwProvType = PROV_RSA_FULL;
        keyInfo.dwKeySpec = AT_SIGNATURE;
        EXPECT_TRUE(CertSetCertificateContextProperty(stored, CERT_KEY_PROV_INFO_PROP_ID, 0,
                                                      spec.privateKey ? &keyInfo : nullptr));
        if (spec.friendlyName) {
            CRYPT_DATA_BLOB friendly{DWORD((wcslen(spec.friendlyName) + 1) * sizeof(wchar_t)),
                                     reinterpret_cast<BYTE*>(const_cast<wchar_t*>(spec.friendlyName))};
            EXPECT_TRUE(CertSetCertificateContextProperty(stored, CERT_FRIENDLY_NAME_PROP_ID, 0, &friendly));
        }
        CertFreeCertificateContext(stored);
    }

    HCRYPTPROV provider_ = 0;
};

std::vector<std::string> ListedCertificates() {
    std::vector<std::string> names;
    EnumUserCertificates(names);
    return names;
}

// Alice and Bob by their common names, Carol by her friendly name; the nameless one and Dave,
// who has no private key, are not listed.
const std::initializer_list<StagedCertificates::Spec> kCertificates = {
    {"CN=Alice Client, O=Velmora Test", nullptr, true},
    {"CN=Bob Laptop, O=Velmora Test", L"Bob's old laptop", true},
    {"O=Velmora Test, OU=Carol", L"Carol Token", true},
    {"O=Velmora Test, OU=Nameless", nullptr, true},
    {"CN=Dave NoKey, O=Velmora Test", L"Dave", false},
};

}  // namespace

TEST_F(EditorFixture, UserCertificatesAreListedByCommonNameElseFriendlyNameWithAPrivateKeyOnly) {
    StagedCertificates::RemoveStaged();
    const std::vector<std::string> before = ListedCertificates();
    std::vector<std::string> added;
    {
        StagedCertificates staged(kCertificates);
        for (const std::string& name : ListedCertificates())
            if (std::find(before.begin(), before.end(), name) == before.end()) added.push_back(name);
    }
    std::sort(added.begin(), added.end());
    EXPECT_EQ(added, (std::vector<std::string>{"Alice Client", "Bob Laptop", "Carol Token"}));
    EXPECT_EQ(ListedCertificates(), before) << "the staged certificates are gone again";
}

TEST_F(EditorFixture, WepPageMakesKeysFromThePassphraseAndTakesTypedKeys) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        WLAN_PROFILE record{};
        auto* page = static_cast<CWepPage*>(ToSecurityEntry(w, record, "Mill", "OldMill", Wep));
        ASSERT_EQ(TemplateOf(page), IDD_WEP);
        EXPECT_EQ(ChosenText(page, IDC_WEP_PAGE_KEY_LENGTH), "64 bits");
        EXPECT_EQ(record.EncryptionLevel, 1u);
        EXPECT_EQ(TextOf(page, IDC_WEP_PAGE_KEY), "00:00:00:00:00");
        EXPECT_EQ(ChosenText(page, IDC_WEP_PAGE_TX_KEY), "1");
        EXPECT_EQ(ChosenText(page, IDC_WEP_PAGE_AUTHENTICATION), "Open System");
        EXPECT_EQ(SendMessageA(page->Item(IDC_WEP_PAGE_PASSPHRASE), EM_GETLIMITTEXT, 0, 0), 16);
        EXPECT_EQ(page->KeyField().mask, "PP:PP:PP:PP:PP");

        // A passphrase with transmit key 1 makes the first key; key 3 the third, and slot 0 stays.
        Type(page, IDC_WEP_PAGE_PASSPHRASE, "velmora");
        const std::string first = Digits64("velmora", 0), third = Digits64("velmora", 2);
        EXPECT_EQ(std::string(record.WEPKey[0]), first);
        EXPECT_EQ(TextOf(page, IDC_WEP_PAGE_KEY), FormatWepKeyText(first, 10));
        EXPECT_EQ(record.IsPassPhrase, 1u);
        EXPECT_STREQ(record.PassPhrase, "velmora");
        Choose(page, IDC_WEP_PAGE_TX_KEY, 2);
        EXPECT_EQ(record.DefaultKeyId, 2u);
        EXPECT_EQ(std::string(record.WEPKey[2]), third);
        EXPECT_EQ(std::string(record.WEPKey[0]), first);
        EXPECT_EQ(TextOf(page, IDC_WEP_PAGE_KEY), FormatWepKeyText(third, 10));

        // 128 bits empties the passphrase and shows zeros; a passphrase then gives the library's digits.
        Choose(page, IDC_WEP_PAGE_KEY_LENGTH, 1);
        EXPECT_EQ(record.EncryptionLevel, 2u);
        EXPECT_EQ(TextOf(page, IDC_WEP_PAGE_PASSPHRASE), "");
        EXPECT_EQ(TextOf(page, IDC_WEP_PAGE_KEY), "00:00:00:00:00:00:00:00:00:00:00:00:00");
        EXPECT_EQ(page->KeyField().mask, "PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP");
        Type(page, IDC_WEP_PAGE_PASSPHRASE, "velmora");
        EXPECT_EQ(std::string(record.WEPKey[2]), Digits128("velmora"));
        EXPECT_EQ(TextOf(page, IDC_WEP_PAGE_KEY), FormatWepKeyText(Digits128("velmora"), 26));
        Picture(w, "editor-wep");

        // Clearing the passphrase puts zeros into the transmit key's slot.
        Type(page, IDC_WEP_PAGE_PASSPHRASE, "");
        EXPECT_EQ(record.IsPassPhrase, 0u);
        EXPECT_EQ(std::string(record.WEPKey[2]), std::string(26, '0'));

        // A typed key is stored without its colons.
        Choose(page, IDC_WEP_PAGE_TX_KEY, 0);
        Choose(page, IDC_WEP_PAGE_KEY_LENGTH, 0);
        Type(page, IDC_WEP_PAGE_KEY, "0A:1B:2C:3D:4E");
        EXPECT_EQ(std::string(record.WEPKey[0]), "0A1B2C3D4E");
        EXPECT_EQ(std::string(record.WEPKey[2]), std::string(26, '0')) << "only the transmit key's slot";
        struct Auth {
            int index;
            uint32_t mode;
        } auths[] = {{2, 1}, {0, 2}, {1, 0}};
        for (const Auth& a : auths) {
            Choose(page, IDC_WEP_PAGE_AUTHENTICATION, a.index);
            EXPECT_EQ(record.AuthentMode, a.mode) << a.index;
        }
        Choose(page, IDC_WEP_PAGE_AUTHENTICATION, 0);
        EXPECT_EQ(record.IsKeyHexed, 0u);
        Click(page, IDC_NEXT);
        EXPECT_EQ(record.IsKeyHexed, 1u) << "Next marks the keys hexadecimal";
        const std::vector<std::string> rows = SummaryRows(w);
        ASSERT_EQ(rows.size(), 10u);
        EXPECT_EQ(rows[4], "WEP");
        EXPECT_EQ(rows[5], "Auto");

        // Saved, the key reaches the simulator's WEP network.
        Click(Shown(w), IDC_SUMMARY_SAVE);
        Click(Shown(w), IDC_DONE_CONNECT);
        EXPECT_TRUE(WaitConnected("OldMill"));

        // Opened again on the stored profile, the page shows what was saved.
        WLAN_PROFILE again{};
        ASSERT_TRUE(ReadStored("Mill", again));
        EXPECT_EQ(std::string(again.WEPKey[0]), "0A1B2C3D4E");
        EXPECT_EQ(again.AuthentMode, 2u);
    });
}

TEST_F(EditorFixture, WpaPagesTakeOnlyARealPassphraseAndOnlyOnNext) {
    struct Case {
        const char* passphrase;
        bool accepted;
    } cases[] = {
        {"", false},
        {"seven77", false},
        {"\xE9t\xE9-passphrase", false},  // not ASCII: could never connect
        {"tab\there-ok", false},
        {"eight888", true},
        {"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!", true},  // 63
    };
    struct Page {
        int entry, templateId;
        const char* security;
    } pages[] = {{WpaPersonal, IDD_WPA_PERSONAL, "WPA-Personal"}, {Wpa2Personal, IDD_WPA2_PERSONAL, "WPA2-Personal"}};
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        for (const Page& p : pages) {
            WLAN_PROFILE record{};
            CEditorPage* page = ToSecurityEntry(w, record, "Home", "Velmora-Home", p.entry);
            ASSERT_EQ(TemplateOf(page), p.templateId);
            EXPECT_EQ(SendMessageA(page->Item(IDC_PSK_PASSPHRASE), EM_GETLIMITTEXT, 0, 0), 63);
            if (p.entry == WpaPersonal) {
                EXPECT_EQ(ChosenText(page, IDC_PSK_CIPHER), "TKIP") << "EncryptionLevel 0 opens as TKIP";
                EXPECT_EQ(record.EncryptionLevel, 5u);
                Choose(page, IDC_PSK_CIPHER, 1);
                EXPECT_EQ(record.EncryptionLevel, 6u);
            }
            Picture(w, p.entry == WpaPersonal ? "editor-wpa-personal" : "editor-wpa2-personal");
            for (const Case& c : cases) {
                std::strcpy(record.PassPhrase, "stored before");
                record.IsPassPhrase = 0;
                Type(page, IDC_PSK_PASSPHRASE, c.passphrase);
                EXPECT_STREQ(record.PassPhrase, "stored before") << "typing alone stores nothing";
                MessageBoxAnswerer boxes(IDOK);
                Click(page, IDC_NEXT);
                if (!c.accepted) {
                    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Please enter the correct Passphrase"})
                        << p.security << " " << c.passphrase;
                    EXPECT_EQ(Shown(w), page);
                    EXPECT_STREQ(record.PassPhrase, "stored before");
                    EXPECT_EQ(TextOf(page, IDC_PSK_PASSPHRASE), c.passphrase) << "the text stays";
                    continue;
                }
                EXPECT_TRUE(boxes.Texts().empty()) << c.passphrase;
                EXPECT_STREQ(record.PassPhrase, c.passphrase);
                EXPECT_EQ(record.IsPassPhrase, 1u);
                const std::vector<std::string> rows = SummaryRows(w);
                ASSERT_EQ(rows.size(), 10u);
                EXPECT_EQ(rows[4], p.security);
                EXPECT_EQ(rows[5], "AES");
                Click(Shown(w), IDC_BACK);
                Pump(30);
            }
            // Back after typing a new passphrase leaves the stored one.
            Type(page, IDC_PSK_PASSPHRASE, "a new one, not stored");
            Click(page, IDC_BACK);
            EXPECT_EQ(TemplateOf(Shown(w)), IDD_SECURITY_MODE);
            EXPECT_STREQ(record.PassPhrase, cases[std::size(cases) - 1].passphrase);
            // A stored passphrase shows again.
            Click(Shown(w), IDC_NEXT);
            EXPECT_EQ(TextOf(Shown(w), IDC_PSK_PASSPHRASE), cases[std::size(cases) - 1].passphrase);
            w.CloseEditor();
            Pump(30);
        }
    });
}

TEST_F(EditorFixture, EnterprisePagesListTheCertificatesAndSwitchMethodsOnOneSpot) {
    StagedCertificates staged(kCertificates);
    const std::vector<std::string> names = ListedCertificates();
    ASSERT_GE(names.size(), 3u);
    struct Page {
        int entry, templateId, tls, peap;
        bool cipher;
        const char* picture;
    } pages[] = {{WpaEnterprise, IDD_WPA_ENTERPRISE, IDB_ENTERPRISE_TLS, IDB_ENTERPRISE_PEAP, true, "editor-wpa-enterprise"},
                 {Radius, IDD_RADIUS, IDB_RADIUS_TLS, IDB_RADIUS_PEAP, false, "editor-radius"}};
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        for (const Page& p : pages) {
            WLAN_PROFILE record{};
            auto* page = static_cast<CEapPage*>(
                ToSecurityEntry(w, record, "Campus", "Campus-Secure", p.entry, [&](WLAN_PROFILE& r) {
                    std::strcpy(r.UserCertHash, names[1].c_str());  // the second certificate
                }));
            ASSERT_EQ(TemplateOf(page), p.templateId);

            EXPECT_EQ(Entries(page, IDC_TLS_CERTIFICATE), names);
            std::vector<std::string> peapNames{"Trust Any"};
            peapNames.insert(peapNames.end(), names.begin(), names.end());
            EXPECT_EQ(Entries(page, IDC_PEAP_CERTIFICATE), peapNames);
            EXPECT_EQ(ChosenText(page, IDC_TLS_CERTIFICATE), names[1]);
            EXPECT_EQ(ChosenText(page, IDC_PEAP_CERTIFICATE), names[1]);
            EXPECT_EQ(Entries(page, IDC_PEAP_INNER), std::vector<std::string>{"EAP-MSCHAPv2"});
            for (int id : {IDC_TLS_LOGIN, IDC_TLS_SERVER, IDC_PEAP_LOGIN, IDC_PEAP_PASSWORD, IDC_PEAP_SERVER})
                EXPECT_EQ(SendMessageA(page->Item(id), EM_GETLIMITTEXT, 0, 0), 127) << id;

            // A new profile (EntAuthenType 2) opens on EAP-TLS.
            struct Look {
                int box, index;
                bool peap;
            } looks[] = {{IDC_TLS_METHOD, 0, false}, {IDC_TLS_METHOD, 1, true}, {IDC_PEAP_METHOD, 0, false},
                         {IDC_PEAP_METHOD, 1, true}};
            bool first = true;
            for (const Look& l : looks) {
                if (!first) Choose(page, l.box, l.index);
                first = false;
                EXPECT_EQ(page->PeapShown(), l.peap);
                EXPECT_TRUE(ShowsBitmap(page, l.peap ? p.peap : p.tls)) << p.picture << " " << l.peap;
                EXPECT_EQ(ui::ComboBox(page->Handle(), IDC_TLS_METHOD).Selected(), l.peap ? 1 : 0);
                EXPECT_EQ(ui::ComboBox(page->Handle(), IDC_PEAP_METHOD).Selected(), l.peap ? 1 : 0);
                for (int id : {IDC_TLS_METHOD, IDC_TLS_LOGIN, IDC_TLS_SERVER, IDC_TLS_CERTIFICATE})
                    EXPECT_EQ(page->IsItemVisible(id), !l.peap) << id;
                for (int id : {IDC_PEAP_METHOD, IDC_PEAP_LOGIN, IDC_PEAP_PASSWORD, IDC_PEAP_SERVER, IDC_PEAP_CERTIFICATE,
                               IDC_PEAP_INNER})
                    EXPECT_EQ(page->IsItemVisible(id), l.peap) << id;
                EXPECT_EQ(page->IsItemVisible(IDC_TLS_CIPHER), p.cipher && !l.peap);
                EXPECT_EQ(page->IsItemVisible(IDC_PEAP_CIPHER), p.cipher && l.peap);
                if (l.box == IDC_TLS_METHOD) Picture(w, (std::string(p.picture) + (l.peap ? "-peap" : "-tls")).c_str());
            }
            w.CloseEditor();
            Pump(30);
        }
    });
}

TEST_F(EditorFixture, EnterpriseNextChecksInOrderAndWritesTheRecordOnlyThen) {
    StagedCertificates staged(kCertificates);
    const std::vector<std::string> names = ListedCertificates();
    ASSERT_GE(names.size(), 1u);
    struct Case {
        const char* name;
        bool peap;
        int certificate;  // TLS: index in the box, -1 none; PEAP: index, 0 "Trust Any"
        const char *login, *password, *server;
        bool aes;
        const char* refusal;  // null: accepted
    } cases[] = {
        {"EAP-TLS without a certificate", false, -1, "alice", "", "", false,
         "Please install a valid certificate on you computer before you can use this security option."},
        {"PEAP without a login", true, 0, "", "secret", "radius.lan", false,
         "Please enter the correct login name and server name"},
        {"PEAP without a password", true, 0, "student", "", "radius.lan", false, "Please enter the correct password"},
        {"PEAP without a server name", true, 0, "student", "exam-season", "", true, nullptr},
        {"EAP-TLS", false, 0, "alice", "", "radius.lan", true, nullptr},
    };
    struct Page {
        int entry;
        bool wpaEnterprise;
    } pages[] = {{WpaEnterprise, true}, {Radius, false}};
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        for (const Page& p : pages) {
            for (const Case& c : cases) {
                WLAN_PROFILE record{};
                CEditorPage* page = ToSecurityEntry(w, record, "Campus", "Campus-Secure", p.entry);
                Choose(page, IDC_TLS_METHOD, c.peap ? 1 : 0);
                Type(page, c.peap ? IDC_PEAP_LOGIN : IDC_TLS_LOGIN, c.login);
                if (c.peap) Type(page, IDC_PEAP_PASSWORD, c.password);
                Type(page, c.peap ? IDC_PEAP_SERVER : IDC_TLS_SERVER, c.server);
                Choose(page, c.peap ? IDC_PEAP_CERTIFICATE : IDC_TLS_CERTIFICATE, c.certificate);
                if (p.wpaEnterprise) Choose(page, c.peap ? IDC_PEAP_CIPHER : IDC_TLS_CIPHER, c.aes ? 1 : 0);
                const WLAN_PROFILE before = record;
                EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
                MessageBoxAnswerer boxes(IDOK);
                Click(page, IDC_NEXT);
                if (c.refusal) {
                    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{c.refusal}) << c.name;
                    EXPECT_EQ(Shown(w), page) << c.name;
                    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0) << c.name << ": nothing stored";
                } else {
                    EXPECT_TRUE(boxes.Texts().empty()) << c.name;
                    EXPECT_EQ(TemplateOf(Shown(w)), IDD_PROFILE_SUMMARY) << c.name;
                    EXPECT_EQ(record.EntAuthenType, c.peap ? 1u : 2u) << c.name;
                    EXPECT_STREQ(record.LoginName, c.login) << c.name;
                    EXPECT_STREQ(record.ServerName, c.server) << c.name;
                    EXPECT_STREQ(record.UserCertHash, c.peap ? "Trust Any" : names[0].c_str()) << c.name;
                    if (c.peap) {
                        EXPECT_STREQ(record.LoginPassword, c.password) << c.name;
                        EXPECT_EQ(record.InnerAuthen, 4u) << c.name;
                    }
                    if (p.wpaEnterprise) {
                        EXPECT_EQ(record.EncryptionLevel, c.aes ? 6u : 5u) << c.name;
                    }
                    const std::vector<std::string> rows = SummaryRows(w);
                    ASSERT_EQ(rows.size(), 10u);
                    EXPECT_EQ(rows[5], c.peap ? "PEAP" : "EAP-TLS") << c.name;
                }
                w.CloseEditor();
                Pump(30);
            }
        }
    });
}

TEST_F(EditorFixture, ProfilesSavedThroughTheSecurityPagesReadBackClearedAndConnect) {
    StagedCertificates staged({{"CN=Alice Client, O=Velmora Test", nullptr, true}});
    LoadScenario(
        "timing associate-ms=300 scan-ms=500\n"
        "network ssid=\"Velmora-Home\" bssid=00:14:6C:A1:22:33 channel=6 rssi=-48 security=wpa2-ccmp "
        "passphrase=\"lantern-orchard-42\"\n"
        "network ssid=\"Campus-WPA\" bssid=00:17:0F:21:31:42 channel=9 rssi=-55 security=wpa-eap identity=student "
        "password=\"exam-season\"\n"
        "network ssid=\"Lab-TLS\" bssid=00:17:0F:21:31:43 channel=11 rssi=-55 security=wpa-eap identity=alice "
        "certificate=\"Alice Client\"\n"
        "network ssid=\"Radius-Net\" bssid=00:17:0F:21:31:44 channel=1 rssi=-55 security=8021x-wep identity=student "
        "password=\"exam-season\"\n");
    struct Case {
        const char* name;
        const char* ssid;
        int entry;
        bool peap;
        const char *login, *password, *passphrase;
        uint32_t securityMode, encryptionLevel, entAuthenType, innerAuthen;
        bool keepsPassword;
    } cases[] = {
        {"Home", "Velmora-Home", Wpa2Personal, false, "", "", "lantern-orchard-42", 4, 0, 0, 0, false},
        {"Campus PEAP", "Campus-WPA", WpaEnterprise, true, "student", "exam-season", nullptr, 3, 5, 1, 4, true},
        {"Lab TLS", "Lab-TLS", WpaEnterprise, false, "alice", "", nullptr, 3, 5, 2, 0, false},
        {"Radius", "Radius-Net", Radius, true, "student", "exam-season", nullptr, 6, 0, 1, 4, true},
    };
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        for (const Case& c : cases) {
            WLAN_PROFILE record{};
            // Left over from earlier edits of the record: Save clears what the mode does not use.
            CEditorPage* page = ToSecurityEntry(w, record, c.name, c.ssid, c.entry, [](WLAN_PROFILE& r) {
                std::strcpy(r.WEPKey[0], "0A1B2C3D4E");
                std::strcpy(r.PassPhrase, "old passphrase");
                r.IsPassPhrase = 1;
                std::strcpy(r.LoginPassword, "old password");
                r.InnerAuthen = 3;
                r.AuthentMode = 2;
            });
            if (c.passphrase) {
                Type(page, IDC_PSK_PASSPHRASE, c.passphrase);
            } else {
                Choose(page, IDC_TLS_METHOD, c.peap ? 1 : 0);
                Type(page, c.peap ? IDC_PEAP_LOGIN : IDC_TLS_LOGIN, c.login);
                if (c.peap) Type(page, IDC_PEAP_PASSWORD, c.password);
                if (!c.peap) Choose(page, IDC_TLS_CERTIFICATE, ui::ComboBox(page->Handle(), IDC_TLS_CERTIFICATE).Find("Alice Client"));
            }
            Click(page, IDC_NEXT);
            ASSERT_EQ(TemplateOf(Shown(w)), IDD_PROFILE_SUMMARY) << c.name;
            Click(Shown(w), IDC_SUMMARY_SAVE);
            ASSERT_EQ(TemplateOf(Shown(w)), IDD_PROFILE_DONE) << c.name;

            WLAN_PROFILE stored;
            ASSERT_TRUE(ReadStored(c.name, stored)) << c.name;
            EXPECT_EQ(stored.SecurityMode, c.securityMode) << c.name;
            EXPECT_EQ(stored.EncryptionLevel, c.encryptionLevel) << c.name;
            EXPECT_EQ(stored.EntAuthenType, c.entAuthenType) << c.name;
            EXPECT_EQ(stored.InnerAuthen, c.innerAuthen) << c.name;
            EXPECT_EQ(stored.AuthentMode, 0u) << c.name;
            EXPECT_STREQ(stored.WEPKey[0], "") << c.name;
            EXPECT_STREQ(stored.PassPhrase, c.passphrase ? c.passphrase : "") << c.name;
            EXPECT_EQ(stored.IsPassPhrase, c.passphrase ? 1u : 0u) << c.name;
            EXPECT_STREQ(stored.LoginName, c.login) << c.name;
            EXPECT_STREQ(stored.LoginPassword, c.keepsPassword ? c.password : "") << c.name;
            EXPECT_STREQ(stored.UserCertHash, c.passphrase ? "" : c.peap ? "Trust Any" : "Alice Client") << c.name;

            Click(Shown(w), IDC_DONE_CONNECT);
            EXPECT_TRUE(WaitConnected(c.ssid)) << c.name << ": the simulator associates";
        }
    });
}
