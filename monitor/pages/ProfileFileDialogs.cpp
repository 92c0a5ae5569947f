// ProfileFileDialogs.cpp - see ProfileFileDialogs.h.
#include "monitor/pages/ProfileFileDialogs.h"

#include <cstring>

namespace file_dialogs {
namespace {

Calls& Table() {
    static Calls calls{&::GetOpenFileNameA, &::GetSaveFileNameA};
    return calls;
}

// "Cfg file(*.cfg)|*.cfg||" in the dialog's own form.
constexpr char kFilter[] = "Cfg file(*.cfg)\0*.cfg\0";

std::string Run(BOOL(WINAPI* call)(LPOPENFILENAMEA), HWND owner, const std::string& initial, DWORD flags) {
    char path[MAX_PATH] = {};
    if (initial.size() < sizeof path) std::memcpy(path, initial.data(), initial.size());
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrDefExt = "cfg";
    // The current folder stays the program's: the dialog would otherwise move it for good.
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | flags;
    if (!call(&dialog)) return {};
    path[sizeof path - 1] = '\0';
    return path;
}

}  // namespace

const Calls& Current() { return Table(); }

Calls Replace(const Calls& calls) {
    const Calls previous = Table();
    Table() = calls;
    return previous;
}

std::string ChooseImportFile(HWND owner) { return Run(Current().open, owner, {}, OFN_FILEMUSTEXIST); }

std::string ChooseExportFile(HWND owner, const std::string& suggested) { return Run(Current().save, owner, suggested, 0); }

}  // namespace file_dialogs
