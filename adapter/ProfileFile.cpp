// ProfileFile.cpp - one profile copied to and from an initialisation file, section "WLAN Profile".
#include <windows.h>

#include <string>
#include <vector>

#include "adapter/RegKey.h"
#include "adapter/portable/ProfileFileText.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/wifiapi.h"

namespace {

using namespace profilefile;

// `name` has passed profile::IsValidName.
std::string SubkeyPath(const char* name) { return std::string(profile::KeyPath) + "\\" + name; }

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
    const LONG rc = key.Open(HKEY_LOCAL_MACHINE, SubkeyPath(profileName).c_str(), KEY_READ);
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
    if (nameLength >= profile::NameWidth) return ERROR_INVALID_NAME;
    // Anyone may have edited the file: its name must not reach the profile key itself or a nested key.
    if (!profile::IsValidName(profileName)) return ERROR_INVALID_NAME;

    // Both open before anything is written, so a failure leaves the registry as it was.
    CRegKey source, target;
    LONG rc = source.Open(HKEY_LOCAL_MACHINE, SubkeyPath(TemplateProfile).c_str(), KEY_READ);
    if (rc != ERROR_SUCCESS) return rc;
    rc = target.Open(HKEY_LOCAL_MACHINE, SubkeyPath(profileName).c_str(), KEY_ALL_ACCESS);
    if (rc != ERROR_SUCCESS) return rc;

    // The profile's own values that the template has, each checked before any is written:
    // a file with one bad value changes nothing. Other values of the template are not copied.
    struct Pending {
        const profile::ValueSpec* value;
        std::string text;
        uint32_t number;
    };
    std::vector<Pending> pending;
    for (const profile::ValueSpec& value : profile::Values()) {
        if (RegQueryValueExA(source.get(), value.name, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) continue;
        char text[ImportReadChars];
        const DWORD length = GetPrivateProfileStringA(Section, value.name, "", text, sizeof text, fileName);
        Pending p{&value, std::string(text, length), 0};
        if (CheckImportText(value, p.text, p.number) != ImportFault::None) return ERROR_INVALID_DATA;
        pending.push_back(std::move(p));
    }
    for (const Pending& p : pending) {
        if (p.value->kind == profile::ValueKind::Dword)
            target.SetDword(p.value->name, p.number);
        else  // without the NUL, as stored profiles have it
            target.Set(p.value->name, REG_SZ, p.text.data(), DWORD(p.text.size()));
    }
    return 0;
}

}  // extern "C"
