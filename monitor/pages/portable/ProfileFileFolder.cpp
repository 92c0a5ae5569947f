// ProfileFileFolder.cpp - see ProfileFileFolder.h.
#include "monitor/pages/portable/ProfileFileFolder.h"

namespace profiles {

std::string FolderOf(std::string_view path, size_t nameOffset) {
    size_t end = 0;  // the separator before the name
    if (nameOffset > 0 && nameOffset <= path.size() && path[nameOffset - 1] == '\\') {
        end = nameOffset - 1;
    } else {
        const size_t separator = path.find_last_of("\\/");
        if (separator == std::string_view::npos) return {};
        end = separator;
    }
    // "C:" alone would mean the drive's current folder, not its root.
    const bool driveRoot = end == 2 && path[1] == ':';
    return std::string(path.substr(0, driveRoot ? end + 1 : end));
}

std::string FileFolderMemory::StartFolder(std::string_view documents) const {
    return last_.empty() ? std::string(documents) : last_;
}

void FileFolderMemory::Chose(std::string_view path, size_t nameOffset) {
    std::string folder = FolderOf(path, nameOffset);
    if (!folder.empty()) last_ = std::move(folder);
}

}  // namespace profiles
