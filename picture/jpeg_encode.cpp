#include <cstdlib>

#include "picture/image_encode.h"
#include "picture/jpeg_errors.h"

namespace korvida {

namespace {

// Only plain data lives in this frame, so that the jump leaves nothing undestroyed.
bool compressTo(const RgbImage& image, unsigned char** out, unsigned long* size)
{
    jpeg_compress_struct info;
    JumpingJpegErrors errors;
    info.err = catchJpegErrors(errors);
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = image.width;
    info.image_height = image.height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = const_cast<JSAMPROW>(image.pixels.data() + std::size_t{info.next_scanline} * image.width * 3);
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::vector<std::uint8_t> encodeJpeg(const RgbImage& image)
{
    if (image.empty() || image.pixels.size() != std::size_t{image.width} * image.height * 3)
        return {};
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    const bool done = compressTo(image, &bytes, &size);
    std::vector<std::uint8_t> jpeg;
    if (done && bytes)
        jpeg.assign(bytes, bytes + size);
    std::free(bytes);
    return jpeg;
}

} // namespace korvida
