// RegistryEditorCommands.cpp - see RegistryEditorCommands.h.
#include "monitor/pages/portable/RegistryEditorCommands.h"

#include "adapter/portable/ProfileLayout.h"

namespace profiles {

std::string ProfileKeyText(std::string_view stored) {
    return "HKEY_LOCAL_MACHINE\\" + profile::SubkeyPath(stored);
}

std::string QuoteArgument(std::string_view argument) {
    // The rules of CommandLineToArgvW and the C runtime: 2n backslashes before a quote give n,
    // 2n+1 give n and a literal quote; backslashes elsewhere are themselves.
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') backslashes = backslashes * 2 + 1;
        quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');  // before the closing quote
    return quoted + '"';
}

std::string ExportCommandLine(std::string_view editor, std::string_view file, std::string_view stored) {
    return QuoteArgument(editor) + " /e " + QuoteArgument(file) + " " + QuoteArgument(ProfileKeyText(stored));
}

std::string ImportCommandLine(std::string_view editor, std::string_view file) {
    return QuoteArgument(editor) + " /s " + QuoteArgument(file);
}

std::string SuggestedFileName(std::string_view shown) {
    std::string name(shown);
    for (char& c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    }
    return name + ".cfg";
}

}  // namespace profiles
