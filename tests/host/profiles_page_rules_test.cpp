// The Profiles page's rules: detail lines, which profile the details show, New's question and
// record, Delete's verdict, the registry editor's command lines, the suggested file name and the
// folder the file dialogs open in.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "monitor/pages/portable/ProfileDetails.h"
#include "monitor/pages/portable/ProfileFileFolder.h"
#include "monitor/pages/portable/ProfileListRules.h"
#include "monitor/pages/portable/RegistryEditorCommands.h"

namespace {

WLAN_PROFILE Record(uint32_t association, uint32_t rate, uint32_t channel, uint32_t security, uint32_t level,
                    uint32_t authent, uint32_t entAuthen) {
    WLAN_PROFILE p{};
    p.AssociationMode = association;
    p.TxRate = rate;
    p.Channel = channel;
    p.SecurityMode = security;
    p.EncryptionLevel = level;
    p.AuthentMode = authent;
    p.EntAuthenType = entAuthen;
    return p;
}

}  // namespace

TEST(ProfileDetails, FiveLinesByModeRateChannelAndSecurity) {
    struct Case {
        WLAN_PROFILE profile;
        const char* lines[5];
    } cases[] = {
        {Record(1, 54, 6, 0, 0, 0, 0), {"Infrastructure", "Auto", "6", "Disabled", "Auto"}},
        {Record(2, 11, 11, 0, 0, 0, 0), {"Infrastructure", "11 M", "11", "Disabled", "Auto"}},
        {Record(0, 54, 9, 0, 0, 0, 0), {"Ad Hoc", "Auto", "Auto", "Disabled", "Auto"}},
        {Record(0, 0, 0, 0, 0, 0, 0), {"Ad Hoc", "0 M", "Auto", "Disabled", "Auto"}},  // an unreadable profile
        {Record(1, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 0, 0), {"Infrastructure", "-1 M", "-1", "Disabled", "Auto"}},
        {Record(1, 54, 1, 1, 2, 0, 0), {"Infrastructure", "Auto", "1", "WEP(128-bit)", "Open System"}},
        {Record(1, 54, 1, 1, 1, 1, 0), {"Infrastructure", "Auto", "1", "WEP(64-bit)", "Shared Key"}},
        {Record(1, 54, 1, 1, 0, 2, 0), {"Infrastructure", "Auto", "1", "WEP(64-bit)", "Auto"}},
        {Record(1, 54, 1, 1, 2, 7, 0), {"Infrastructure", "Auto", "1", "WEP(128-bit)", "Open System"}},
        {Record(1, 54, 1, 2, 6, 0, 0), {"Infrastructure", "Auto", "1", "WPA-Personal", "AES"}},
        {Record(1, 54, 1, 2, 5, 0, 0), {"Infrastructure", "Auto", "1", "WPA-Personal", "TKIP"}},
        {Record(1, 54, 1, 2, 0, 0, 0), {"Infrastructure", "Auto", "1", "WPA-Personal", "TKIP"}},
        {Record(1, 54, 1, 4, 0, 0, 0), {"Infrastructure", "Auto", "1", "WPA2-Personal", "AES"}},
        {Record(1, 54, 1, 3, 6, 0, 1), {"Infrastructure", "Auto", "1", "WPA-Enterprise", "PEAP"}},
        {Record(1, 54, 1, 3, 6, 0, 2), {"Infrastructure", "Auto", "1", "WPA-Enterprise", "EAP-TLS"}},
        {Record(1, 54, 1, 6, 2, 0, 1), {"Infrastructure", "Auto", "1", "RADIUS", "PEAP"}},
        {Record(1, 54, 1, 6, 2, 0, 0), {"Infrastructure", "Auto", "1", "RADIUS", "EAP-TLS"}},
        {Record(1, 54, 1, 5, 6, 0, 1), {"Infrastructure", "Auto", "1", "Disabled", "Auto"}},
        {Record(1, 54, 1, 9, 6, 0, 1), {"Infrastructure", "Auto", "1", "Disabled", "Auto"}},
    };
    for (const Case& c : cases) {
        const auto lines = profiles::DetailLines(c.profile);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(lines[size_t(i)], c.lines[i]) << "line " << i + 1 << " of security " << c.profile.SecurityMode;
    }
}

TEST(ProfileListRules, TheDetailsShowAProfileFoundByItsNameNeverByItsRow) {
    const std::vector<std::string> sorted = {"!Office", "(Default Site Profile)", "Home"};
    const std::vector<std::string> none;
    struct Case {
        const std::vector<std::string>& listed;
        const char* current;
        const char* before;
        const char* shown;
    } cases[] = {
        {sorted, "Home", "!Office", "Home"},                      // the current profile first
        {sorted, "Gone", "!Office", "!Office"},                   // then what was shown
        {sorted, "", "", "(Default Site Profile)"},               // then the default profile...
        {sorted, "Gone", "Deleted", "(Default Site Profile)"},
        {sorted, "home", "", "(Default Site Profile)"},           // names compare exactly
        {none, "Home", "Home", "(Default Site Profile)"},         // ...also with nothing listed
    };
    for (const Case& c : cases)
        EXPECT_EQ(profiles::DetailsProfile(c.listed, c.current, c.before), c.shown) << c.current << "/" << c.before;
}

TEST(ProfileListRules, NewAsksBeforeOverwritingAListedNameDefaultIncluded) {
    const std::vector<std::string> listed = {"!Office", "(Default Site Profile)", "Home"};
    struct Case {
        const char* typed;
        bool asks;
    } cases[] = {{"Default", true},  {"Home", true},     {"!Office", true}, {"home", false},
                 {"Office", false},  {"(Default Site Profile)", false},     {"Default ", false}};
    for (const Case& c : cases) EXPECT_EQ(profiles::AsksOverwrite(c.typed, listed), c.asks) << c.typed;
    EXPECT_FALSE(profiles::AsksOverwrite("Default", std::vector<std::string>{})) << "nothing listed";
}

TEST(ProfileListRules, NewRecordHasTheDefaultsAndTheNameAsSsidUpTo32Characters) {
    const std::string name32(32, 'n'), name33(33, 'n'), name127(127, 'n'), name128(128, 'n');
    struct Case {
        std::string typed;
        bool made;
        std::string profileName, ssid;
    } cases[] = {
        {"Home", true, "Home", "Home"},
        {name32, true, name32, name32},
        {name33, true, name33, ""},
        {name127, true, name127, ""},
        {"Default", true, "(Default Site Profile)", "Default"},  // overwrites the default profile, as asked
        {name128, false, "", ""},
        {"", false, "", ""},
        {"Home\\Office", false, "", ""},
    };
    for (const Case& c : cases) {
        const auto record = profiles::NewRecord(c.typed);
        ASSERT_EQ(record.has_value(), c.made) << c.typed;
        if (!record) continue;
        const WLAN_PROFILE& r = *record;
        EXPECT_EQ(std::string(r.ProfileName), c.profileName);
        EXPECT_EQ(std::string(r.SSID), c.ssid) << c.typed.size() << " characters";
        EXPECT_EQ(r.AssociationMode, 1u);
        EXPECT_EQ(r.NetworkMode, 0u);
        EXPECT_EQ(r.Channel, 6u);
        EXPECT_EQ(r.TxRate, 54u);
        EXPECT_EQ(r.SecurityMode, 0u);
        EXPECT_EQ(r.EncryptionLevel, 0u);
        EXPECT_EQ(r.AuthentMode, 0u);
        EXPECT_EQ(r.EntAuthenType, 2u);
        EXPECT_EQ(r.InnerAuthen, 3u);
        EXPECT_EQ(r.DhcpEnabled, 1u);
        EXPECT_EQ(r.DefaultKeyId, 0u);
        EXPECT_EQ(r.PassPhrase[0], 0);
        EXPECT_EQ(r.IpAddr, 0u);
    }
}

TEST(ProfileListRules, DeleteNeverTakesTheDefaultProfileAndRefusesTheInUseOne) {
    using profiles::DeleteVerdict;
    struct Case {
        const char* stored;
        const char* inUse;
        DeleteVerdict verdict;
    } cases[] = {
        {"(Default Site Profile)", "", DeleteVerdict::DefaultProfile},
        {"(Default Site Profile)", "(Default Site Profile)", DeleteVerdict::DefaultProfile},
        {"!Office", "", DeleteVerdict::Ask},  // sorts before the default profile: still deletable
        {"Home", "Home", DeleteVerdict::InUse},
        {"Home", "home", DeleteVerdict::Ask},
        {"Default", "", DeleteVerdict::Ask},  // a profile really named so
    };
    for (const Case& c : cases) EXPECT_EQ(profiles::JudgeDelete(c.stored, c.inUse), c.verdict) << c.stored;
}

TEST(ProfileListRules, OnlyNamesTheRecordHoldsWholeAreRead) {
    struct Case {
        std::string name;
        bool fits;
    } cases[] = {{"Home", true}, {std::string(127, 'x'), true}, {std::string(128, 'x'), false}, {"", false},
                 {std::string("a\0b", 3), false}};
    for (const Case& c : cases) EXPECT_EQ(profiles::FitsRecord(c.name), c.fits) << c.name.size();
}

TEST(RegistryEditorCommands, EveryPathAndKeyIsQuotedWhole) {
    struct Case {
        const char* argument;
        const char* quoted;
    } cases[] = {
        {"C:\\WINDOWS\\regedit.exe", "\"C:\\WINDOWS\\regedit.exe\""},
        {"C:\\Documents and Settings\\Ann\\My Home.cfg", "\"C:\\Documents and Settings\\Ann\\My Home.cfg\""},
        {"", "\"\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},  // a backslash before a quote doubles, and the quote is escaped
        {"ends\\", "\"ends\\\\\""},   // a backslash before the closing quote doubles
        {"C:\\dir\\", "\"C:\\dir\\\\\""},
    };
    for (const Case& c : cases) EXPECT_EQ(profiles::QuoteArgument(c.argument), c.quoted) << c.argument;

    EXPECT_EQ(profiles::ExportCommandLine("C:\\WINDOWS\\regedit.exe", "C:\\Documents and Settings\\Ann\\My Home.cfg",
                                          "My Home"),
              "\"C:\\WINDOWS\\regedit.exe\" /e \"C:\\Documents and Settings\\Ann\\My Home.cfg\" "
              "\"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\My Home\"");
    EXPECT_EQ(profiles::ExportCommandLine("C:\\W\\regedit.exe", "D:\\x.cfg", "(Default Site Profile)"),
              "\"C:\\W\\regedit.exe\" /e \"D:\\x.cfg\" "
              "\"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\(Default Site Profile)\"");
    EXPECT_EQ(profiles::ImportCommandLine("C:\\WINDOWS\\regedit.exe", "C:\\My Files\\Home.cfg"),
              "\"C:\\WINDOWS\\regedit.exe\" /s \"C:\\My Files\\Home.cfg\"");
}

TEST(RegistryEditorCommands, TheSuggestedFileNameIsTheRowTextAndCfg) {
    struct Case {
        const char* shown;
        const char* file;
    } cases[] = {{"Default", "Default.cfg"},
                 {"My Home", "My Home.cfg"},
                 {"!Office", "!Office.cfg"},
                 {"a/b:c*d?e\"f<g>h|i\\j", "a_b_c_d_e_f_g_h_i_j.cfg"},
                 {"tab\there", "tab_here.cfg"},
                 {"Caf\xE9", "Caf\xE9.cfg"}};
    for (const Case& c : cases) EXPECT_EQ(profiles::SuggestedFileName(c.shown), c.file) << c.shown;
}

TEST(ProfileFileFolder, TheFolderIsWhereTheDialogSaysTheNameBeginsElseBeforeTheLastSeparator) {
    struct Case {
        std::string path;
        size_t nameOffset;
        std::string folder;
    } cases[] = {
        {"C:\\Files\\Home.cfg", 9, "C:\\Files"},
        {"C:\\Home.cfg", 3, "C:\\"},  // a drive's root keeps its backslash
        {"\\\\server\\share\\Home.cfg", 15, "\\\\server\\share"},
        // Shift-JIS: the second byte of 0x95 0x5C reads as a backslash.
        {"C:\\\x95\x5C\\Home.cfg", 6, "C:\\\x95\x5C"},
        {"C:\\Files\\\x95\x5C.cfg", 9, "C:\\Files"},
        {"D:\\Backup\\Home.cfg", 0, "D:\\Backup"},   // the dialog did not say
        {"D:\\Backup\\Home.cfg", 99, "D:\\Backup"},  // past the end
        {"D:\\Backup\\Home.cfg", 4, "D:\\Backup"},   // not after a separator
        {"D:/Backup/Home.cfg", 0, "D:/Backup"},
        {"Home.cfg", 0, ""},
        {"", 0, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(profiles::FolderOf(c.path, c.nameOffset), c.folder) << c.path;
}

TEST(ProfileFileFolder, DialogsOpenInTheDocumentsFolderThenWhereTheLastFileWasChosen) {
    const std::string documents = "C:\\Documents and Settings\\Ann\\My Documents";
    profiles::FileFolderMemory folders;
    EXPECT_EQ(folders.StartFolder(documents), documents);
    EXPECT_EQ(folders.StartFolder(""), "") << "the dialog chooses";
    const struct {
        std::string chosen;
        size_t nameOffset;
        std::string next;
    } steps[] = {
        {"E:\\Profiles\\Home.cfg", 12, "E:\\Profiles"},
        {"Home.cfg", 0, "E:\\Profiles"},  // no folder: the last one stays
        {"F:\\Work.cfg", 3, "F:\\"},
        {"E:\\Profiles\\Cafe.cfg", 12, "E:\\Profiles"},
    };
    for (const auto& step : steps) {
        folders.Chose(step.chosen, step.nameOffset);
        EXPECT_EQ(folders.StartFolder(documents), step.next) << step.chosen;
        EXPECT_EQ(folders.StartFolder(""), step.next) << step.chosen;
    }
}
