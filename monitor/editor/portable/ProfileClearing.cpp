// ProfileClearing.cpp - see ProfileClearing.h.
#include "monitor/editor/portable/ProfileClearing.h"

#include <cstring>

namespace editor {
namespace {

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

// What WPA-Personal (2) clears; WPA2-Personal (4) clears EncryptionLevel as well.
void ClearForPreShared(WLAN_PROFILE& p) {
    p.AuthentMode = p.DefaultKeyId = p.IsKeyHexed = p.EntAuthenType = p.InnerAuthen = 0;
    Clear(p.WEPKey);
}

void ClearForDisabled(WLAN_PROFILE& p) {
    p.AuthentMode = p.EncryptionLevel = p.DefaultKeyId = p.IsPassPhrase = p.IsKeyHexed = 0;
    p.EntAuthenType = p.InnerAuthen = 0;
    Clear(p.PassPhrase);
    Clear(p.WEPKey);
}

constexpr uint32_t EapTls = 2;

}  // namespace

void ClearForSave(WLAN_PROFILE& p) {
    switch (p.SecurityMode) {
    case 1:  // WEP
        p.EntAuthenType = p.InnerAuthen = 0;
        ClearLogin(p);
        return;
    case 2:  // WPA-Personal
        ClearForPreShared(p);
        ClearLogin(p);
        return;
    case 4:  // WPA2-Personal
        ClearForPreShared(p);
        p.EncryptionLevel = 0;
        ClearLogin(p);
        return;
    case 3:  // WPA-Enterprise
    case 6:  // RADIUS
        p.AuthentMode = p.DefaultKeyId = p.IsPassPhrase = p.IsKeyHexed = 0;
        if (p.SecurityMode == 6) p.EncryptionLevel = 0;
        Clear(p.PassPhrase);
        Clear(p.WEPKey);
        if (p.EntAuthenType == EapTls) {
            p.InnerAuthen = 0;
            Clear(p.LoginPassword);
        }
        return;
    default:
        ClearForDisabled(p);
        ClearLogin(p);
        return;
    }
}

void ClearForSurveyConnect(WLAN_PROFILE& p) {
    switch (p.SecurityMode) {
    case 1:
        p.EntAuthenType = p.InnerAuthen = 0;
        break;
    case 2:
        ClearForPreShared(p);
        break;
    case 4:
        ClearForPreShared(p);
        p.EncryptionLevel = 0;
        break;
    default:
        ClearForDisabled(p);
        break;
    }
    ClearLogin(p);
}

}  // namespace editor
