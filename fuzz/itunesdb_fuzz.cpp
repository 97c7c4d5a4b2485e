#include <cstddef>
#include <cstdint>
#include <string>

#include "devicedb/itunesdb_reader.h"

// Any bytes as an iTunesDB: the reader must neither crash nor name a file outside the device.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Library library;
    korvida::readITunesDB(korvida::ByteView(data, size), "/device", library);
    for (const auto& media : library.mediasVisible) {
        const std::string path = media->getPath() + "/";
        if (path.rfind("/device/", 0) != 0 || path.find("/../") != std::string::npos ||
            path.find("/./") != std::string::npos || path.find("//") != std::string::npos)
            __builtin_trap();
    }
    return 0;
}
