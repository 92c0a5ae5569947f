// RegistryEditorRun.cpp - see RegistryEditorRun.h.
#include "monitor/pages/RegistryEditorRun.h"

#include <utility>
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

bool CRegistryEditorRun::Start(const std::string& commandLine, CHandle held) {
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
                                          &startup, &process))
        return false;
    const CHandle thread(process.hThread);  // only the process is waited for
    process_.Reset(process.hProcess);
    held_ = std::move(held);
    started_ = GetTickCount();
    return true;
}

bool CRegistryEditorRun::Ended() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

bool CRegistryEditorRun::Done() const { return !process_ || Ended() || GetTickCount() - started_ >= WaitMs; }

void CRegistryEditorRun::Finish() {
    process_.Reset();
    held_.Reset();
}
