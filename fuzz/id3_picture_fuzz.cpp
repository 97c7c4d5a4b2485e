#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "playback/id3_cover.h"
#include "playback/id3_picture.h"

// Any bytes as a tune file: the picture scan and the frame-by-frame reading must neither
// crash nor read past the bytes, and a picture either finds must come from them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const korvida::MemoryByteSource source(std::span<const std::uint8_t>(data, size));
    if (const auto span = korvida::findId3Picture(source)) {
        if (span->length == 0 || span->offset + span->length > size)
            std::abort();
        const auto bytes = korvida::readId3Picture(source);
        if (!bytes || bytes->size() != span->length)
            std::abort();
    }
    if (const auto cover = korvida::readId3Cover(source); cover && (cover->empty() || cover->size() > size))
        std::abort();
    return 0;
}
