// Json.h - the pieces of wifictl's JSON output for scripts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wifictl {

// A JSON string of the bytes: quotes, backslashes and control characters
// escaped. Texts are the system's single-byte ones: every byte of 0x80 and above
// stands for the character of the same number (\u0080 to \u00FF), so any bytes
// make valid JSON and come back unchanged to a script that maps them back.
std::string JsonString(std::string_view bytes);

// A field list of an object under construction: `"name":value` pairs joined by ",".
class JsonObject {
public:
    JsonObject& Raw(std::string_view name, std::string_view value);
    JsonObject& String(std::string_view name, std::string_view value);
    JsonObject& Number(std::string_view name, int64_t value);
    JsonObject& Bool(std::string_view name, bool value);
    JsonObject& Null(std::string_view name);
    std::string Text() const { return "{" + fields_ + "}"; }

private:
    std::string fields_;
};

}  // namespace wifictl
