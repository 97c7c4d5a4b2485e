#include <cstddef>
#include <cstdint>

#include "devicedb/artwork_reader.h"
#include "picture/frame_decode.h"

// Any bytes as an artwork database, read for tunes that name images 1 to 8; and the same
// bytes, after a first two giving a width and height of up to 256, as a thumbnail frame of
// whatever layout they look like. Neither may crash, read out of bounds or hang.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Library library;
    for (std::uint32_t id = 1; id <= 8; ++id) {
        library.mediasVisible.push_back(std::make_unique<InMedia>());
        library.mediasVisible.back()->setArtworkId(id);
    }
    korvida::readArtworkDB(korvida::ByteView(data, size), "/device", library);
    if (size >= 2) {
        const std::uint32_t width = data[0] + 1u;
        const std::uint32_t height = data[1] + 1u;
        const korvida::RgbImage frame = korvida::decodeAnyFrame({data + 2, size - 2}, width, height);
        if (!frame.empty() && frame.pixels.size() != std::size_t{width} * height * 3)
            __builtin_trap();
    }
    return 0;
}
