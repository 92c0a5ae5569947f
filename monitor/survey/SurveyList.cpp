// SurveyList.cpp - see SurveyList.h.
#include "monitor/survey/SurveyList.h"

#include "monitor/res/resource.h"

namespace {

constexpr int kRowIcons[] = {IDB_ROW_OPEN, IDB_ROW_PROTECTED, IDB_ROW_ADHOC};  // survey::Icon order
constexpr COLORREF kIconMask = RGB(255, 0, 0);
constexpr int kArrowCursor = 32512;  // IDC_ARROW
constexpr UINT kScanWaitMs = 5000;

}  // namespace

CSurveyList::CSurveyList(AppState& state) : buffer_(state.currentSurvey) {}

CSurveyList::~CSurveyList() {
    // The view lets go of the icons before their owner destroys them.
    if (list_.Handle()) ListView_SetImageList(list_.Handle(), nullptr, LVSIL_SMALL);
}

LRESULT CSurveyList::CListView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) ListView_SetImageList(Handle(), nullptr, LVSIL_SMALL);
    return CTarnoListCtrl::WindowProc(message, wParam, lParam);
}

void CSurveyList::Attach(CDialog& page, const SurveyListLook& look) {
    page_ = &page;
    look_ = look;
    ascending_.assign(look.columns.size(), true);
    list_.Attach(page.Handle(), look.listId);
    animation_.Attach(page.Handle(), look.animationId);
    for (size_t i = 0; i < look.columns.size(); ++i) {
        const SurveyColumn& column = look.columns[i];
        list_.MyInsertColumn(int(i), column.caption, column.align, column.width, -1, -1);
    }
    list_.MySetBackColor(RGB(255, 255, 255));
    list_.MySetGridLines(false);
    list_.MySetStandardCursor(kArrowCursor);
    CreateRowIcons();
    page.ShowItem(look.animationId, false);
}

void CSurveyList::CreateRowIcons() {
    rowIcons_.Reset(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1));
    if (!rowIcons_) return;
    for (int id : kRowIcons) {
        if (HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {
            ImageList_AddMasked(rowIcons_.get(), bitmap, kIconMask);
            DeleteObject(bitmap);
        }
    }
    ListView_SetImageList(list_.Handle(), rowIcons_.get(), LVSIL_SMALL);
}

void CSurveyList::Refresh() {
    list_.MySetGridLines(false);
    list_.MySetStandardCursor(kArrowCursor);
    // The list read at the timer is the driver's last completed scan: without a request now it
    // would be whatever the driver had before.
    ScanSiteInfo();
    BeginScan();
}

void CSurveyList::BeginScan() {
    list_.MyDeleteAllItems();
    list_.MySetGridLines(false);
    page_->ShowItem(look_.animationId, true);
    if (!animation_.IsPlaying() && animation_.Load(IDR_GIF_SCANNING, "Gif")) animation_.Draw();
    page_->StartTimer(TIMER_SURVEY_SCAN, kScanWaitMs);
    scanPending_ = true;
}

bool CSurveyList::FinishScan() {
    // Once per scan: a refused request leaves the animation running until a later one succeeds,
    // and no earlier list current in its place.
    CancelScan();
    buffer_.Forget();
    if (ScanSiteInfo() != 0) return false;
    // A list the adapter did not deliver is no list: the buffer must not show the one before.
    if (GetSiteInfo(buffer_.Publish(), survey::SurveyBuffer::Size) != 0) buffer_.MarkEmpty();
    animation_.Stop();
    page_->ShowItem(look_.animationId, false);
    return Fill();
}

void CSurveyList::CancelScan() {
    if (page_) page_->StopTimer(TIMER_SURVEY_SCAN);
    scanPending_ = false;
}

bool CSurveyList::Fill() {
    const uint8_t* networks = buffer_.TakeCurrent();
    if (!networks) return false;
    list_.MySetGridLines(true);
    list_.MySetCursor(IDCUR_HAND);
    if (scan::ScanList(networks, survey::SurveyBuffer::Size).declaredCount() == 0) return false;
    SendMessageA(list_.Handle(), WM_SETREDRAW, FALSE, 0);
    list_.MyDeleteAllItems();
    int index = 0;
    for (const scan::Entry& entry : survey::ListedEntries(networks, survey::SurveyBuffer::Size)) {
        const std::string first = survey::CellText(look_.columns[0].cell, entry);
        const std::string summary = look_.rowSummaries ? survey::RowSummary(entry) : std::string();
        const int row = list_.MyInsertItem(index++, first.c_str(), summary.c_str(), survey::RowIcon(entry), -1);
        if (row < 0) continue;
        for (size_t i = 1; i < look_.columns.size(); ++i) {
            const SurveyColumn& column = look_.columns[i];
            list_.MySetItemText(row, int(i), survey::CellText(column.cell, entry).c_str(), -1, column.cellFlag);
        }
    }
    SendMessageA(list_.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_.Handle(), nullptr, TRUE);
    return true;
}

bool CSurveyList::Rebuild() {
    list_.MyDeleteAllItems();
    return Fill();
}

void CSurveyList::Reset() {
    animation_.Stop();
    page_->ShowItem(look_.animationId, false);
    list_.MyDeleteAllItems();
    list_.MySetGridLines(true);
    list_.MySetStandardCursor(kArrowCursor);
}

bool CSurveyList::SortByHeader(int id) {
    for (size_t i = 0; i < look_.columns.size(); ++i) {
        if (look_.columns[i].headerId != id) continue;
        list_.Sort(int(i), ascending_[i], look_.columns[i].numeric);
        ascending_[i] = !ascending_[i];
        return true;
    }
    return false;
}

CSurveyList::RowTexts CSurveyList::TextsOf(int row) const {
    return {list_.MyGetItemText(row, 0), list_.MyGetItemText(row, 1), list_.MyGetItemText(row, 2)};
}

std::optional<scan::Entry> CSurveyList::EntryOf(int row) const {
    const uint8_t* networks = buffer_.Current();
    if (!networks || row < 0) return std::nullopt;
    const RowTexts cells = TextsOf(row);
    return scan::FindEntry(scan::ScanList(networks, survey::SurveyBuffer::Size), cells.ssid, cells.channel, cells.signal);
}

survey::Lookup CSurveyList::FillForConnect(int row, WLAN_PROFILE& record) const {
    const uint8_t* networks = buffer_.Current();
    if (!networks || row < 0) return survey::Lookup::NoEntry;
    const RowTexts cells = TextsOf(row);
    return survey::FillForConnect(networks, survey::SurveyBuffer::Size, {cells.ssid, cells.channel, cells.signal}, record);
}
