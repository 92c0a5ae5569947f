// ProfileNotSaved.cpp - see ProfileNotSaved.h.
#include "monitor/editor/portable/ProfileNotSaved.h"

namespace editor {

std::string ProfileNotSavedMessage(int32_t code, std::string_view systemText) {
    std::string text = "The profile could not be saved: the registry reported error " + std::to_string(code);
    // The system's texts end in a full stop and a line break.
    while (!systemText.empty() && (systemText.back() == '\n' || systemText.back() == '\r' || systemText.back() == ' ' ||
                                   systemText.back() == '.'))
        systemText.remove_suffix(1);
    if (!systemText.empty()) text += " (" + std::string(systemText) + ")";
    return text + ".";
}

}  // namespace editor
