// ProfileNotSaved.h - what the editor says when the registry refuses the profile it stores.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace editor {

// The message box text: the code WriteProfile returned and the system's text for it (may be empty).
std::string ProfileNotSavedMessage(int32_t code, std::string_view systemText);

}  // namespace editor
