#include <cstddef>
#include <cstdint>

#include "devicedb/photodb_reader.h"
#include "fuzz/inside_device.h"

// Any bytes as a Photo Database: the reader must neither crash nor name a file outside the device.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Library library;
    korvida::readPhotoDatabase(korvida::ByteView(data, size), "/device", library);
    requirePathsInside(library, "/device");
    return 0;
}
