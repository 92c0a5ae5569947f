// TestSupport.cpp - see TestSupport.h.
#include "tests/win32/support/TestSupport.h"

#include <cstdio>
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

bool UseDhcpClientDouble() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\') + 1);
    return SetDllDirectoryA((folder + "doubles").c_str()) != FALSE;
}

void SaveScreenshot(HWND window, const char* name) {
    // Beside the programs' folder: build/win32/screenshots, whatever the working folder.
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string folder(module);
    folder = folder.substr(0, folder.find_last_of('\\') + 1) + "..\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    RECT box{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) GetWindowRect(window, &box);
    const int w = box.right - box.left, h = box.bottom - box.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, w, h, screen, box.left, box.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = DWORD((w * 3 + 3) & ~3), size = stride * DWORD(h);
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                          DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    const std::string path = folder + "\\" + name + ".bmp";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, f);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
        std::fwrite(bits, 1, size, f);
        std::fclose(f);
    }
    SelectObject(memory, old);
    DeleteObject(shot);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}


uint32_t U32At(const std::vector<uint8_t>& data, size_t offset) {
    uint32_t v = 0;
    if (offset + 4 <= data.size()) std::memcpy(&v, data.data() + offset, 4);
    return v;
}

}  // namespace testing_support
