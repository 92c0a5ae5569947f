// ConnectionEngine.cpp - applies a profile to the adapter, takes it off the air, reads the media state.
#include <windows.h>

#include <cstring>

#include "adapter/AdapterLock.h"
#include "adapter/nvx/nvxapi.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/ConnectSequence.h"
#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"

namespace {

// Returns false when the step ends the connect (credentials refused).
bool Issue(connect::Step& step) {
    switch (step.kind) {
    case connect::Step::Kind::Set:
        SetOid(step.oid, step.data.empty() ? nullptr : step.data.data(), uint32_t(step.data.size()));
        return true;
    case connect::Step::Kind::Channel: {
        uint8_t reply[connect::ConfigurationSize] = {};
        StoreU32(reply, uint32_t(sizeof reply));
        GetOid(oid::Configuration, reply, sizeof reply);  // a driver that cannot say leaves the cleared record
        const auto record = connect::ChannelConfiguration(reply, step.dsConfigKhz);
        SetOid(oid::Configuration, record.data(), uint32_t(record.size()));
        return true;
    }
    case connect::Step::Kind::Credentials: {
        const int32_t rc = nvxSet8021xCredentials(step.data.data());
        SecureZeroMemory(step.data.data(), step.data.size());  // passphrase or password
        return rc == 0;
    }
    }
    return false;
}

}  // namespace

extern "C" {

int32_t __cdecl ConnectToNetwork(const WLAN_PROFILE* profile) {
    if (!profile) return 1;
    std::vector<connect::Step> steps = connect::ConnectSteps(*profile);
    if (steps.empty()) return 1;
    // Another caller's sequence interleaved with ours would leave the adapter with a mix of both.
    const adapterlock::CSequenceLock lock;
    if (!lock.held()) return 1;
    for (connect::Step& step : steps) {
        if (!Issue(step)) return 1;  // the rest of the sequence is not issued
    }
    return 0;
}

int32_t __cdecl Disconnect(void) {
    const adapterlock::CSequenceLock lock;
    if (!lock.held()) return ndis::StatusFailure;
    const auto dummy = connect::SsidRecord(connect::DummySsid, sizeof connect::DummySsid - 1);
    SetOid(oid::Ssid, dummy.data(), uint32_t(dummy.size()));
    return SetOid(oid::Disassociate, nullptr, 0);
}

int32_t __cdecl GetConnectionStatus(uint32_t* state) {
    if (!state) return ERROR_INVALID_PARAMETER;
    return GetOid(oid::GenMediaConnectStatus, state, sizeof *state);
}

}  // extern "C"
