// AdapterModel.cpp - OID semantics of the simulated adapter.
#include "nvxsim/model/AdapterModel.h"

#include <cstring>
#include <regex>

#include "adapter/portable/Bytes.h"
#include "nvxsim/model/Status.h"

namespace nvxsim {
namespace {

uint32_t ChannelToKhz(uint32_t channel) { return channel == 14 ? 2484000 : 2407000 + 5000 * channel; }

bool PatternMatches(const char* pattern, const std::string& hardwareId) {
    try {
        return std::regex_match(hardwareId, std::regex(pattern, std::regex::ECMAScript | std::regex::icase));
    } catch (const std::regex_error&) {
        return false;  // a malformed pattern selects nothing
    }
}

int32_t Reply(uint8_t* buffer, uint32_t length, uint32_t* returned, const void* data, uint32_t size) {
    if (returned) *returned = size;
    if (length < size) return StatusBufferTooShort;
    std::memcpy(buffer, data, size);
    return StatusSuccess;
}

int32_t ReplyU32(uint8_t* buffer, uint32_t length, uint32_t* returned, uint32_t value) {
    uint8_t bytes[4];
    StoreU32(bytes, value);
    return Reply(buffer, length, returned, bytes, 4);
}

int32_t ReplyU64(uint8_t* buffer, uint32_t length, uint32_t* returned, uint64_t value) {
    uint8_t bytes[8];
    StoreU64(bytes, value);
    return Reply(buffer, length, returned, bytes, 8);
}

bool IsWpaPsk(Security s) {
    return s == Security::WpaTkip || s == Security::WpaAes || s == Security::Wpa2Ccmp || s == Security::WpaMixed;
}

}  // namespace

AdapterModel::AdapterModel(Scenario scenario) : scenario_(std::move(scenario)) {
    config_.Length = sizeof(ndis::Configuration);
    config_.BeaconPeriod = 100;
    config_.DSConfig = ChannelToKhz(6);
}

std::optional<int32_t> AdapterModel::TakeInjected(uint32_t oid) {
    for (auto it = failures_.begin(); it != failures_.end(); ++it) {
        if (it->oid != oid && it->oid != AnyOid) continue;
        int32_t status = it->status;
        if (--it->remaining == 0) failures_.erase(it);
        return status;
    }
    return std::nullopt;
}

void AdapterModel::Record(CallKind kind, uint32_t oid, const uint8_t* data, uint32_t length, int32_t status) {
    JournalEntry e{kind, oid, length, status, {}};
    if (data && (kind == CallKind::Set || kind == CallKind::Credentials)) e.data.assign(data, data + length);
    journal_.push_back(std::move(e));
}

int32_t AdapterModel::Connect(const char* const* patterns, uint32_t count) {
    int32_t status = StatusAdapterNotFound;
    if (auto injected = TakeInjected(CallConnect)) {
        status = *injected;
    } else if (scenario_.adapter.present && patterns) {
        for (uint32_t i = 0; i < count && status != StatusSuccess; ++i)
            if (patterns[i] && PatternMatches(patterns[i], scenario_.adapter.hardwareId)) status = StatusSuccess;
    }
    bound_ = status == StatusSuccess;
    Record(CallKind::Connect, CallConnect, nullptr, count, status);
    return status;
}

void AdapterModel::Disconnect() {
    bound_ = false;
    link_ = Link{};
    Record(CallKind::Disconnect, CallDisconnect, nullptr, 0, StatusSuccess);
}

void AdapterModel::SetAdapterPresent(bool present) {
    scenario_.adapter.present = present;
    if (!present) {
        bound_ = false;  // surprise removal drops the binding
        link_ = Link{};
    }
}

void AdapterModel::FailNext(uint32_t oid, int32_t status, uint32_t times) {
    if (times > 0) failures_.push_back({oid, status, times});
}

int32_t AdapterModel::Query(uint32_t oid, uint8_t* buffer, uint32_t length, uint32_t* returned, uint64_t nowMs) {
    int32_t status;
    if (returned) *returned = 0;
    if (auto injected = TakeInjected(oid))
        status = *injected;
    else if (!bound_)
        status = StatusAdapterNotReady;
    else if (!buffer && length > 0)
        status = StatusInvalidData;
    else
        status = DoQuery(oid, buffer, length, returned, nowMs);
    Record(CallKind::Query, oid, nullptr, length, status);
    return status;
}

int32_t AdapterModel::Set(uint32_t oid, const uint8_t* buffer, uint32_t length, uint64_t nowMs) {
    int32_t status;
    if (auto injected = TakeInjected(oid))
        status = *injected;
    else if (!bound_)
        status = StatusAdapterNotReady;
    else if (!buffer && length > 0)
        status = StatusInvalidData;
    else
        status = DoSet(oid, buffer, length, nowMs);
    Record(CallKind::Set, oid, buffer, length, status);
    return status;
}

int32_t AdapterModel::SetCredentials(const uint8_t* record, uint64_t) {
    int32_t status;
    if (auto injected = TakeInjected(CallCredentials))
        status = *injected;
    else if (!bound_)
        status = StatusAdapterNotReady;
    else if (!record || LoadU32(record) != CredentialsSize)
        status = StatusInvalidData;
    else {
        credentials_.assign(record, record + CredentialsSize);
        status = StatusSuccess;
    }
    Record(CallKind::Credentials, CallCredentials, record, record ? CredentialsSize : 0, status);
    return status;
}

int32_t AdapterModel::DoSet(uint32_t oid, const uint8_t* b, uint32_t length, uint64_t nowMs) {
    switch (oid) {
    case oid::Ssid: {
        if (length < sizeof(ndis::Ssid)) return StatusInvalidLength;
        if (LoadU32(b) > 32) return StatusInvalidData;
        std::memcpy(&ssid_, b, sizeof ssid_);
        Associate(nowMs);
        return StatusSuccess;
    }
    case oid::InfrastructureMode:
    case oid::AuthenticationMode:
    case oid::EncryptionStatus: {
        if (length < 4) return StatusInvalidLength;
        const uint32_t v = LoadU32(b);
        if (oid == oid::InfrastructureMode) {
            if (v > 2) return StatusInvalidData;
            infrastructureMode_ = v;
        } else if (oid == oid::AuthenticationMode) {
            if (v > 7) return StatusInvalidData;
            authMode_ = v;
        } else {
            if (v > 7) return StatusInvalidData;
            encryption_ = v;
        }
        return StatusSuccess;
    }
    case oid::Configuration: {
        if (length < sizeof(ndis::Configuration)) return StatusInvalidLength;
        ndis::Configuration c;
        std::memcpy(&c, b, sizeof c);
        if (c.DSConfig < 2412000 || c.DSConfig > 2484000) return StatusInvalidData;
        config_ = c;
        return StatusSuccess;
    }
    case oid::AddWep: {
        if (length < ndis::WepKeyHeaderSize) return StatusInvalidLength;
        const uint32_t recordLength = LoadU32(b), index = LoadU32(b + 4), keyLength = LoadU32(b + 8);
        if (recordLength != length || keyLength == 0 || keyLength > length - ndis::WepKeyHeaderSize ||
            keyLength > 32 || (index & 0x3FFFFFFF) > 3)
            return StatusInvalidData;
        WepSlot& slot = wep_[index & 3];
        slot.present = true;
        slot.keyLength = keyLength;
        slot.material.fill(0);
        std::memcpy(slot.material.data(), b + ndis::WepKeyHeaderSize, keyLength);
        if (index & ndis::WepTransmitKey) transmitKey_ = index & 3;
        return StatusSuccess;
    }
    case oid::RemoveWep: {
        if (length < 4) return StatusInvalidLength;
        const uint32_t index = LoadU32(b);
        if (index > 3) return StatusInvalidData;
        wep_[index] = WepSlot{};
        return StatusSuccess;
    }
    case oid::Disassociate:
        link_ = Link{};
        ssid_ = ndis::Ssid{};
        return StatusSuccess;
    default:
        return StatusNotSupported;
    }
}

bool AdapterModel::Admits(const Network& n) const {
    const bool tkip = encryption_ == ndis::EncTkipEnabled || encryption_ == ndis::EncTkipKeyAbsent;
    const bool aes = encryption_ == ndis::EncAesEnabled || encryption_ == ndis::EncAesKeyAbsent;
    switch (n.security) {
    case Security::Open:
        return authMode_ == ndis::AuthOpen && encryption_ == ndis::EncDisabled;
    case Security::Wep:
        return authMode_ <= ndis::AuthAuto && encryption_ == ndis::EncWepEnabled;
    case Security::WpaTkip:
        return authMode_ == ndis::AuthWpaPsk && tkip;
    case Security::WpaAes:
        return authMode_ == ndis::AuthWpaPsk && aes;
    case Security::Wpa2Ccmp:
        return authMode_ == ndis::AuthWpa2Psk && aes;
    case Security::WpaMixed:
        return (authMode_ == ndis::AuthWpaPsk || authMode_ == ndis::AuthWpa2Psk) && (tkip || aes);
    case Security::WpaEap:
        return authMode_ == ndis::AuthWpa && (tkip || aes);
    case Security::Wpa2Eap:
        return authMode_ == ndis::AuthWpa2 && (tkip || aes);
    case Security::DynamicWep:
        return authMode_ == ndis::AuthOpen && encryption_ == ndis::EncWepEnabled;
    }
    return false;
}

bool AdapterModel::KeyMatches(const Network& n) const {
    if (n.security == Security::Open) return true;
    if (n.security == Security::Wep) {
        const WepSlot& slot = wep_[transmitKey_];
        if (!slot.present || slot.keyLength != n.wepKey.size() / 2) return false;
        for (size_t i = 0; i < slot.keyLength; ++i)
            if (slot.material[i] != uint8_t(std::stoul(n.wepKey.substr(i * 2, 2), nullptr, 16))) return false;
        return true;
    }
    if (credentials_.size() != CredentialsSize) return false;
    const char* text = reinterpret_cast<const char*>(credentials_.data());
    if (IsWpaPsk(n.security)) return std::string(text + 4, BoundedLength(text + 4, CredentialsSize - 4)) == n.passphrase;
    // 802.1X: method, identity at 8, secret at 137.
    const uint32_t method = LoadU32(credentials_.data() + 4);
    const std::string identity(text + 8, BoundedLength(text + 8, 129));
    const std::string secret(text + 137, BoundedLength(text + 137, 131));
    if (identity != n.identity) return false;
    if (method == 1) return !n.password.empty() && secret == n.password;
    if (method == 2) return !n.certificate.empty() && secret == n.certificate;
    return false;
}

void AdapterModel::Associate(uint64_t nowMs) {
    link_ = Link{};
    const std::string wanted(reinterpret_cast<const char*>(ssid_.Ssid), ssid_.SsidLength);
    if (wanted.empty()) return;
    const bool adhoc = infrastructureMode_ != ndis::ModeInfrastructure;
    bool cellInRange = false;
    for (size_t i = 0; i < scenario_.networks.size(); ++i) {
        const Network& n = scenario_.networks[i];
        if (n.ssid != wanted || n.adhoc != adhoc) continue;
        cellInRange = true;
        if (!Admits(n) || !KeyMatches(n)) continue;
        link_.network = int(i);
        link_.readyAtMs = nowMs + scenario_.associateDelayMs;
        link_.sinceMs = link_.readyAtMs;
        return;
    }
    if (!adhoc || cellInRange) return;
    // No cell of that name: an ad hoc station starts its own on the configured channel.
    uint32_t khz = config_.DSConfig;
    Network& cell = link_.cell;
    cell.ssid = wanted;
    cell.adhoc = true;
    cell.channel = khz == 2484000 ? 14 : (khz - 2407000) / 5000;
    cell.rssi = -40;
    cell.rateMbps = 11;
    cell.security = encryption_ == ndis::EncWepEnabled ? Security::Wep : Security::Open;
    const Mac& mac = scenario_.adapter.mac;
    cell.bssid = {uint8_t(0x02 | (mac[1] & 0xFC)), mac[2], mac[3], mac[4], mac[5], uint8_t(wanted.size())};
    link_.network = OwnCell;
    link_.readyAtMs = nowMs + scenario_.associateDelayMs;
    link_.sinceMs = link_.readyAtMs;
}

const Network* AdapterModel::LinkedNetwork(uint64_t nowMs) const {
    if (link_.network < 0 || nowMs < link_.readyAtMs) return nullptr;
    return link_.network == OwnCell ? &link_.cell : &scenario_.networks[size_t(link_.network)];
}

int AdapterModel::AssociatedNetwork(uint64_t nowMs) const {
    return LinkedNetwork(nowMs) ? link_.network : -1;
}

int32_t AdapterModel::DoQuery(uint32_t oid, uint8_t* b, uint32_t length, uint32_t* returned, uint64_t nowMs) {
    const Network* net = LinkedNetwork(nowMs);
    const uint64_t upMs = net ? nowMs - link_.sinceMs : 0;
    switch (oid) {
    case oid::GenMediaConnectStatus:
        if (mediaOverride_) return ReplyU32(b, length, returned, uint32_t(*mediaOverride_));
        return ReplyU32(b, length, returned, net ? ndis::MediaConnected : ndis::MediaDisconnected);
    case oid::GenLinkSpeed:
        return ReplyU32(b, length, returned, (net ? net->rateMbps : 54) * 10000);
    case oid::GenXmitOk:
        return ReplyU32(b, length, returned, uint32_t(upMs / 40));
    case oid::GenRcvOk:
        return ReplyU32(b, length, returned, uint32_t(upMs / 25));
    case oid::GenDirectedBytesXmit:
        return ReplyU64(b, length, returned, upMs / 40 * 310);
    case oid::GenDirectedBytesRcv:
        return ReplyU64(b, length, returned, upMs / 25 * 870);
    case oid::CurrentAddress:
        return Reply(b, length, returned, scenario_.adapter.mac.data(), 6);
    case oid::Bssid:
        if (!net) return StatusAdapterNotReady;
        return Reply(b, length, returned, net->bssid.data(), 6);
    case oid::Ssid: {
        ndis::Ssid s{};
        if (net) {
            s.SsidLength = uint32_t(net->ssid.size());
            std::memcpy(s.Ssid, net->ssid.data(), net->ssid.size());
        }
        return Reply(b, length, returned, &s, sizeof s);
    }
    case oid::InfrastructureMode:
        return ReplyU32(b, length, returned, infrastructureMode_ == ndis::ModeInfrastructure ? 1 : 0);
    case oid::AuthenticationMode:
        return ReplyU32(b, length, returned, authMode_);
    case oid::EncryptionStatus: {
        // Once associated the key-absent states read as enabled.
        uint32_t e = encryption_;
        if (net && (e == ndis::EncTkipKeyAbsent || e == ndis::EncAesKeyAbsent)) e -= 1;
        return ReplyU32(b, length, returned, e);
    }
    case oid::Rssi: {
        if (!net) return ReplyU32(b, length, returned, uint32_t(-95));
        const int32_t jitter = int32_t((nowMs / 1000) % 5) - 2;  // a little movement every second
        return ReplyU32(b, length, returned, uint32_t(net->rssi + jitter));
    }
    case oid::Configuration: {
        ndis::Configuration c = config_;
        if (net) c.DSConfig = ChannelToKhz(net->channel);
        return Reply(b, length, returned, &c, sizeof c);
    }
    case oid::VendorStatistics:
    case oid::VendorDriverInfo: {
        const bool stats = oid == oid::VendorStatistics;
        const uint32_t size = stats ? ndis::VendorStatisticsSize : ndis::VendorDriverInfoQueryLength;
        if (returned) *returned = size;
        if (length < size) return StatusBufferTooShort;
        if (LoadU32(b + 4) != ndis::VendorRequestTag) return StatusInvalidData;
        std::memset(b + 8, 0, size - 8);
        if (stats) {
            StoreU16(b + 36, uint16_t(net ? net->rateMbps : 0));
            StoreU16(b + 38, uint16_t(net ? net->rateMbps : 0));
            StoreU32(b + 60, uint32_t(scenario_.adapter.noise));
        } else {
            for (int i = 0; i < 4; ++i) StoreU16(b + 18 + 2 * i, scenario_.adapter.driverVersion[size_t(i)]);
        }
        return StatusSuccess;
    }
    default:
        return StatusNotSupported;
    }
}

}  // namespace nvxsim
