// wifimon.exe itself under Wine: one instance only, and the outside close window ends it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ProgramPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1) + "wifimon.exe";
}

PROCESS_INFORMATION StartMonitor() {
    std::string command = "\"" + ProgramPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process))
        << GetLastError();
    return process;
}

BOOL CALLBACK CountWifimon(HWND hwnd, LPARAM counter) {
    char title[32] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(title) == "wifimon") ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int FramesTitledWifimon() {
    int count = 0;
    EnumWindows(&CountWifimon, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool WaitFor(DWORD ms, bool (*done)()) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (done()) return true;
        Sleep(50);
    }
    return done();
}

}  // namespace

TEST(MonitorProgram, SecondStartEndsSilentlyAndTheOutsideCloseWindowEndsTheFirst) {
    PROCESS_INFORMATION first = StartMonitor();
    ASSERT_TRUE(WaitFor(15000, [] { return FramesTitledWifimon() == 1; })) << "the frame appears";

    PROCESS_INFORMATION second = StartMonitor();
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0) << "the second start ends";
    DWORD code = 1;
    GetExitCodeProcess(second.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(WaitForSingleObject(first.hProcess, 0), DWORD(WAIT_TIMEOUT)) << "the first goes on";
    EXPECT_EQ(FramesTitledWifimon(), 1);

    const DWORD start = GetTickCount();
    HWND signal = CreateWindowExA(0, "STATIC", "ACUClose", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(signal, nullptr);
    const DWORD ended = WaitForSingleObject(first.hProcess, 10000);
    const DWORD took = GetTickCount() - start;
    DestroyWindow(signal);
    EXPECT_EQ(ended, WAIT_OBJECT_0) << "ACUClose ends the monitor";
    EXPECT_LE(took, 2500u) << "within about one poll";
    EXPECT_EQ(FramesTitledWifimon(), 0);
    if (ended != WAIT_OBJECT_0) TerminateProcess(first.hProcess, 1);
    for (auto* p : {&first, &second}) {
        CloseHandle(p->hProcess);
        CloseHandle(p->hThread);
    }
}
