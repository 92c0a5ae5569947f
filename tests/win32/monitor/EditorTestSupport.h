// EditorTestSupport.h - driving the profile editor's pages in-process as a person does.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "adapter/wifiapi.h"
#include "monitor/editor/EditorPage.h"
#include "monitor/pages/MonitorDlg.h"
#include "tests/win32/monitor/WindowFixture.h"

namespace monitor_test {

// A click on a page's control as the mouse sends it (the command carries the control's handle).
void Click(HWND page, int id);
void Click(CEditorPage* page, int id);
// Picks entry `index` of a combo box, with the selection change the list sends.
void Choose(CEditorPage* page, int id, int index);
// Puts `text` into an edit (the edit reports the change as typing does).
void Type(CEditorPage* page, int id, const std::string& text);
std::string TextOf(CEditorPage* page, int id);
std::string ChosenText(CEditorPage* page, int id);

// The editor page the window shows, or null.
CEditorPage* Shown(CMonitorDlg& w);
// Opens the editor as the Profiles page's New does: `record` set up for `name`, background 311,
// tab buttons hidden. Returns the available networks page.
CEditorPage* OpenEditorFor(CMonitorDlg& w, WLAN_PROFILE& record, const char* name);
// Ends the available networks page's scan now: the simulator's scan completes and timer 100 fires.
void FinishScan(CEditorPage* networksPage);
// The row of the available networks list whose SSID is `ssid`, selected; -1 when none.
int SelectNetwork(CEditorPage* networksPage, const std::string& ssid);
// The key dialog ("Wireless Security - ...") open on this thread, or null.
HWND OpenKeyDialog();
// Acts in the key dialog titled `caption` ("Wireless Security - WPA2-Personal", ...) once it runs
// modally; another dialog fails the test and is cancelled, so that the test never hangs in it.
void InKeyDialog(const char* caption, std::function<void(HWND dialog)> act);

// The dialog's background is bitmap `id` (compared bit for bit).
bool ShowsBitmap(CSkinDialog* dialog, int id);
// Lets the window paint, then saves it as build/win32/screenshots/<name>.bmp.
void Picture(CMonitorDlg& w, const char* name);
// The profile stored under `name`; false when ReadProfile fails.
bool ReadStored(const char* name, WLAN_PROFILE& out);

// The window fixture whose first run opens the available networks page, as the program does.
class EditorFixture : public WindowFixture {
protected:
    std::unique_ptr<CMonitorApp> StartProgram();
};

}  // namespace monitor_test
