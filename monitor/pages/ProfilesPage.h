// ProfilesPage.h - the Profiles page (template IDD_PROFILES): the stored profiles, one's details, and
// Connect, New, Edit, Import, Export and Delete.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "adapter/wifiapi.h"
#include "monitor/pages/TabPage.h"
#include "monitor/host/MonitorHost.h"
#include "monitor/pages/RegistryEditorRun.h"
#include "monitor/pages/portable/ProfileFileFolder.h"
#include "monitor/res/resource.h"
#include "monitor/skin/ButtonSet.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/skin/TarnoListBox.h"
#include "monitor/skin/TarnoListCtrl.h"
#include "monitor/ui/Handles.h"

class CProfilesPage : public CTabPage {
public:
    explicit CProfilesPage(IMonitorHost& host);

    // Its tab: the list is read again each time it shows.
    void OnTabShown() override { Reload(); }

    // Lists the stored profiles again: when the tab is shown, after the editor and an import.
    void Reload();
    void EnableConnect(bool enable) { EnableItem(IDC_PROFILE_CONNECT, enable); }

    CTarnoListCtrl& List() { return list_; }
    CTarnoListBox& Details() { return details_; }
    // The stored name of the profile the details box shows.
    const std::string& DetailsProfile() const { return detailsProfile_; }
    // The record New and Edit hand to the editor; Connect has one of its own.
    WLAN_PROFILE& EditRecord() { return *editRecord_; }
    // A registry editor run for an import or export is not over yet.
    bool RegistryEditorRunning() const { return transfer_ != Transfer::None; }

protected:
    bool OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    enum class Transfer { None, Import, Export };

    void CreateRowIcons();
    void ShowDetails();
    // The selected row, when there is one, becomes the details row (a click, or a key in the list).
    void ShowSelectedDetails();
    // The selected row's stored name, or empty.
    std::string SelectedProfile() const;
    int Message(const std::string& text, UINT type = MB_OK) const;
    CSkinStatic* Button(int id) { return buttons_.Find(id); }

    void Connect();
    void New();
    void Edit();
    void Delete();
    // Shows the editor's first page for `record` in place of this page.
    void OpenEditor(WLAN_PROFILE& record);
    void Import();
    void Export();
    // Where the next file dialog opens.
    std::string FileDialogFolder() const;
    void StartTransfer(Transfer transfer, const std::string& commandLine, CHandle held);
    void FinishTransfer();

    IMonitorHost& host_;
    CTarnoListCtrl list_;
    CTarnoListBox details_;
    CButtonSet buttons_;
    CImageListHandle rowIcons_;  // the list only shows it
    // Connect's record is the in-use profile the connect worker reads: New and Edit never touch it.
    std::unique_ptr<WLAN_PROFILE> connectRecord_;
    std::unique_ptr<WLAN_PROFILE> editRecord_;
    std::vector<std::string> rowProfiles_;  // row i's stored name; the rows are never sorted
    std::string detailsProfile_;

    CRegistryEditorRun editorRun_;
    Transfer transfer_ = Transfer::None;
    std::string transferProfile_;  // the profile imported or exported
    std::string transferFile_;     // the export's file
    FILETIME transferFileTime_{};  // its last write before the export, zero when it had none
    profiles::FileFolderMemory fileFolders_;
};
