// Json.cpp - see Json.h.
#include "wifictl/core/Json.h"

#include <cstdio>

namespace wifictl {

std::string JsonString(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (b < 0x20 || b >= 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(b));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::Raw(std::string_view name, std::string_view value) {
    if (!fields_.empty()) fields_ += ",";
    fields_ += JsonString(name);
    fields_ += ":";
    fields_ += value;
    return *this;
}

JsonObject& JsonObject::String(std::string_view name, std::string_view value) { return Raw(name, JsonString(value)); }
JsonObject& JsonObject::Number(std::string_view name, int64_t value) { return Raw(name, std::to_string(value)); }
JsonObject& JsonObject::Bool(std::string_view name, bool value) { return Raw(name, value ? "true" : "false"); }
JsonObject& JsonObject::Null(std::string_view name) { return Raw(name, "null"); }

}  // namespace wifictl
