// ButtonSet.cpp - see ButtonSet.h.
#include "monitor/skin/ButtonSet.h"

#include "monitor/skin/SkinDialog.h"

void CButtonSet::Attach(CSkinDialog& dialog, std::span<const ButtonLook> looks) {
    for (const ButtonLook& look : looks) {
        auto button = std::make_unique<CSkinStatic>();
        if (!button->Attach(dialog.Handle(), look.id)) continue;
        button->SetBitmaps(look.normal, look.hover, look.pressed);
        button->SetCaption(look.caption);
        dialog.TrackSkinStatic(button.get());
        buttons_.push_back(std::move(button));
    }
}

CSkinStatic* CButtonSet::Find(int id) {
    for (auto& button : buttons_)
        if (button->Id() == id) return button.get();
    return nullptr;
}
