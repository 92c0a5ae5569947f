// JsonParser.h - a strict RFC 8259 parser for the tests that read JSON output (nothing lenient accepted).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace json_check {

struct Value {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    std::string text;  // Number: as written; String: decoded to UTF-8
    std::vector<Value> items;
    std::map<std::string, Value> fields;

    bool Has(const std::string& name) const { return fields.count(name) != 0; }
    const Value& operator[](const std::string& name) const { return fields.at(name); }
    bool IsNull() const { return kind == Kind::Null; }
    long long Integer() const { return std::stoll(text); }
};

class Parser {
public:
    explicit Parser(std::string_view input) : in_(input) {}

    // The document's value, or nothing when the input is not exactly one JSON value.
    std::optional<Value> Document() {
        if (!ValidUtf8()) return std::nullopt;
        Value v;
        Space();
        if (!ParseValue(v, 0)) return std::nullopt;
        Space();
        if (at_ != in_.size()) return std::nullopt;
        return v;
    }

private:
    bool ValidUtf8() const {
        for (size_t i = 0; i < in_.size();) {
            const uint8_t b = uint8_t(in_[i]);
            size_t extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : 9;
            if (extra == 9 || (extra == 1 && b < 0xC2) || i + extra >= in_.size() + (extra ? 0 : 1)) return false;
            for (size_t k = 1; k <= extra; ++k)
                if ((uint8_t(in_[i + k]) & 0xC0) != 0x80) return false;
            i += extra + 1;
        }
        return true;
    }
    void Space() {
        while (at_ < in_.size() && (in_[at_] == ' ' || in_[at_] == '\t' || in_[at_] == '\n' || in_[at_] == '\r')) ++at_;
    }
    bool Literal(std::string_view word) {
        if (in_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }
    bool ParseValue(Value& v, int depth) {
        if (depth > 64 || at_ >= in_.size()) return false;
        switch (in_[at_]) {
        case '{': return ParseObject(v, depth);
        case '[': return ParseArray(v, depth);
        case '"': v.kind = Value::Kind::String; return ParseString(v.text);
        case 't': v.kind = Value::Kind::Bool; v.boolean = true; return Literal("true");
        case 'f': v.kind = Value::Kind::Bool; return Literal("false");
        case 'n': v.kind = Value::Kind::Null; return Literal("null");
        default: v.kind = Value::Kind::Number; return ParseNumber(v.text);
        }
    }
    bool Digits() {
        const size_t start = at_;
        while (at_ < in_.size() && in_[at_] >= '0' && in_[at_] <= '9') ++at_;
        return at_ > start;
    }
    bool ParseNumber(std::string& text) {
        const size_t start = at_;
        if (at_ < in_.size() && in_[at_] == '-') ++at_;
        if (at_ < in_.size() && in_[at_] == '0') ++at_;
        else if (!Digits()) return false;
        if (at_ < in_.size() && in_[at_] == '.') {
            ++at_;
            if (!Digits()) return false;
        }
        if (at_ < in_.size() && (in_[at_] == 'e' || in_[at_] == 'E')) {
            ++at_;
            if (at_ < in_.size() && (in_[at_] == '+' || in_[at_] == '-')) ++at_;
            if (!Digits()) return false;
        }
        text = std::string(in_.substr(start, at_ - start));
        return true;
    }
    bool Hex4(uint32_t& value) {
        if (at_ + 4 > in_.size()) return false;
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = in_[at_++];
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) return false;
            value = value * 16 + uint32_t(d);
        }
        return true;
    }
    static void PutUtf8(std::string& out, uint32_t cp) {
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | cp >> 6);
            out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | cp >> 12);
            out += char(0x80 | (cp >> 6 & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | cp >> 18);
            out += char(0x80 | (cp >> 12 & 0x3F));
            out += char(0x80 | (cp >> 6 & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    bool ParseString(std::string& out) {
        ++at_;  // the opening quote
        out.clear();
        while (at_ < in_.size()) {
            const char c = in_[at_++];
            if (c == '"') return true;
            if (uint8_t(c) < 0x20) return false;  // control characters must be escaped
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= in_.size()) return false;
            const char e = in_[at_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                uint32_t cp = 0;
                if (!Hex4(cp)) return false;
                if (cp >= 0xDC00 && cp <= 0xDFFF) return false;
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    uint32_t low = 0;
                    if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                PutUtf8(out, cp);
                break;
            }
            default: return false;
            }
        }
        return false;
    }
    bool ParseArray(Value& v, int depth) {
        v.kind = Value::Kind::Array;
        ++at_;
        Space();
        if (Literal("]")) return true;
        for (;;) {
            Value item;
            Space();
            if (!ParseValue(item, depth + 1)) return false;
            v.items.push_back(std::move(item));
            Space();
            if (Literal("]")) return true;
            if (!Literal(",")) return false;
        }
    }
    bool ParseObject(Value& v, int depth) {
        v.kind = Value::Kind::Object;
        ++at_;
        Space();
        if (Literal("}")) return true;
        for (;;) {
            Space();
            std::string name;
            if (at_ >= in_.size() || in_[at_] != '"' || !ParseString(name)) return false;
            if (v.fields.count(name)) return false;  // duplicate names: not what a script can rely on
            Space();
            if (!Literal(":")) return false;
            Space();
            Value field;
            if (!ParseValue(field, depth + 1)) return false;
            v.fields.emplace(std::move(name), std::move(field));
            Space();
            if (Literal("}")) return true;
            if (!Literal(",")) return false;
        }
    }

    std::string_view in_;
    size_t at_ = 0;
};

inline std::optional<Value> Parse(std::string_view text) { return Parser(text).Document(); }

}  // namespace json_check
