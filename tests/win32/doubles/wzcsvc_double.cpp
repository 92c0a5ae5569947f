// wzcsvc_double.cpp - a service that the tests install as "WZCSVC".
//
// By default it stops when asked. "--refuse-stop" accepts no stop control;
// "--hang-on-stop" answers a stop with stop-pending and then sits there. Both
// stop for good when the test sets the event named below (or after two
// minutes, so a double never outlives a test run by much).
#include <windows.h>

#include <cstring>

namespace {

constexpr const char* ReleaseEventName = "VelmoraWzcDoubleRelease";

enum class Mode { Normal, RefuseStop, HangOnStop };

Mode g_mode = Mode::Normal;
SERVICE_STATUS_HANDLE g_statusHandle = nullptr;
HANDLE g_stopRequested = nullptr;
DWORD g_checkPoint = 0;

void Report(DWORD state, DWORD waitHintMs = 0) {
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING && g_mode != Mode::RefuseStop ? SERVICE_ACCEPT_STOP : 0;
    status.dwWin32ExitCode = NO_ERROR;
    status.dwCheckPoint = state == SERVICE_RUNNING || state == SERVICE_STOPPED ? 0 : ++g_checkPoint;
    status.dwWaitHint = waitHintMs;
    SetServiceStatus(g_statusHandle, &status);
}

DWORD WINAPI Handler(DWORD control, DWORD, LPVOID, LPVOID) {
    if (control == SERVICE_CONTROL_STOP) {
        if (g_mode == Mode::RefuseStop) return ERROR_CALL_NOT_IMPLEMENTED;
        Report(SERVICE_STOP_PENDING, 1000);
        SetEvent(g_stopRequested);
        return NO_ERROR;
    }
    return control == SERVICE_CONTROL_INTERROGATE ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
}

void WINAPI ServiceMain(DWORD, LPSTR*) {
    g_statusHandle = RegisterServiceCtrlHandlerExA("WZCSVC", &Handler, nullptr);
    if (!g_statusHandle) return;
    g_stopRequested = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Report(SERVICE_START_PENDING, 1000);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, ReleaseEventName);
    Report(SERVICE_RUNNING);
    const HANDLE ends[] = {g_stopRequested, release};
    const DWORD ended = WaitForMultipleObjects(2, ends, FALSE, g_mode == Mode::RefuseStop ? 120000 : INFINITE);
    if (g_mode == Mode::HangOnStop && ended == WAIT_OBJECT_0) {
        for (int i = 0; i < 120 && WaitForSingleObject(release, 1000) == WAIT_TIMEOUT; ++i)
            Report(SERVICE_STOP_PENDING, 1000);
    }
    CloseHandle(release);
    Report(SERVICE_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--refuse-stop") == 0) g_mode = Mode::RefuseStop;
        if (std::strcmp(argv[i], "--hang-on-stop") == 0) g_mode = Mode::HangOnStop;
    }
    char name[] = "WZCSVC";
    SERVICE_TABLE_ENTRYA table[] = {{name, &ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}
