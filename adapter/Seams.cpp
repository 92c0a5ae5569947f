// Seams.cpp - the real platform calls behind the seams.
#include "adapter/Seams.h"

namespace seams {
namespace {

void RealSleep(uint32_t ms) { ::Sleep(ms); }
uint32_t RealTickMs() { return ::GetTickCount(); }

Platform& Table() {
    static Platform platform{&RealSleep, &::GetAdaptersInfo, &::GetPerAdapterInfo, &::IpReleaseAddress,
                             &::IpRenewAddress, &RealTickMs, &::GetVersionExA, &::WaitForSingleObject};
    return platform;
}

}  // namespace

const Platform& Current() { return Table(); }

Platform Replace(const Platform& platform) {
    Platform previous = Table();
    Table() = platform;
    return previous;
}

}  // namespace seams
