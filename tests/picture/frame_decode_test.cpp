#include <gtest/gtest.h>

#include "picture/frame_decode.h"
#include "support/picture_files.h"
#include "tools/device_writer/device_writer.h"

using korvida::FrameLayout;
using korvida::PixelLayout;
using korvida::RgbImage;
namespace writer = korvida::devicewriter;

namespace {

constexpr std::uint32_t kWidth = 32;
constexpr std::uint32_t kHeight = 24;

// Smooth gradients and one sharp edge, as photos have.
RgbImage testPicture()
{
    RgbImage picture{kWidth, kHeight, {}};
    for (std::uint32_t y = 0; y < kHeight; ++y)
        for (std::uint32_t x = 0; x < kWidth; ++x)
            picture.pixels.insert(picture.pixels.end(),
                                  {static_cast<std::uint8_t>(x * 255 / (kWidth - 1)),
                                   static_cast<std::uint8_t>(y * 255 / (kHeight - 1)),
                                   static_cast<std::uint8_t>(x < kWidth / 2 ? 40 : 200)});
    return picture;
}

int largestDifference(const RgbImage& a, const RgbImage& b)
{
    int most = 0;
    for (std::uint32_t y = 0; y < a.height; ++y)
        for (std::uint32_t x = 0; x < a.width; ++x)
            most = std::max(most, colourDistance(pixelAt(a, x, y), pixelAt(b, x, y)));
    return most;
}

struct Case {
    writer::Pixels written;
    PixelLayout found;
    int tolerance; // 5-6-5 drops the low bits; YUV rounds and shares its colour among pixels
};

} // namespace

TEST(FrameDecode, EveryLayoutIsRecognisedAndDecodedBackToItsPicture)
{
    const RgbImage picture = testPicture();
    const Case cases[] = {{writer::Pixels::rgb565Little, PixelLayout::rgb565Little, 8},
                          {writer::Pixels::rgb565Big, PixelLayout::rgb565Big, 8},
                          {writer::Pixels::uyvy, PixelLayout::uyvy, 12},
                          {writer::Pixels::yuv420Planar, PixelLayout::yuv420Planar, 12}};
    for (const Case& layout : cases)
        for (bool fieldsSplit : {false, true}) {
            SCOPED_TRACE(static_cast<int>(layout.found) * 2 + fieldsSplit);
            const writer::Bytes bytes = writer::encodeFrame(picture.pixels, kWidth, kHeight, layout.written,
                                                            fieldsSplit);
            const FrameLayout found = korvida::guessLayout(bytes, kWidth, kHeight);
            EXPECT_EQ(found.pixels, layout.found);
            EXPECT_EQ(found.fieldsSplit, fieldsSplit);
            const RgbImage decoded = korvida::decodeAnyFrame(bytes, kWidth, kHeight);
            ASSERT_EQ(decoded.width, kWidth);
            ASSERT_EQ(decoded.height, kHeight);
            EXPECT_LE(largestDifference(decoded, picture), layout.tolerance);
        }
}

TEST(FrameDecode, FourTwoZeroInATwoByteSlotIsFoundPastTheSlotsTail)
{
    // Some models keep a 4:2:0 frame in a slot sized for 2 bytes a pixel, the rest unused.
    const RgbImage picture = testPicture();
    writer::Bytes bytes = writer::encodeFrame(picture.pixels, kWidth, kHeight, writer::Pixels::yuv420Planar, false);
    for (std::size_t i = 0; bytes.size() < 2 * kWidth * kHeight; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 151));
    EXPECT_EQ(korvida::guessLayout(bytes, kWidth, kHeight).pixels, PixelLayout::yuv420Planar);
    EXPECT_LE(largestDifference(korvida::decodeAnyFrame(bytes, kWidth, kHeight), picture), 12);
}

TEST(FrameDecode, TooFewBytesOrAnImpossibleSizeGiveNoPicture)
{
    const writer::Bytes bytes(2 * kWidth * kHeight - 1, 0x80);
    EXPECT_TRUE(korvida::decodeFrame(bytes, kWidth, kHeight, {PixelLayout::rgb565Little, false}).empty());
    EXPECT_TRUE(korvida::decodeFrame(writer::Bytes(2 * 3 * 2), 3, 2, {PixelLayout::uyvy, false}).empty());
    EXPECT_TRUE(korvida::decodeAnyFrame(writer::Bytes(10), kWidth, kHeight).empty());
    EXPECT_TRUE(korvida::decodeAnyFrame({}, 0, 0).empty());
}
