#include <gtest/gtest.h>

#include "playback/id3_bytes.h"
#include "playback/id3_cover.h"
#include "playback/id3_picture.h"

using namespace id3bytes;
using korvida::MemoryByteSource;
using korvida::readId3Cover;
using korvida::readId3Picture;

namespace {

// Unsynchronised as a writer does it: a zero after every 0xFF.
Bytes unsynchronised(const Bytes& bytes)
{
    Bytes out;
    for (const std::uint8_t byte : bytes) {
        out.push_back(byte);
        if (byte == 0xff)
            out.push_back(0);
    }
    return out;
}

const Bytes kOther{0x89, 'P', 'N', 'G', 1};

} // namespace

TEST(Id3CoverTest, ReadsTheFrontCoverOfEachVersion)
{
    // Version 2.4: another picture comes first, the front cover wins.
    Bytes frames = frame24("APIC", apicBody("image/png", kOther, 0));
    const Bytes front = frame24("APIC", apicBody("image/jpeg", jpegBytes()));
    frames.insert(frames.end(), front.begin(), front.end());
    EXPECT_EQ(readId3Cover(MemoryByteSource(file(4, frames))), jpegBytes());

    // Only another picture: it is taken.
    EXPECT_EQ(readId3Cover(MemoryByteSource(file(4, frame24("APIC", apicBody("image/png", kOther, 0))))), kOther);
    EXPECT_EQ(readId3Cover(MemoryByteSource(file(2, pic22(jpegBytes())))), jpegBytes());

    // A version 2.3 tag unsynchronised as a whole.
    Bytes whole = file(3, unsynchronised(apic23("image/jpeg", jpegBytes())));
    whole[5] = 0x80;
    EXPECT_EQ(readId3Cover(MemoryByteSource(whole)), jpegBytes());

    // A tag far larger than any cover is not read.
    const LargeFile huge(header(3, 200u << 20), 300u << 20);
    EXPECT_FALSE(readId3Cover(huge));
    EXPECT_LE(huge.furthestRead(), 10u);
}

TEST(Id3CoverTest, CompressedOrEncryptedPictureFramesAreSkipped)
{
    // A compressed front cover (its bytes a zlib stream that may inflate a thousandfold),
    // then a plain picture: the plain one is the cover, and the scan, which matches the
    // compressed frame first, gives nothing.
    const Bytes deflated{0, 0x80, 0, 0, 0x78, 0x9c, 0xed, 0xc1, 0x01, 0x0d};
    const Bytes body = apicBody("image/jpeg", deflated);
    const auto sizeOf = [](const Bytes& bytes) {
        return static_cast<std::uint32_t>(bytes.size());
    };
    Bytes frames = frame23("APIC", body, sizeOf(body), 0x80);
    const Bytes plainBody = apicBody("image/png", kOther, 0);
    const Bytes plain = frame23("APIC", plainBody, sizeOf(plainBody));
    frames.insert(frames.end(), plain.begin(), plain.end());
    EXPECT_EQ(readId3Cover(MemoryByteSource(file(3, frames))), kOther);
    EXPECT_FALSE(readId3Picture(MemoryByteSource(file(3, frames))));

    // Encrypted in version 2.3; compressed with its data length given (0x09), or encrypted,
    // in version 2.4: no cover.
    EXPECT_FALSE(readId3Cover(MemoryByteSource(file(3, frame23("APIC", body, sizeOf(body), 0x40)))));
    EXPECT_FALSE(readId3Picture(MemoryByteSource(file(3, frame23("APIC", body, sizeOf(body), 0x40)))));
    EXPECT_FALSE(readId3Cover(MemoryByteSource(file(4, frame24("APIC", body, 0x09)))));
    EXPECT_FALSE(readId3Cover(MemoryByteSource(file(4, frame24("APIC", body, 0x04)))));
}
