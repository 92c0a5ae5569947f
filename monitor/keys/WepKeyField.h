// WepKeyField.h - the masked WEP key field of the survey's WEP dialog and the editor's WEP page.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "monitor/editor/portable/WepKeys.h"
#include "monitor/skin/MaskEdit.h"

// Gives the field the mask, template and initial text of the key length (EncryptionLevel 1:
// 64 bits, else 128) with the option flags 1, 0, 0, then shows `text`; its change follows.
inline void ShowWepKey(CMaskEdit& field, uint32_t encryptionLevel, const std::string& text) {
    const editor::WepKeyMask strings = editor::WepKeyMaskFor(encryptionLevel);
    field.mask = strings.mask;
    field.literalTemplate = strings.literal;
    field.initialText = strings.initial;
    field.validText = strings.initial;
    field.useMask = 1;
    field.allowFreeText = 0;
    field.keyInProgress = 0;
    SetWindowTextA(field.Handle(), text.c_str());
}
