// Profile files come from anywhere: the check must survive any bytes, and pass only one profile.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "monitor/pages/portable/ProfileRegFile.h"

namespace {

void CheckFile(std::span<const uint8_t> file) {
    const regfile::Check check = regfile::CheckProfileFile(file);
    if (check.fault == regfile::Fault::None) {
        // What passes names one profile's subkey, which can hold no deeper key.
        if (check.profile.empty() || check.profile.size() >= 128) std::abort();
        if (check.profile.find(u'\\') != std::u16string::npos) std::abort();
        if (check.line != 0) std::abort();
        if (!regfile::RefusalText(check, "", "").empty()) std::abort();
    } else if (regfile::RefusalText(check, "item", "profile").empty()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckFile(std::span<const uint8_t>(data, size));

    // The same bytes after each header, so that the lines behind it are reached.
    const std::string single = "REGEDIT4\r\n";
    std::vector<uint8_t> file(single.begin(), single.end());
    file.insert(file.end(), data, data + size);
    CheckFile(file);
    const std::u16string header = u"Windows Registry Editor Version 5.00\r\n";
    file = {0xFF, 0xFE};
    for (const char16_t c : header) file.insert(file.end(), {uint8_t(c), uint8_t(c >> 8)});
    file.insert(file.end(), data, data + size);
    CheckFile(file);

    const std::string shown = regfile::ShownItem(std::string(reinterpret_cast<const char*>(data), size));
    if (shown.size() > 83) std::abort();
    for (const char c : shown)
        if (static_cast<unsigned char>(c) < 0x20) std::abort();
    return 0;
}
