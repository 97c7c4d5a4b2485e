#include <gtest/gtest.h>

#include "playback/id3_bytes.h"
#include "playback/id3_picture.h"

using namespace id3bytes;
using korvida::findId3Picture;
using korvida::MemoryByteSource;

namespace {

std::optional<korvida::PictureSpan> spanIn(const Bytes& bytes)
{
    return findId3Picture(MemoryByteSource(bytes));
}

} // namespace

TEST(Id3PictureTest, FindsThePictureOfVersion23And22Frames)
{
    // APIC at 10: header 10, encoding, "image/jpeg" and its end, picture type, and the empty
    // description's terminator at 10 + 23, skipped.
    const auto jpeg = spanIn(file(3, apic23("image/jpeg", jpegBytes()), {0xff, 0xfb, 0x90}));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->offset, 10u + 24u);
    EXPECT_EQ(jpeg->length, jpegBytes().size()) << "ends with its frame, not with the file";

    // PIC: the match is the byte before the frame (offset 9); 9 + 12 is the terminator.
    const auto pic = spanIn(file(2, pic22(jpegBytes())));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->offset, 9u + 13u);
    EXPECT_EQ(pic->length, jpegBytes().size());

    // "image/png" is a byte shorter: 10 + 23 is the picture's first byte and is kept.
    const Bytes png{0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    const auto pngSpan = spanIn(file(3, apic23("image/png", png)));
    ASSERT_TRUE(pngSpan);
    EXPECT_EQ(pngSpan->offset, 10u + 23u);
    EXPECT_EQ(pngSpan->length, png.size());

    const Bytes whole = file(3, apic23("image/jpeg", jpegBytes()));
    EXPECT_EQ(korvida::readId3Picture(MemoryByteSource(whole)), jpegBytes());
}

TEST(Id3PictureTest, FindsLettersSplitAcrossTwoChunks)
{
    // A frame of padding fills the tag up to 8190, so that "PIC" lies at 8191 to 8193.
    Bytes frames = frame23("PRIV", Bytes(8170, 0), 8170);
    const Bytes picture = apic23("image/jpeg", jpegBytes());
    frames.insert(frames.end(), picture.begin(), picture.end());
    const Bytes bytes = file(3, frames);
    ASSERT_EQ(bytes[8191], 'P');
    const auto span = spanIn(bytes);
    ASSERT_TRUE(span);
    // Past the first chunk the description's terminator is not skipped.
    EXPECT_EQ(span->offset, 8190u + 23u);
    EXPECT_EQ(span->offset + span->length, bytes.size());
}

TEST(Id3PictureTest, GivesNothingWhereNoWholeFrameHoldsThePicture)
{
    EXPECT_FALSE(spanIn(file(4, apic23("image/jpeg", jpegBytes())))) << "version 4 is not searched";
    EXPECT_FALSE(spanIn({'I', 'D', '3', 3, 0})) << "shorter than the header";
    EXPECT_FALSE(spanIn({'R', 'I', 'F', 'F', 3, 0, 0, 0, 0, 0, 'A', 'P', 'I', 'C'})) << "no tag";
    EXPECT_FALSE(spanIn(file(3, frame23("TIT2", {0, 'a'}, 2)))) << "no picture frame";

    // The letters in the audio data, after the tag: no frame there to read.
    Bytes audio(600, 0x55);
    audio[300] = 'A';
    audio[301] = 'P';
    audio[302] = 'I';
    audio[303] = 'C';
    EXPECT_FALSE(spanIn(file(3, frame23("TIT2", {0, 'a'}, 2), audio)));

    // A frame size that runs past the end of the tag and the file.
    EXPECT_FALSE(spanIn(file(3, frame23("APIC", apicBody("image/jpeg", jpegBytes()), 0x7fffffff))));
    // A tag size larger than the file does not widen what may be read.
    Bytes cut = file(3, apic23("image/jpeg", jpegBytes()));
    cut.resize(cut.size() - 4);
    EXPECT_FALSE(spanIn(cut));
}

TEST(Id3PictureTest, TheScanEndsWithTheTag)
{
    // A 2 GB file whose tag holds no picture: only the tag is searched, not the audio.
    const Bytes tag = file(3, frame23("TIT2", {0, 'a'}, 2));
    const LargeFile large(tag, 2ull << 30);
    EXPECT_FALSE(findId3Picture(large));
    EXPECT_LE(large.furthestRead(), tag.size() + 8192 + 512);

    // A picture larger than any cover is not read.
    const Bytes frame = frame23("APIC", apicBody("image/png", {0x89, 'P'}), 17u << 20);
    Bytes huge = header(3, (17u << 20) + 10);
    huge.insert(huge.end(), frame.begin(), frame.end());
    const LargeFile hugePicture(huge, 18u << 20);
    EXPECT_TRUE(findId3Picture(hugePicture));
    EXPECT_FALSE(korvida::readId3Picture(hugePicture));
    EXPECT_LE(hugePicture.furthestRead(), 8192u + 512u);
}
