// ProfileWrite.cpp - see ProfileWrite.h.
#include "monitor/editor/ProfileWrite.h"

#include <cstring>
#include <string>
#include <string_view>

#include "monitor/editor/portable/ProfileNotSaved.h"
#include "adapter/portable/ProfileNames.h"
#include "monitor/ui/MessageBox.h"

namespace {

std::string SystemText(DWORD code) {
    char text[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, sizeof text, nullptr);
    return std::string(text, length);
}

}  // namespace

bool WriteProfileOrSay(HWND owner, const WLAN_PROFILE& record) {
    const int32_t result = WriteProfile(&record);
    if (result == 0) return true;
    ui::Message(owner, editor::ProfileNotSavedMessage(result, SystemText(DWORD(result))).c_str(), MB_OK | MB_ICONERROR);
    return false;
}

bool IsDefaultProfileRecord(const WLAN_PROFILE& record) {
    return profiles::IsDefaultProfile(std::string_view(record.ProfileName, strnlen(record.ProfileName, sizeof record.ProfileName)));
}
