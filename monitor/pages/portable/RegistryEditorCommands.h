// RegistryEditorCommands.h - the command lines that start the registry editor for a profile's
// export and import, and the file name an export suggests.
#pragma once

#include <string>
#include <string_view>

namespace profiles {

// "HKEY_LOCAL_MACHINE\" + profile::SubkeyPath(stored), the key an export names.
std::string ProfileKeyText(std::string_view stored);

// One argument as the program's command-line parser reads it back whole: in quotes, with
// quotes and the backslashes before them escaped, so that blanks never split it.
std::string QuoteArgument(std::string_view argument);

// `editor` /e "file" "key": writes the profile's subkey to the file.
std::string ExportCommandLine(std::string_view editor, std::string_view file, std::string_view stored);
// `editor` /s "file": merges the file without asking.
std::string ImportCommandLine(std::string_view editor, std::string_view file);

// The export's suggested file name: the row's text and ".cfg", with the characters a file name
// cannot hold replaced by "_".
std::string SuggestedFileName(std::string_view shown);

}  // namespace profiles
