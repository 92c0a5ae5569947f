// RegistryEditorRun.cpp - see RegistryEditorRun.h.
#include "monitor/pages/RegistryEditorRun.h"

#include <vector>

std::string CRegistryEditorRun::EditorPath() {
    // The system's Windows folder: under Terminal Services GetWindowsDirectoryA may name a
    // private one of the user's.
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return {};
    std::string path(folder, length);
    if (path.back() != '\\') path += '\\';
    return path + "regedit.exe";
}

bool CRegistryEditorRun::Start(const std::string& commandLine, HANDLE held) {
    Finish();
    const std::string editor = EditorPath();
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (editor.empty() || !CreateProcessA(editor.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                          &startup, &process)) {
        if (held && held != INVALID_HANDLE_VALUE) CloseHandle(held);
        return false;
    }
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    held_ = held;
    started_ = GetTickCount();
    return true;
}

bool CRegistryEditorRun::Ended() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

bool CRegistryEditorRun::Done() const { return !process_ || Ended() || GetTickCount() - started_ >= WaitMs; }

void CRegistryEditorRun::Finish() {
    if (process_) CloseHandle(process_);
    if (held_ && held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
    process_ = held_ = nullptr;
}
