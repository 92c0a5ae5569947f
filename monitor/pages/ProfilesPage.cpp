// ProfilesPage.cpp - the Profiles page: the list read from the registry, the details, Connect,
// and Import and Export through the system's registry editor.
#include "monitor/pages/ProfilesPage.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "adapter/ProfileValues.h"
#include "adapter/RegKey.h"
#include "adapter/StoredProfiles.h"
#include "adapter/portable/ProfileLayout.h"
#include "monitor/core/AppState.h"
#include "monitor/pages/DeleteProfileDlg.h"
#include "monitor/pages/ProfileFileDialogs.h"
#include "monitor/pages/ProfileNameDlg.h"
#include "monitor/pages/portable/ProfileDetails.h"
#include "monitor/pages/portable/ProfileListRules.h"
#include "adapter/portable/ProfileNames.h"
#include "monitor/pages/portable/ProfileRegFile.h"
#include "monitor/pages/portable/RegistryEditorCommands.h"
#include "monitor/res/Messages.h"
#include "monitor/ui/MessageBox.h"

namespace {

// Pixels in the page (see monitor/ui/Placement.h); background IDB_PROFILES_PAGE paints the details heading
// over
// the details box and the separators between the button groups (x 130 and 388).
constexpr Placement kLayout[] = {
    {IDC_PROFILE_LIST, 18, 14, 194, 204},
    {IDC_PROFILE_DETAILS, 228, 32, 334, 100},
    {IDC_PROFILE_CONNECT, 18, 232, 105, 23},
    {IDC_PROFILE_NEW, 137, 232, 78, 23},
    {IDC_PROFILE_EDIT, 220, 232, 78, 23},
    {IDC_PROFILE_DELETE, 303, 232, 78, 23},
    {IDC_PROFILE_IMPORT, 395, 232, 78, 23},
    {IDC_PROFILE_EXPORT, 478, 232, 78, 23},
    {IDC_ENTER_SINK, 0, 0, 1, 1},
};

// Hover and pressed are one bitmap.
constexpr ButtonLook kButtons[] = {
    {IDC_PROFILE_CONNECT, IDB_CONNECT, IDB_CONNECT_HOVER, IDB_CONNECT_HOVER, "Connect"},
    {IDC_PROFILE_NEW, IDB_PROFILE_NEW, IDB_PROFILE_NEW_HOVER, IDB_PROFILE_NEW_HOVER, "New"},
    {IDC_PROFILE_EDIT, IDB_PROFILE_EDIT, IDB_PROFILE_EDIT_HOVER, IDB_PROFILE_EDIT_HOVER, "Edit"},
    {IDC_PROFILE_IMPORT, IDB_PROFILE_IMPORT, IDB_PROFILE_IMPORT_HOVER, IDB_PROFILE_IMPORT_HOVER, "Import"},
    {IDC_PROFILE_EXPORT, IDB_PROFILE_EXPORT, IDB_PROFILE_EXPORT_HOVER, IDB_PROFILE_EXPORT_HOVER, "Export"},
    {IDC_PROFILE_DELETE, IDB_PROFILE_DELETE, IDB_PROFILE_DELETE_HOVER, IDB_PROFILE_DELETE_HOVER, "Delete"},
};

// The registry editor usually ends within a tenth of a second; the page looks this often.
constexpr UINT kTransferPollMs = 50;

// A name from a checked file in the system's single-byte texts. A "REGEDIT4" file's characters
// are its bytes already; `lossy` tells that a UTF-16 name has characters the code page lacks.
std::string Narrow(const std::u16string& text, bool singleByte, bool* lossy = nullptr) {
    if (lossy) *lossy = false;
    std::string out;
    if (singleByte) {
        for (const char16_t c : text) out += char(c);
        return out;
    }
    if (text.empty()) return out;
    const std::wstring wide(text.begin(), text.end());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return out;
    out.resize(size_t(size));
    WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), out.data(), size, nullptr, &usedDefault);
    if (lossy) *lossy = usedDefault != FALSE;
    return out;
}

// At most `most` bytes of an open file; false when it cannot be read.
bool ReadAtMost(HANDLE file, size_t most, std::vector<uint8_t>& bytes) {
    bytes.assign(most, 0);
    size_t got = 0;
    while (got < most) {
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + got, DWORD(most - got), &read, nullptr)) return false;
        if (read == 0) break;
        got += read;
    }
    bytes.resize(got);
    return true;
}

FILETIME LastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return FILETIME{};
    return data.ftLastWriteTime;
}

}  // namespace

CProfilesPage::CProfilesPage(IMonitorHost& host) : CTabPage(IDD_PROFILES, nullptr), host_(host) {}

bool CProfilesPage::OnInitDialog() {
    SetDragHost(host_.Window());
    Place(kLayout);
    list_.Attach(Handle(), IDC_PROFILE_LIST);
    details_.Attach(Handle(), IDC_PROFILE_DETAILS);
    buttons_.Attach(*this, kButtons);
    SetBackground(IDB_PROFILES_PAGE);
    if (!connectRecord_) connectRecord_ = std::make_unique<WLAN_PROFILE>();  // zero-filled
    if (!editRecord_) editRecord_ = std::make_unique<WLAN_PROFILE>();

    list_.MyInsertColumn(0, "Profile", 0, 80, -1, -1);
    list_.MyInsertColumn(1, "SSID", 0, 90, -1, -1);
    list_.MySetBackColor(RGB(255, 255, 255));
    list_.MySetGridLines(true);
    list_.MySetCursor(IDCUR_HAND);
    CreateRowIcons();

    details_.ResetContent();
    details_.MySetFont(14, 0, false, false, "Arial");
    details_.MySetLineSpace(-1);
    EnableItem(IDC_PROFILE_DETAILS, false);  // shows, never takes input

    detailsProfile_ = profiles::DefaultProfileName;
    Reload();
    EnableConnect(host_.State().adapterBound.load() == 1);
    return true;
}

void CProfilesPage::CreateRowIcons() {
    rowIcons_.Reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 1));
    if (!rowIcons_) return;
    const int id = IsWindowsXpFlag() ? IDI_TRAY_XP_FULL : IDI_TRAY_OTHER_FULL;
    if (HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0))) {
        ImageList_AddIcon(rowIcons_.get(), icon);
        DestroyIcon(icon);
    }
    SendMessageA(list_.Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowIcons_.get()));
}

void CProfilesPage::OnDestroy() {
    // The list would destroy an image list still attached to it; the page owns this one.
    if (list_.Handle()) SendMessageA(list_.Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    StopTimer(TIMER_REGISTRY_EDITOR);
}

bool CProfilesPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_PROFILE_CONNECT: Connect(); return true;
    case IDC_PROFILE_NEW: New(); return true;
    case IDC_PROFILE_EDIT: Edit(); return true;
    case IDC_PROFILE_DELETE: Delete(); return true;
    case IDC_PROFILE_IMPORT: Import(); return true;
    case IDC_PROFILE_EXPORT: Export(); return true;
    default: return false;
    }
}

// Enter does nothing.
bool CProfilesPage::OnCommand(int id, int, HWND) { return id == IDC_ENTER_SINK; }

bool CProfilesPage::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom != IDC_PROFILE_LIST) return false;
    if (header->code == LVN_KEYDOWN) {
        PostMessageA(Handle(), WM_LIST_KEY_HANDLED, 0, 0);
    } else if (header->code == NM_CLICK) {
        ShowSelectedDetails();
    } else {
        return false;
    }
    result = 0;
    return true;
}

bool CProfilesPage::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_LIST_KEY_HANDLED) return false;
    ShowSelectedDetails();
    result = 0;
    return true;
}

void CProfilesPage::ShowSelectedDetails() {
    const std::string selected = SelectedProfile();
    if (selected.empty()) return;
    detailsProfile_ = selected;
    ShowDetails();
}

int CProfilesPage::Message(const std::string& text, UINT type) const { return ui::Message(Handle(), text.c_str(), type); }

std::string CProfilesPage::SelectedProfile() const {
    const int row = list_.SelectedRow();
    return row >= 0 && size_t(row) < rowProfiles_.size() ? rowProfiles_[size_t(row)] : std::string();
}

void CProfilesPage::Reload() {
    if (!Handle()) return;
    list_.MyDeleteAllItems();
    rowProfiles_.clear();
    const std::optional<std::vector<std::string>> stored = profile::StoredNames();
    if (!stored) return;
    // Not GetCurrentProfile: a value of all 128 bytes without its NUL keeps its last byte here.
    char current[profile::NameWidth + 1] = {};
    CRegKey key;
    DWORD size = profile::NameWidth;
    if (key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_READ) == ERROR_SUCCESS)
        key.Query(profile::CurrentValue, current, size);

    // In the registry's order, also a name no record holds: it shows, but no action reads it.
    const profile::ValueSpec& ssidValue = *profile::FindValue("SSID");
    for (const std::string& name : *stored) {
        const int row = list_.MyInsertItem(int(rowProfiles_.size()), profiles::ShownName(name).c_str(), "", 0, -1);
        if (row < 0) continue;
        rowProfiles_.push_back(name);
        // Read as ReadProfile reads it, so the list, the details and the editor agree.
        CRegKey subkey;
        WLAN_PROFILE listed{};
        if (subkey.Open(HKEY_LOCAL_MACHINE, profile::SubkeyPath(name).c_str(), KEY_READ) == ERROR_SUCCESS)
            profile::ReadValue(subkey, ssidValue, listed);
        list_.MySetItemText(row, 1, listed.SSID, -1, -1);
    }
    detailsProfile_ = profiles::DetailsProfile(rowProfiles_, current, detailsProfile_);

    ListView_SetItemState(list_.Handle(), -1, 0, LVIS_SELECTED);
    if (IsVisible()) SetFocus(list_.Handle());
    const std::string inUse(host_.State().inUseProfileName,
                            strnlen(host_.State().inUseProfileName, sizeof host_.State().inUseProfileName));
    for (size_t row = 0; row < rowProfiles_.size(); ++row) {
        if (rowProfiles_[row] != inUse) continue;
        ListView_SetItemState(list_.Handle(), int(row), LVIS_SELECTED, LVIS_SELECTED);
        // In sight: past the list's edge the row's place on the screen is the button row's, and a
        // click aimed at it would press Connect.
        ListView_EnsureVisible(list_.Handle(), int(row), FALSE);
    }
    ShowDetails();
}

void CProfilesPage::ShowDetails() {
    WLAN_PROFILE record{};
    if (profiles::FitsRecord(detailsProfile_)) {
        std::memcpy(record.ProfileName, detailsProfile_.data(), detailsProfile_.size());
        ReadProfile(&record);  // what cannot be read shows as a cleared record
    }
    details_.ResetContent();
    for (const std::string& line : profiles::DetailLines(record)) details_.AddString(line.c_str());
}

void CProfilesPage::Connect() {
    const std::string name = SelectedProfile();
    if (!profiles::FitsRecord(name)) return;
    // Cleared whole: a value the profile lacks must not come from the one connected before.
    WLAN_PROFILE& record = *connectRecord_;
    record = WLAN_PROFILE{};
    std::memcpy(record.ProfileName, name.data(), name.size());
    if (ReadProfile(&record) != 0) return;
    host_.StartConnection(record, ConnectRequest{record.ProfileName, true, true});
}

void CProfilesPage::New() {
    // The same prompt as Save To Profile: it refuses the names the profile store cannot hold.
    CProfileNameDlg prompt(host_.Window());
    const bool entered = prompt.DoModal() == IDOK;
    if (CSkinStatic* button = Button(IDC_PROFILE_NEW)) button->Reset();
    if (!entered) return;
    if (profiles::AsksOverwrite(prompt.Name(), rowProfiles_) &&
        Message(profiles::OverwriteQuestion, MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    const std::optional<WLAN_PROFILE> record = profiles::NewRecord(prompt.Name());
    if (!record) return;
    *editRecord_ = *record;
    OpenEditor(*editRecord_);
}

void CProfilesPage::Edit() {
    if (CSkinStatic* button = Button(IDC_PROFILE_EDIT)) button->Reset();
    const std::string name = SelectedProfile();
    if (!profiles::FitsRecord(name)) return;
    WLAN_PROFILE& record = *editRecord_;
    record = WLAN_PROFILE{};
    std::memcpy(record.ProfileName, name.data(), name.size());
    ReadProfile(&record);  // what cannot be read opens cleared, under its name
    OpenEditor(record);
}

void CProfilesPage::OpenEditor(WLAN_PROFILE& record) {
    host_.SetWindowBackground(IDB_BG_SETUP);
    if (!host_.OpenEditor(record)) {
        host_.SetWindowBackground(host_.State().adapterBound.load() == 1 ? IDB_BG_ACTIVE : IDB_BG_INACTIVE);
        return;
    }
    Show(false);
    host_.ShowTabs(false);
}

void CProfilesPage::Delete() {
    const std::string name = SelectedProfile();
    if (CSkinStatic* button = Button(IDC_PROFILE_DELETE)) button->Reset();
    if (name.empty()) return;
    const AppState& state = host_.State();
    switch (profiles::JudgeDelete(name, std::string(state.inUseProfileName,
                                                   strnlen(state.inUseProfileName, sizeof state.inUseProfileName)))) {
    case profiles::DeleteVerdict::DefaultProfile: return;
    case profiles::DeleteVerdict::InUse: Message(profiles::InUseRefusal); return;
    case profiles::DeleteVerdict::Ask: break;
    }
    CDeleteProfileDlg question(host_.Window());
    if (question.DoModal() != IDOK) return;
    if (DeleteProfile(name.c_str()) != ERROR_SUCCESS) {
        Message(profiles::DeleteFailed, MB_OK | MB_ICONWARNING);  // the row stays: the profile does
        return;
    }
    // Found again by its name: the list may have been read again while the question was open.
    const auto listed = std::find(rowProfiles_.begin(), rowProfiles_.end(), name);
    if (listed != rowProfiles_.end()) {
        list_.MyDeleteItem(int(listed - rowProfiles_.begin()));
        rowProfiles_.erase(listed);
    }
    if (detailsProfile_ == name) {
        detailsProfile_ = profiles::DefaultProfileName;
        ShowDetails();
    }
}

void CProfilesPage::Import() {
    if (RegistryEditorRunning()) return;
    if (CSkinStatic* button = Button(IDC_PROFILE_IMPORT)) button->Reset();
    const file_dialogs::Choice choice = file_dialogs::ChooseImportFile(Handle(), FileDialogFolder());
    if (choice.path.empty()) return Reload();
    fileFolders_.Chose(choice.path, choice.nameOffset);
    const std::string& path = choice.path;
    // Opened so that nobody can change the file between the check and the registry editor's read.
    CHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    std::vector<uint8_t> bytes;
    // A refusal lets go of the file before it is shown.
    if (!file || !ReadAtMost(file.get(), regfile::MostBytes + 1, bytes)) {
        file.Reset();
        Message(profiles::FileUnreadable);
        return Reload();
    }
    regfile::Check check = regfile::CheckProfileFile(bytes);
    bool lossy = false;
    const std::string name = Narrow(check.profile, check.singleByte, &lossy);
    // A double-byte code page may make a name longer, or give it a backslash, that UTF-16 had not.
    if (check.fault == regfile::Fault::None &&
        (lossy || !profiles::FitsRecord(name) || name.find('\\') != std::string::npos))
        check.fault = regfile::Fault::ForeignName;
    // The name every new profile's follows, as the name prompt and wifictl apply it.
    if (check.fault == regfile::Fault::None && !profile::IsCreatableName(name)) check.fault = regfile::Fault::RefusedName;
    if (check.fault != regfile::Fault::None) {
        file.Reset();
        Message(regfile::RefusalText(check, regfile::ShownItem(Narrow(check.item, check.singleByte)),
                                     regfile::ShownItem(name)),
                MB_OK | MB_ICONWARNING);
        return Reload();
    }
    // The registry editor merges into a profile of that name: replacing it is the user's choice.
    if (profile::Exists(name) && Message(profiles::OverwriteQuestion, MB_YESNO | MB_ICONINFORMATION) != IDYES) {
        file.Reset();
        return Reload();
    }
    transferProfile_ = name;
    StartTransfer(Transfer::Import, profiles::ImportCommandLine(CRegistryEditorRun::EditorPath(), path), std::move(file));
}

void CProfilesPage::Export() {
    if (RegistryEditorRunning()) return;
    if (CSkinStatic* button = Button(IDC_PROFILE_EXPORT)) button->Reset();
    const int row = list_.SelectedRow();
    const std::string name = SelectedProfile();
    if (name.empty()) return;
    const file_dialogs::Choice choice = file_dialogs::ChooseExportFile(
        Handle(), profiles::SuggestedFileName(list_.MyGetItemText(row, 0)), FileDialogFolder());
    if (choice.path.empty()) return;
    fileFolders_.Chose(choice.path, choice.nameOffset);
    const std::string& path = choice.path;
    transferProfile_ = name;
    transferFile_ = path;
    transferFileTime_ = LastWrite(path);
    StartTransfer(Transfer::Export, profiles::ExportCommandLine(CRegistryEditorRun::EditorPath(), path, name), CHandle());
}

std::string CProfilesPage::FileDialogFolder() const {
    return fileFolders_.StartFolder(file_dialogs::DocumentsFolder());
}

void CProfilesPage::StartTransfer(Transfer transfer, const std::string& commandLine, CHandle held) {
    if (!editorRun_.Start(commandLine, std::move(held))) {
        Message(profiles::EditorNotStarted, MB_OK | MB_ICONWARNING);
        if (transfer == Transfer::Import) Reload();
        return;
    }
    transfer_ = transfer;
    StartTimer(TIMER_REGISTRY_EDITOR, kTransferPollMs);
}

bool CProfilesPage::OnTimer(UINT_PTR id) {
    if (id != TIMER_REGISTRY_EDITOR) return false;
    if (editorRun_.Done()) FinishTransfer();
    return true;
}

void CProfilesPage::FinishTransfer() {
    StopTimer(TIMER_REGISTRY_EDITOR);
    const bool ended = editorRun_.Ended();
    editorRun_.Finish();
    const Transfer transfer = transfer_;
    transfer_ = Transfer::None;
    if (transfer == Transfer::Import) {
        // Rebuilt also when the editor has not ended in time: it shows what is there.
        Reload();
        if (ended && !profile::Exists(transferProfile_)) Message(profiles::ImportFailed, MB_OK | MB_ICONWARNING);
        return;
    }
    // The editor says nothing of its failures: a file it wrote is a file changed since the start.
    const FILETIME now = LastWrite(transferFile_);
    const bool written = (now.dwLowDateTime | now.dwHighDateTime) != 0 &&
                         CompareFileTime(&now, &transferFileTime_) != 0;
    if (!ended || !written) Message(profiles::ExportFailed, MB_OK | MB_ICONWARNING);
}
