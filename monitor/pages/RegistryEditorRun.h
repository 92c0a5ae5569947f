// RegistryEditorRun.h - one run of the system's registry editor for a profile's import or export,
// waited for without blocking the window: the page asks Done() from a timer.
#pragma once

#include <windows.h>

#include <string>

#include "monitor/ui/Handles.h"

class CRegistryEditorRun {
public:
    // How long the page waits for the editor before it goes on without it.
    static constexpr DWORD WaitMs = 5000;

    CRegistryEditorRun() = default;
    CRegistryEditorRun(const CRegistryEditorRun&) = delete;
    CRegistryEditorRun& operator=(const CRegistryEditorRun&) = delete;
    ~CRegistryEditorRun() { Finish(); }

    // The registry editor in the system's Windows folder, never one found by its bare name.
    static std::string EditorPath();

    // Starts `commandLine` (its first argument the editor's quoted path) without a window. `held`
    // (may be none) is a file the run keeps open until Finish; it is closed when the start fails.
    bool Start(const std::string& commandLine, CHandle held);
    bool Running() const { return bool(process_); }
    // The editor has ended, or WaitMs has passed since the start.
    bool Done() const;
    bool Ended() const;
    // Lets go of the editor (which may go on by itself) and of the held file.
    void Finish();

private:
    CHandle process_;
    CHandle held_;
    DWORD started_ = 0;
};
