// ProfileFileDialogs.h - the common file dialogs that pick a profile file (.cfg), behind a seam:
// the real GetOpenFileNameA and GetSaveFileNameA by default, replaceable in tests.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <string>

namespace file_dialogs {

struct Calls {
    BOOL(WINAPI* open)(LPOPENFILENAMEA dialog);
    BOOL(WINAPI* save)(LPOPENFILENAMEA dialog);
};

const Calls& Current();
// Tests only: replace the calls; returns the previous set.
Calls Replace(const Calls& calls);

struct Choice {
    std::string path;       // empty when the user cancelled
    size_t nameOffset = 0;  // where the file name begins in `path`, as the dialog tells it
};

// The file to import, the dialog opening in `folder` (empty: where the dialog chooses).
Choice ChooseImportFile(HWND owner, const std::string& folder);
// The file to export to, offering `suggested` in `folder`.
Choice ChooseExportFile(HWND owner, const std::string& suggested, const std::string& folder);

// The user's documents folder, empty when the system has none.
std::string DocumentsFolder();

}  // namespace file_dialogs
