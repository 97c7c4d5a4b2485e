#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace korvida {

// The type under which a drag offers a list of file names.
inline constexpr const char* kFilenamesPboardType = "NSFilenamesPboardType";

// What a drag carries: the types it offers and, when it offers file names, the absolute
// paths of the dragged files and folders in the order of the drag.
struct Pasteboard {
    std::vector<std::string> types;
    std::vector<std::string> fileNames;

    bool hasType(const std::string& type) const { return std::find(types.begin(), types.end(), type) != types.end(); }
};

// The answer of a drop target to a drag that enters it.
enum class DragOperation {
    None = 0,
    Copy = 1,
};

} // namespace korvida
