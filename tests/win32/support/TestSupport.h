// TestSupport.h - helpers for the tests under Wine: registry clean-up, staged devices, the simulator journal.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "adapter/Seams.h"
#include "nvxsim/nvxsim.h"

namespace testing_support {

// Deletes a key under HKLM with everything below it.
void DeleteTree(const char* path);
// Writes one value under HKLM, creating the key; false when the key cannot be made.
bool PutValue(const std::string& path, const char* name, DWORD type, const void* data, DWORD size);

// A device name listed by QueryDosDevice while this object lives.
class StagedDeviceName {
public:
    explicit StagedDeviceName(const std::string& name);
    ~StagedDeviceName();
    StagedDeviceName(const StagedDeviceName&) = delete;
    StagedDeviceName& operator=(const StagedDeviceName&) = delete;
    bool ok() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

// The name other programs find the adapter's connect and disconnect lock by.
inline constexpr const char* AdapterLockName = "Global\\VelmoraAdapterSequence-PCI#VEN_1E5A&DEV_0002&SUBSYS_00542914";

struct Call {
    uint32_t kind;
    uint32_t oid;
    uint32_t length;
    int32_t status;
    std::vector<uint8_t> data;
};

// The simulator's journal, optionally only the calls of one kind.
std::vector<Call> Journal(uint32_t kind = 0);

// Records the product's waits instead of sleeping through them.
class RecordedSleeps {
public:
    RecordedSleeps();
    ~RecordedSleeps();
    const std::vector<uint32_t>& waits() const;

private:
    seams::Platform previous_;
};

// Saves what the screen shows of `window` (the whole screen when null) as
// build/win32/screenshots/<name>.bmp, for a person to look at.
void SaveScreenshot(HWND window, const char* name);

uint32_t U32At(const std::vector<uint8_t>& data, size_t offset);

// Loads DLLs from doubles\ beside the test program first: there sits our stand-in for the DHCP
// client, which a connection or SetNetIPInfo notifies (Wine's own ends the process). False when
// the folder cannot be set.
bool UseDhcpClientDouble();

}  // namespace testing_support
