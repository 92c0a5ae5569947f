// ProfileClearing.cpp - see ProfileClearing.h.
#include "monitor/editor/portable/ProfileClearing.h"

#include <cstring>

#include "adapter/portable/ProfileKinds.h"

namespace editor {
namespace {

using profile::Security, profile::Stored;

template <typename Field>
void Clear(Field& field) {
    std::memset(&field, 0, sizeof field);
}

void ClearLogin(WLAN_PROFILE& p) {
    Clear(p.LoginName);
    Clear(p.LoginPassword);
    Clear(p.ServerName);
    Clear(p.UserCertHash);
}

void ClearMethods(WLAN_PROFILE& p) {
    p.EntAuthenType = Stored(profile::EapMethod::None);
    p.InnerAuthen = Stored(profile::InnerMethod::None);
}

// What WPA-Personal clears; WPA2-Personal clears EncryptionLevel as well.
void ClearForPreShared(WLAN_PROFILE& p) {
    p.AuthentMode = Stored(profile::WepAuth::Open);
    p.DefaultKeyId = p.IsKeyHexed = 0;
    ClearMethods(p);
    Clear(p.WEPKey);
}

void ClearForDisabled(WLAN_PROFILE& p) {
    p.AuthentMode = Stored(profile::WepAuth::Open);
    p.EncryptionLevel = Stored(profile::Level::Unset);
    p.DefaultKeyId = p.IsPassPhrase = p.IsKeyHexed = 0;
    ClearMethods(p);
    Clear(p.PassPhrase);
    Clear(p.WEPKey);
}

}  // namespace

void ClearForSave(WLAN_PROFILE& p) {
    switch (profile::SecurityOf(p)) {
    case Security::Wep:
        ClearMethods(p);
        ClearLogin(p);
        return;
    case Security::WpaPersonal:
        ClearForPreShared(p);
        ClearLogin(p);
        return;
    case Security::Wpa2Personal:
        ClearForPreShared(p);
        p.EncryptionLevel = Stored(profile::Level::Unset);
        ClearLogin(p);
        return;
    case Security::WpaEnterprise:
    case Security::Radius:
        p.AuthentMode = Stored(profile::WepAuth::Open);
        p.DefaultKeyId = p.IsPassPhrase = p.IsKeyHexed = 0;
        if (profile::SecurityOf(p) == Security::Radius) p.EncryptionLevel = Stored(profile::Level::Unset);
        Clear(p.PassPhrase);
        Clear(p.WEPKey);
        if (profile::EapMethodOf(p) == profile::EapMethod::Tls) {
            p.InnerAuthen = Stored(profile::InnerMethod::None);
            Clear(p.LoginPassword);
        }
        return;
    case Security::Disabled:
    case Security::Wpa2Enterprise:  // not offered by the editor
        break;
    }
    // And any number no kind has.
    ClearForDisabled(p);
    ClearLogin(p);
}

void ClearForSurveyConnect(WLAN_PROFILE& p) {
    switch (profile::SecurityOf(p)) {
    case Security::Wep:
        ClearMethods(p);
        ClearLogin(p);
        return;
    case Security::WpaPersonal:
        ClearForPreShared(p);
        ClearLogin(p);
        return;
    case Security::Wpa2Personal:
        ClearForPreShared(p);
        p.EncryptionLevel = Stored(profile::Level::Unset);
        ClearLogin(p);
        return;
    case Security::Disabled:
    case Security::WpaEnterprise:
    case Security::Wpa2Enterprise:
    case Security::Radius:
        break;  // no surveyed network gets them
    }
    // And any number no kind has.
    ClearForDisabled(p);
    ClearLogin(p);
}

}  // namespace editor
