// SurveyList.h - the list of networks in range that the Site Survey page and the editor's available
// networks page show: its scan buffer, the scan with its animation, the fill, the row icons, the
// sorting, and the entry of a row. Which buffer the application's current survey names is
// survey::SurveyBuffer's rule.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "adapter/portable/ScanList.h"
#include "adapter/wifiapi.h"
#include "monitor/core/AppState.h"
#include "monitor/skin/PictureEx.h"
#include "monitor/skin/TarnoListCtrl.h"
#include "monitor/survey/portable/SurveyBuffer.h"
#include "monitor/survey/portable/SurveyRules.h"
#include "monitor/ui/Dialog.h"
#include "monitor/ui/Handles.h"

// One column of a page's list, with the bitmap header that lies over it and sorts it.
struct SurveyColumn {
    int headerId;
    const char* caption;
    int align;  // 0 left, 1 centred
    int width;  // pixels; the header's artwork is as wide
    bool numeric;  // sorted by the cells' leading numbers
    survey::Cell cell;
    int cellFlag;  // the last argument of MySetItemText
};

// A page's list: its controls and columns. The first three columns are the SSID, the channel and
// the signal: a row's entry is found again by those cells.
struct SurveyListLook {
    int listId, animationId;
    std::span<const SurveyColumn> columns;
    bool rowSummaries;  // each row carries the entry's summary as its second text
};

class CSurveyList {
public:
    explicit CSurveyList(AppState& state);
    ~CSurveyList();
    CSurveyList(const CSurveyList&) = delete;
    CSurveyList& operator=(const CSurveyList&) = delete;

    // At the page's initialisation: the columns, the row icons, no grid lines, the arrow cursor and
    // the animation hidden. `page` owns the controls and receives timer TIMER_SURVEY_SCAN.
    void Attach(CDialog& page, const SurveyListLook& look);

    // Refresh: asks the adapter for a scan now, then BeginScan.
    void Refresh();
    // Empties the list and shows the animation; the scan is read when TIMER_SURVEY_SCAN fires, once.
    void BeginScan();
    // TIMER_SURVEY_SCAN: asks again and, when the adapter takes the request, reads and lists the
    // result. True when the list was rebuilt.
    bool FinishScan();
    // The page leaves the list: no scan is read.
    void CancelScan();
    // The list from the current survey; true when it was rebuilt (a survey of no networks leaves the
    // list as it is).
    bool Fill();
    // A row that matches no entry any more: the list shows what is in range now.
    bool Rebuild();
    // The adapter cannot be used: no rows and no animation, the grid lines on, the arrow cursor.
    void Reset();
    // A header's click: sorts by its column, the other way round the next time. False for another control.
    bool SortByHeader(int id);

    // The entry of `row` in the current survey, by the row's SSID, channel and signal.
    std::optional<scan::Entry> EntryOf(int row) const;
    // The connect lookup of `row` into `record` (survey::FillForConnect); NoEntry without a survey.
    survey::Lookup FillForConnect(int row, WLAN_PROFILE& record) const;

    CTarnoListCtrl& List() { return list_; }
    const CTarnoListCtrl& List() const { return list_; }
    CPictureEx& Animation() { return animation_; }
    bool ScanPending() const { return scanPending_; }
    const uint8_t* Buffer() const { return buffer_.Data(); }

private:
    // Lets go of the row icons when it goes: without LVS_SHAREIMAGELISTS it would destroy them.
    class CListView : public CTarnoListCtrl {
    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    struct RowTexts {
        std::string ssid, channel, signal;
    };

    void CreateRowIcons();
    RowTexts TextsOf(int row) const;

    CDialog* page_ = nullptr;  // not owned
    SurveyListLook look_{};
    CListView list_;
    CPictureEx animation_;
    CImageListHandle rowIcons_;  // the list borrows it
    std::vector<bool> ascending_;  // per column
    bool scanPending_ = false;
    survey::SurveyBuffer buffer_;
};
