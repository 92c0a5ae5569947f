// ProfileSummaryPage.h - the editor's Profile Settings (template IDD_PROFILE_SUMMARY): ten rows, Save, Back,
// Exit.
#pragma once

#include "monitor/editor/EditorPage.h"
#include "monitor/skin/TarnoListBox.h"

class CProfileSummaryPage : public CEditorPage {
public:
    CProfileSummaryPage(IMonitorHost& host, WLAN_PROFILE& record);

    CTarnoListBox& Rows() { return rows_; }

protected:
    std::span<const Placement> Layout() const override;
    std::span<const ButtonLook> Buttons() const override;
    void OnInitPage() override;
    void OnNext() override;  // Save
    void OnBack() override;
    bool OnPageButtonClicked(int id) override;

private:
    void Exit();

    CTarnoListBox rows_;
};
