// TestSupport.cpp - see TestSupport.h.
#include "tests/win32/support/TestSupport.h"

#include <cstring>

namespace testing_support {
namespace {

struct UnicodeString {
    USHORT Length;
    USHORT MaximumLength;
    PWSTR Buffer;
};
struct ObjectAttributes {
    ULONG Length;
    HANDLE RootDirectory;
    UnicodeString* ObjectName;
    ULONG Attributes;
    PVOID SecurityDescriptor;
    PVOID SecurityQualityOfService;
};
constexpr ULONG ObjCaseInsensitive = 0x40;
using NtCreateSymbolicLinkObjectFn = LONG(WINAPI*)(PHANDLE, ACCESS_MASK, ObjectAttributes*, UnicodeString*);

std::vector<uint32_t> g_waits;

void RecordSleep(uint32_t ms) { g_waits.push_back(ms); }

UnicodeString Unicode(std::wstring& text) {
    return UnicodeString{USHORT(text.size() * 2), USHORT(text.size() * 2), text.data()};
}

}  // namespace

void DeleteTree(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char name[256];
    for (;;) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        DeleteTree((std::string(path) + "\\" + name).c_str());
    }
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
}

bool PutValue(const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return true;
}

StagedDeviceName::StagedDeviceName(const std::string& name) {
    auto create = reinterpret_cast<NtCreateSymbolicLinkObjectFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtCreateSymbolicLinkObject")));
    if (!create) return;
    std::wstring path = L"\\??\\" + std::wstring(name.begin(), name.end());
    std::wstring target = L"\\Device\\Null";
    UnicodeString pathString = Unicode(path), targetString = Unicode(target);
    ObjectAttributes attributes{sizeof(ObjectAttributes), nullptr, &pathString, ObjCaseInsensitive, nullptr, nullptr};
    HANDLE handle = nullptr;
    if (create(&handle, 0xF0001 /* SYMBOLIC_LINK_ALL_ACCESS */, &attributes, &targetString) == 0) handle_ = handle;
}

StagedDeviceName::~StagedDeviceName() {
    if (handle_) CloseHandle(handle_);
}

std::vector<Call> Journal(uint32_t kind) {
    std::vector<Call> calls;
    const uint32_t count = nvxsimJournalCount();
    for (uint32_t i = 0; i < count; ++i) {
        NVXSIM_CALL c{};
        uint8_t data[512] = {};
        if (nvxsimJournalEntry(i, &c, data, sizeof data) != 0) continue;
        if (kind && c.Kind != kind) continue;
        calls.push_back({c.Kind, c.Oid, c.Length, c.Status, std::vector<uint8_t>(data, data + (c.DataSize < 512 ? c.DataSize : 512))});
    }
    return calls;
}

RecordedSleeps::RecordedSleeps() {
    g_waits.clear();
    seams::Platform platform = seams::Current();
    platform.sleep = &RecordSleep;
    previous_ = seams::Replace(platform);
}
RecordedSleeps::~RecordedSleeps() { seams::Replace(previous_); }
const std::vector<uint32_t>& RecordedSleeps::waits() const { return g_waits; }

uint32_t U32At(const std::vector<uint8_t>& data, size_t offset) {
    uint32_t v = 0;
    if (offset + 4 <= data.size()) std::memcpy(&v, data.data() + offset, 4);
    return v;
}

}  // namespace testing_support
