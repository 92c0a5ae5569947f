// RegKey.h - a registry key handle that closes itself.
#pragma once

#include <windows.h>

class CRegKey {
public:
    CRegKey() = default;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey() { Close(); }

    LONG Open(HKEY parent, const char* path, REGSAM access) {
        Close();
        return RegOpenKeyExA(parent, path, 0, access, &key_);
    }
    LONG Create(HKEY parent, const char* path, REGSAM access) {
        Close();
        return RegCreateKeyExA(parent, path, 0, nullptr, 0, access, nullptr, &key_, nullptr);
    }
    void Close() {
        if (key_) RegCloseKey(key_);
        key_ = nullptr;
    }
    // Reads at most `size` bytes; on failure `data` is left as it was.
    LONG Query(const char* name, void* data, DWORD& size, DWORD* type = nullptr) const;
    LONG QueryDword(const char* name, DWORD& value) const;
    LONG Set(const char* name, DWORD type, const void* data, DWORD size) const {
        return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size);
    }
    LONG SetDword(const char* name, DWORD value) const { return Set(name, REG_DWORD, &value, sizeof value); }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};
