// ProfileFileDialogs.cpp - see ProfileFileDialogs.h.
#include "monitor/pages/ProfileFileDialogs.h"

#include <shlobj.h>

#include <cstring>

namespace file_dialogs {
namespace {

Calls& Table() {
    static Calls calls{&::GetOpenFileNameA, &::GetSaveFileNameA};
    return calls;
}

// "Cfg file(*.cfg)|*.cfg||" in the dialog's own form.
constexpr char kFilter[] = "Cfg file(*.cfg)\0*.cfg\0";

Choice Run(BOOL(WINAPI* call)(LPOPENFILENAMEA), HWND owner, const std::string& initial, const std::string& folder,
           DWORD flags) {
    char path[MAX_PATH] = {};
    if (initial.size() < sizeof path) std::memcpy(path, initial.data(), initial.size());
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    // Without it the dialog opens in the current folder, the system folder for a program started at logon.
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = "cfg";
    // The current folder stays the program's: the dialog would otherwise move it for good.
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | flags;
    if (!call(&dialog)) return {};
    path[sizeof path - 1] = '\0';
    return Choice{path, dialog.nFileOffset};
}

}  // namespace

const Calls& Current() { return Table(); }

Calls Replace(const Calls& calls) {
    const Calls previous = Table();
    Table() = calls;
    return previous;
}

Choice ChooseImportFile(HWND owner, const std::string& folder) {
    return Run(Current().open, owner, {}, folder, OFN_FILEMUSTEXIST);
}

Choice ChooseExportFile(HWND owner, const std::string& suggested, const std::string& folder) {
    return Run(Current().save, owner, suggested, folder, 0);
}

std::string DocumentsFolder() {
    char folder[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) return {};
    folder[sizeof folder - 1] = '\0';
    return folder;
}

}  // namespace file_dialogs
