// ProfileFileDialogs.h - the common file dialogs that pick a profile file (.cfg), behind a seam:
// the real GetOpenFileNameA and GetSaveFileNameA by default, replaceable in tests.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace file_dialogs {

struct Calls {
    BOOL(WINAPI* open)(LPOPENFILENAMEA dialog);
    BOOL(WINAPI* save)(LPOPENFILENAMEA dialog);
};

const Calls& Current();
// Tests only: replace the calls; returns the previous set.
Calls Replace(const Calls& calls);

// The file to import; empty when the user cancelled.
std::string ChooseImportFile(HWND owner);
// The file to export to, offering `suggested` in the profile files' folder; empty when cancelled.
std::string ChooseExportFile(HWND owner, const std::string& suggested);

}  // namespace file_dialogs
