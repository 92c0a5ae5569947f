// ProfileFile.cpp - one profile copied to and from an initialisation file, section "WLAN Profile".
#include <windows.h>

#include <string>
#include <string_view>

#include "adapter/ProfileValues.h"
#include "adapter/RegKey.h"
#include "adapter/portable/ProfileFileText.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/portable/SecureClear.h"
#include "adapter/wifiapi.h"

namespace {

using namespace profilefile;

// ProfileName belongs to the file itself; an unnamed value is not a profile value.
bool IsValueKey(const char* name) { return name[0] != 0 && lstrcmpiA(name, NameKey) != 0; }

bool SectionHasKeys(const char* fileName) {
    char names[8];  // any key at all will do
    return GetPrivateProfileStringA(Section, nullptr, "", names, sizeof names, fileName) != 0;
}

}  // namespace

extern "C" {

int32_t __cdecl ExportProfile(const char* profileName, const char* fileName) {
    if (!fileName) return ERROR_INVALID_PARAMETER;
    if (!profile::IsValidName(profileName)) return ERROR_INVALID_NAME;
    // Opened for reading: exporting a name without a subkey must not leave a phantom profile.
    CRegKey key;
    const LONG rc = key.Open(HKEY_LOCAL_MACHINE, profile::SubkeyPath(profileName).c_str(), KEY_READ);
    if (rc != ERROR_SUCCESS) return rc;

    // Keys of an earlier export into the same file would mix with this profile's.
    WritePrivateProfileStringA(Section, nullptr, nullptr, fileName);
    if (!WritePrivateProfileStringA(Section, NameKey, profileName, fileName)) {
        const DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? int32_t(error) : ERROR_WRITE_FAULT;
    }
    for (DWORD index = 0;; ++index) {
        char name[ValueNameChars];
        BYTE data[ExportDataBytes];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = REG_NONE;
        const LONG step = RegEnumValueA(key.get(), index, name, &nameSize, nullptr, &type, data, &dataSize);
        if (step == ERROR_MORE_DATA) continue;  // beyond the file's limits: skip it, keep the rest
        if (step != ERROR_SUCCESS) break;
        if (!IsValueKey(name)) continue;
        const std::string text = ExportText(type == REG_DWORD, data, dataSize);
        WritePrivateProfileStringA(Section, name, text.c_str(), fileName);
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName);  // flushes a cached file
    return 0;
}

int32_t __cdecl ImportProfile(char* profileName, const char* fileName) {
    if (!profileName || !fileName) return ERROR_INVALID_PARAMETER;
    // A missing file reads as nothing but defaults and would blank every value of the target.
    if (!SectionHasKeys(fileName)) return ERROR_FILE_NOT_FOUND;
    // Read with room to spare: a name cut to 127 characters could name another, existing profile.
    char name[ImportReadChars];
    const DWORD nameLength = GetPrivateProfileStringA(Section, NameKey, TemplateProfile, name, sizeof name, fileName);
    lstrcpynA(profileName, name, profile::NameWidth);
    // Anyone may have edited the file: its name follows the rule of every new profile's.
    if (!profile::IsCreatableName(std::string_view(name, nameLength))) return ERROR_INVALID_NAME;

    // Both open before anything is written, so a failure leaves the registry as it was. Nothing
    // is taken from the template, but callers have always been told an import needs it.
    CRegKey source, target;
    LONG rc = source.Open(HKEY_LOCAL_MACHINE, profile::SubkeyPath(TemplateProfile).c_str(), KEY_READ);
    if (rc != ERROR_SUCCESS) return rc;
    rc = target.Open(HKEY_LOCAL_MACHINE, profile::SubkeyPath(profileName).c_str(), KEY_ALL_ACCESS);
    if (rc != ERROR_SUCCESS) return rc;

    // The profile's own values, each checked before any is written: a file with one bad value
    // changes nothing. Written as WriteProfile writes them, so an exported profile comes back
    // byte for byte whatever the template holds.
    WLAN_PROFILE record{};
    const ImportFault fault = RecordFromFile(
        [fileName](const char* key) {
            char text[ImportReadChars];
            const DWORD length = GetPrivateProfileStringA(Section, key, "", text, sizeof text, fileName);
            return std::string(text, length);
        },
        record);
    if (fault == ImportFault::None) profile::WriteValues(target, record);
    SecureClear(&record, sizeof record);
    return fault == ImportFault::None ? 0 : ERROR_INVALID_DATA;
}

}  // extern "C"
