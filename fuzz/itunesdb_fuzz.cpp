#include <cstddef>
#include <cstdint>

#include "devicedb/itunesdb_reader.h"
#include "fuzz/inside_device.h"

// Any bytes as an iTunesDB: the reader must neither crash nor name a file outside the device.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Library library;
    korvida::readITunesDB(korvida::ByteView(data, size), "/device", library);
    requirePathsInside(library, "/device");
    return 0;
}
