// AdapterModel.cpp - OID semantics of the simulated adapter.
#include "nvxsim/model/AdapterModel.h"

#include <cstring>
#include <algorithm>
#include <regex>
#include <utility>

#include "adapter/portable/Bytes.h"
#include "nvxsim/model/BssidList.h"
#include "nvxsim/model/Status.h"

namespace nvxsim {
namespace {

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

// A little movement of the signal, changing once a second; `salt` keeps networks apart.
int32_t Jitter(uint64_t nowMs, uint32_t salt) { return int32_t((nowMs / 1000 + salt) % 5) - 2; }

// A text that must end with its NUL inside its field [from, to] of the credentials record.
bool FieldText(const std::vector<uint8_t>& record, size_t from, size_t to, std::string& text) {
    const char* p = reinterpret_cast<const char*>(record.data() + from);
    const size_t width = to - from + 1;
    const size_t length = BoundedLength(p, width);
    if (length == width) return false;
    text.assign(p, length);
    return true;
}

}  // namespace

AdapterModel::AdapterModel(Scenario scenario, uint64_t loadedAtMs)
    : scenario_(std::move(scenario)), loadedAtMs_(loadedAtMs) {
    config_.Length = sizeof(ndis::Configuration);
    config_.BeaconPeriod = 100;
    config_.DSConfig = ChannelToKhz(6);
    bssidList_ = BssidList({});  // nothing heard before the first scan
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
    if (observer_) observer_(journal_.back());
}

int32_t AdapterModel::Connect(const char* const* patterns, uint32_t count, uint64_t nowMs) {
    AdvanceTimeline(nowMs);
    CompleteScan(nowMs);
    int32_t status = StatusAdapterNotFound;
    if (auto injected = TakeInjected(CallConnect)) {
        status = *injected;
    } else if (scenario_.adapter.present && patterns) {
        for (uint32_t i = 0; i < count && status != StatusSuccess; ++i)
            if (patterns[i] && PatternMatches(patterns[i], scenario_.adapter.hardwareId)) status = StatusSuccess;
    }
    bound_ = status == StatusSuccess;
    if (bound_) {
        deviceChanged_ = false;
        boundAtMs_ = nowMs;
    }
    Record(CallKind::Connect, CallConnect, nullptr, count, status);
    return status;
}

void AdapterModel::Disconnect() {
    bound_ = false;
    boundAtMs_.reset();
    Record(CallKind::Disconnect, CallDisconnect, nullptr, 0, StatusSuccess);
}

void AdapterModel::SetAdapterPresent(bool present) {
    if (present != scenario_.adapter.present) {
        deviceChanged_ = true;
        ++deviceEvents_;
    }
    scenario_.adapter.present = present;
    if (!present) {
        // Surprise removal: the binding, the link, the counters and the scan results go with the device.
        bound_ = false;
        boundAtMs_.reset();
        link_ = Link{};
        earlierTrafficMs_ = 0;
        scanDoneAtMs_.reset();
        bssidList_ = BssidList({});
    }
}

uint32_t AdapterModel::TakeDeviceEvents() { return std::exchange(deviceEvents_, 0); }

std::optional<uint64_t> AdapterModel::NextTimelineMs() const {
    if (nextTimed_ >= scenario_.timeline.size()) return std::nullopt;
    return loadedAtMs_ + scenario_.timeline[nextTimed_].atMs;
}

void AdapterModel::AdvanceTimeline(uint64_t nowMs) {
    while (const auto due = NextTimelineMs()) {
        if (*due > nowMs) break;
        // Copied: a network line may be kept by the scenario.
        const TimedItem item = scenario_.timeline[nextTimed_++];
        ApplyTimed(item, *due);
    }
}

void AdapterModel::ApplyTimed(const TimedItem& item, uint64_t atMs) {
    switch (item.kind) {
    case TimedItem::Kind::Adapter: {
        const AdapterChange& c = item.adapter;
        if (c.hardwareId) scenario_.adapter.hardwareId = *c.hardwareId;
        if (c.mac) scenario_.adapter.mac = *c.mac;
        if (c.driverVersion) scenario_.adapter.driverVersion = *c.driverVersion;
        if (c.noise) scenario_.adapter.noise = *c.noise;
        if (c.present) SetAdapterPresent(*c.present);
        break;
    }
    case TimedItem::Kind::Network: AddNetwork(item.network, atMs); break;
    case TimedItem::Kind::Gone: RemoveNetworks(item.ssid, atMs); break;
    }
}

void AdapterModel::AddNetwork(const Network& network, uint64_t atMs) {
    auto& networks = scenario_.networks;
    auto same = std::find_if(networks.begin(), networks.end(), [&](const Network& n) { return n.ssid == network.ssid; });
    if (same != networks.end()) {
        *same = network;  // a link to it stays: the same access point, moved or changed
        return;
    }
    networks.push_back(network);
    // A driver keeps its configured SSID: the link comes back by itself when the network does.
    const std::string wanted(reinterpret_cast<const char*>(ssid_.Ssid), ssid_.SsidLength);
    const bool adhoc = infrastructureMode_ != ndis::ModeInfrastructure;
    if (scenario_.adapter.present && link_.network < 0 && wanted == network.ssid && adhoc == network.adhoc)
        Associate(atMs);
}

void AdapterModel::RemoveNetworks(const std::string& ssid, uint64_t atMs) {
    auto& networks = scenario_.networks;
    for (size_t i = networks.size(); i-- > 0;) {
        if (networks[i].ssid != ssid) continue;
        if (link_.network == int(i)) {
            EndLink(atMs);  // the configured SSID stays
        } else if (link_.network > int(i) && link_.network != OwnCell) {
            --link_.network;
        }
        networks.erase(networks.begin() + std::ptrdiff_t(i));
    }
}

void AdapterModel::FailNext(uint32_t oid, int32_t status, uint32_t times) {
    if (times > 0) failures_.push_back({oid, status, times});
}

// What every OID request answers before the OID itself is looked at.
std::optional<int32_t> AdapterModel::Refuse(uint32_t oid, const uint8_t* buffer, uint32_t length) {
    if (auto injected = TakeInjected(oid)) return injected;
    if (!bound_) return deviceChanged_ ? StatusDeviceChanged : StatusAdapterNotReady;
    if (!buffer && length > 0) return StatusInvalidData;
    return std::nullopt;
}

int32_t AdapterModel::Query(uint32_t oid, uint8_t* buffer, uint32_t length, uint32_t* returned, uint64_t nowMs) {
    int32_t status;
    if (returned) *returned = 0;
    AdvanceTimeline(nowMs);
    CompleteScan(nowMs);
    if (auto refused = Refuse(oid, buffer, length))
        status = *refused;
    else
        status = DoQuery(oid, buffer, length, returned, nowMs);
    Record(CallKind::Query, oid, nullptr, length, status);
    return status;
}

int32_t AdapterModel::Set(uint32_t oid, const uint8_t* buffer, uint32_t length, uint64_t nowMs) {
    int32_t status;
    AdvanceTimeline(nowMs);
    CompleteScan(nowMs);
    if (auto refused = Refuse(oid, buffer, length))
        status = *refused;
    else
        status = DoSet(oid, buffer, length, nowMs);
    Record(CallKind::Set, oid, buffer, length, status);
    return status;
}

int32_t AdapterModel::SetCredentials(const uint8_t* record, uint64_t nowMs) {
    int32_t status;
    AdvanceTimeline(nowMs);
    if (auto injected = TakeInjected(CallCredentials))
        status = *injected;
    else if (!bound_)
        status = deviceChanged_ ? StatusDeviceChanged : StatusAdapterNotReady;
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
        EndLink(nowMs);
        ssid_ = ndis::Ssid{};
        return StatusSuccess;
    case oid::BssidListScan:
        // A scan already under way goes on: repeated requests do not push its end back.
        if (!scanDoneAtMs_) scanDoneAtMs_ = nowMs + scenario_.scanTimeMs;
        return StatusSuccess;
    default:
        return StatusNotSupported;
    }
}

// The authentication mode and cipher must be ones the network's beacon offers.
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
        return authMode_ == ndis::AuthWpa && tkip;
    case Security::Wpa2Eap:
        return authMode_ == ndis::AuthWpa2 && aes;
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
    if (IsWpaPsk(n.security)) {
        // Passphrase from byte 4, ended by the zero fill.
        std::string passphrase;
        return FieldText(credentials_, 4, CredentialsSize - 1, passphrase) && passphrase == n.passphrase;
    }
    // 802.1X: method at 4, identity 8-136 and secret 137-267 each with its NUL,
    // inner method at 268 (3 or 4 for a password login, 0 with a certificate), 272-275 reserved.
    const uint32_t method = LoadU32(credentials_.data() + 4);
    const uint32_t inner = LoadU32(credentials_.data() + 268);
    std::string identity, secret;
    if (!FieldText(credentials_, 8, 136, identity) || !FieldText(credentials_, 137, 267, secret)) return false;
    if (LoadU32(credentials_.data() + 272) != 0 || identity != n.identity) return false;
    if (method == 1) return (inner == 3 || inner == 4) && !n.password.empty() && secret == n.password;
    if (method == 2) return inner == 0 && !n.certificate.empty() && secret == n.certificate;
    return false;
}

uint64_t AdapterModel::TrafficMs(uint64_t nowMs) const {
    const uint64_t current = LinkedNetwork(nowMs) ? nowMs - link_.sinceMs : 0;
    return earlierTrafficMs_ + current;
}

void AdapterModel::EndLink(uint64_t nowMs) {
    if (LinkedNetwork(nowMs)) earlierTrafficMs_ += nowMs - link_.sinceMs;
    link_ = Link{};
}

void AdapterModel::Associate(uint64_t nowMs) {
    EndLink(nowMs);
    const std::string wanted(reinterpret_cast<const char*>(ssid_.Ssid), ssid_.SsidLength);
    // The dummy SSID only takes the driver off the air, in either mode.
    if (wanted.empty() || wanted == DummySsid) return;
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
    const uint32_t khz = config_.DSConfig;
    Network& cell = link_.cell;
    cell.ssid = wanted;
    cell.adhoc = true;
    cell.channel = khz >= 2484000 ? 14 : (khz - 2407000) / 5000;
    cell.rssi = -40;
    cell.rateMbps = 11;
    cell.security = encryption_ == ndis::EncWepEnabled ? Security::Wep : Security::Open;
    // A locally administered BSSID made from our own address.
    const Mac& mac = scenario_.adapter.mac;
    cell.bssid = {uint8_t(0x02 | (mac[1] & 0xFC)), mac[2], mac[3], mac[4], mac[5], uint8_t(wanted.size())};
    link_.network = OwnCell;
    link_.readyAtMs = nowMs + scenario_.associateDelayMs;
    link_.sinceMs = link_.readyAtMs;
}

void AdapterModel::CompleteScan(uint64_t nowMs) {
    // The latest of a requested scan and the background scans of a bound adapter, if newer.
    std::optional<uint64_t> done;
    if (scanDoneAtMs_ && *scanDoneAtMs_ <= nowMs) {
        done = *scanDoneAtMs_;
        scanDoneAtMs_.reset();
    }
    const uint64_t period = scenario_.backgroundScanMs;
    if (boundAtMs_ && period > 0 && nowMs >= *boundAtMs_ + scenario_.scanTimeMs) {
        const uint64_t since = nowMs - *boundAtMs_ - scenario_.scanTimeMs;
        const uint64_t background = *boundAtMs_ + since / period * period + scenario_.scanTimeMs;
        if (background > heardAtMs_ && (!done || background > *done)) done = background;
    }
    if (!done) return;
    const uint64_t at = *done;
    heardAtMs_ = at;
    std::vector<HeardBss> heard;
    for (size_t i = 0; i < scenario_.networks.size(); ++i) {
        const Network& n = scenario_.networks[i];
        heard.push_back({&n, n.rssi + Jitter(at, uint32_t(i) * 3), at * 1000 + n.bssid[5] * 977ull});
    }
    // A cell we started is on the air too, heard from our side of it.
    if (LinkedNetwork(at) && link_.network == OwnCell)
        heard.push_back({&link_.cell, link_.cell.rssi, (at - link_.sinceMs) * 1000});
    bssidList_ = BssidList(heard);
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
    const uint64_t upMs = TrafficMs(nowMs);
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
        return ReplyU32(b, length, returned, uint32_t(net->rssi + Jitter(nowMs, 0)));
    }
    case oid::Configuration: {
        ndis::Configuration c = config_;
        if (net) c.DSConfig = ChannelToKhz(net->channel);
        return Reply(b, length, returned, &c, sizeof c);
    }
    case oid::BssidList:
        return Reply(b, length, returned, bssidList_.data(), uint32_t(bssidList_.size()));
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
