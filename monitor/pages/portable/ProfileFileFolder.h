// ProfileFileFolder.h - the folder the Profiles page's file dialogs open in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace profiles {

// The documents folder at first, then the folder of the file last chosen in either dialog (export
// and import files usually lie together). Kept for the run only: a folder remembered from an
// earlier run may be on a drive or share that is gone, and the documents folder is a sure start.
class FileFolderMemory {
public:
    // Where the next dialog opens; `documents` is the user's documents folder, empty when the
    // system gave none (the dialog then chooses).
    std::string StartFolder(std::string_view documents) const;
    // A file chosen in a dialog. `nameOffset` is where the dialog says the name begins (0 when it
    // does not say): in a double-byte code page a name's trail byte can look like a backslash.
    void Chose(std::string_view path, size_t nameOffset);

private:
    std::string last_;
};

// The folder of `path`, without a trailing backslash except at a drive's root; empty when the
// path names none.
std::string FolderOf(std::string_view path, size_t nameOffset);

}  // namespace profiles
