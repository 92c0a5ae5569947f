// wifimon.exe on the simulated adapter, opened from its tray command: pictures of the window and
// the tray for a person to look at (build/win32/screenshots/).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/support/TestSupport.h"

namespace {

struct Found {
    DWORD process;
    bool dialog;
    HWND window;
};

BOOL CALLBACK FindWifimon(HWND hwnd, LPARAM param) {
    auto* f = reinterpret_cast<Found*>(param);
    char title[32] = {}, kind[32] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, kind, sizeof kind);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == f->process && std::string(title) == "wifimon" && (std::string(kind) == "#32770") == f->dialog) {
        f->window = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD process, bool dialog, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        Found f{process, dialog, nullptr};
        EnumWindows(&FindWifimon, reinterpret_cast<LPARAM>(&f));
        if (f.window) return f.window;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

TEST(MonitorScreenshots, WindowOpensFromTheTrayCommandAndBothArePictured) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program(path);
    program = "\"" + program.substr(0, program.find_last_of('\\') + 1) + "wifimon.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, program.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));

    HWND frame = WaitForWindow(process.dwProcessId, false, 15000);
    ASSERT_NE(frame, nullptr) << "the frame appears";
    Sleep(1500);  // the first polls set the tray icon
    testing_support::SaveScreenshot(nullptr, "desktop-tray");

    PostMessageA(frame, WM_COMMAND, 32771, 0);  // "Open the Monitor"
    HWND window = WaitForWindow(process.dwProcessId, true, 10000);
    ASSERT_NE(window, nullptr) << "the monitor window opens";
    for (int i = 0; i < 40 && !IsWindowVisible(window); ++i) Sleep(50);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT box;
    GetWindowRect(window, &box);
    EXPECT_EQ(box.right - box.left, 581);
    Sleep(800);
    testing_support::SaveScreenshot(window, "monitor-window");
    testing_support::SaveScreenshot(nullptr, "desktop-window-and-tray");

    // The outside close signal ends the program.
    HWND close = CreateWindowExA(0, "STATIC", "ACUClose", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0) << "ACUClose ends the monitor";
    DestroyWindow(close);
    TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
