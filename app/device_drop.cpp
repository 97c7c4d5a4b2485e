#include "app/device_drop.h"

namespace korvida {

void storeDrop(ProcessState& state, const std::string& path)
{
    state.iPodPath = path;
    state.iPodDropped = true;
}

bool acceptFileDrop(ProcessState& state, const Pasteboard& pasteboard)
{
    // A drag that claims file names but carries none is refused like one without them.
    if (!pasteboard.hasType(kFilenamesPboardType) || pasteboard.fileNames.empty())
        return false;
    storeDrop(state, pasteboard.fileNames.front());
    return true;
}

} // namespace korvida
