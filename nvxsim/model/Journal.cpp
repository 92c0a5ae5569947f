// Journal.cpp - the text form of journal entries for observers in other processes.
#include "nvxsim/model/Journal.h"

namespace nvxsim {
namespace {

const char* KindName(CallKind kind) {
    switch (kind) {
    case CallKind::Set: return "set";
    case CallKind::Query: return "query";
    case CallKind::Credentials: return "credentials";
    case CallKind::Connect: return "connect";
    case CallKind::Disconnect: return "disconnect";
    }
    return "unknown";
}

void PutHex32(std::string& out, uint32_t v) {
    static const char digits[] = "0123456789ABCDEF";
    for (int shift = 28; shift >= 0; shift -= 4) out.push_back(digits[(v >> shift) & 0xF]);
}

}  // namespace

std::string JournalLine(const JournalEntry& e) {
    static const char digits[] = "0123456789ABCDEF";
    std::string line = KindName(e.kind);
    line.push_back(' ');
    PutHex32(line, e.oid);
    line += ' ' + std::to_string(e.length) + ' ';
    PutHex32(line, uint32_t(e.status));
    line.push_back(' ');
    if (e.kind == CallKind::Credentials || e.data.empty()) {
        line.push_back('-');
    } else {
        for (uint8_t b : e.data) {
            line.push_back(digits[b >> 4]);
            line.push_back(digits[b & 0xF]);
        }
    }
    return line;
}

}  // namespace nvxsim
