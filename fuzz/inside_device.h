#pragma once

#include <string>

#include "library/library.h"

// Stops the fuzzer when a read item's path could name a file outside the device folder.
inline void requirePathsInside(const Library& library, const std::string& device)
{
    for (const auto& media : library.mediasVisible) {
        const std::string path = media->getPath() + "/";
        if (path.rfind(device + "/", 0) != 0 || path.find("/../") != std::string::npos ||
            path.find("/./") != std::string::npos || path.find("//") != std::string::npos)
            __builtin_trap();
    }
}
