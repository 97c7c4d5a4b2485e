#include <gtest/gtest.h>

#include "devicedb/device_path.h"
#include "devicedb/device_text.h"
#include "devicedb/file_type.h"
#include "library/utf8.h"
#include "tools/device_writer/device_writer.h"

using korvida::getFileType;

TEST(FileType, IsTheLastComponentsExtensionWithCaseKept)
{
    EXPECT_EQ(getFileType("/a/F00/ABCD.mp3"), "mp3");
    EXPECT_EQ(getFileType("/a/F00/IMG.JPG"), "JPG");
    EXPECT_EQ(getFileType("/a/b.c/NAME"), "NAME");
    EXPECT_EQ(getFileType("/a/archive.tar.gz"), "gz");
    EXPECT_EQ(getFileType("/a/dotted."), "");
    EXPECT_EQ(getFileType("/a/F00/song.m4a/"), "m4a");
}

TEST(DevicePath, DropsEmptyDotAndDotDotComponents)
{
    EXPECT_EQ(korvida::splitAtColons(":F00:A.mp3"), (std::vector<std::string>{"", "F00", "A.mp3"}));
    EXPECT_EQ(korvida::pathInside("/d", {"F00", "A.mp3"}), "/d/F00/A.mp3");
    EXPECT_EQ(korvida::pathInside("/d", {"..", "a/../b", "./c", "", "..."}), "/d/a/b/c/...");
    EXPECT_EQ(korvida::pathInside("/d", {"/", "."}), "/d");
}

namespace {

std::vector<std::uint8_t> bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> units(const std::u16string& text)
{
    std::vector<std::uint8_t> out;
    for (char16_t unit : text) {
        out.push_back(static_cast<std::uint8_t>(unit));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return out;
}

const korvida::TagSet kEnds{"mhod"};

} // namespace

TEST(DeviceText, UnitsBecomeUtf8AndLoneSurrogatesAreReplaced)
{
    EXPECT_EQ(korvida::readUnitText(units(u"Caf\u00e9 \u6771"), 0, kEnds).text, "Café 東");
    EXPECT_EQ(korvida::readUnitText(units(u"\U0001F3B5"), 0, kEnds).text, "\xF0\x9F\x8E\xB5");
    EXPECT_EQ(korvida::readUnitText(units({char16_t(0xD800), u'a', char16_t(0xDC00), char16_t(0xDBFF)}), 0, kEnds).text,
              "\xEF\xBF\xBD"
              "a"
              "\xEF\xBF\xBD\xEF\xBF\xBD");
    // A zero unit between the halves of a pair is left out, the pair stays whole.
    EXPECT_EQ(korvida::readUnitText(units({char16_t(0xD83C), 0, char16_t(0xDFB5)}), 0, kEnds).text, "\xF0\x9F\x8E\xB5");
}

TEST(DeviceText, UnitTextEndsAtATagOnEitherByteAndSkipsZeroUnits)
{
    const korvida::DeviceText text = korvida::readUnitText(bytes(std::string("A\0\0\0B\0", 6) + "mhod"), 0, kEnds);
    EXPECT_EQ(text.text, "AB");
    EXPECT_EQ(text.end, 6u);
    // The tag starts one byte into a unit: that unit is not used.
    EXPECT_EQ(korvida::readUnitText(bytes(std::string("A\0Bmhod", 7)), 0, kEnds).text, "A");
    // The first non-zero unit dropped; at most four units read.
    EXPECT_EQ(korvida::readUnitText(units(std::u16string(u"\0:F00:ABCD", 10)), 0, kEnds, 4, true).text, "F0");
}

TEST(DeviceText, ByteTextDropsTheMarkAndStopsAt499Bytes)
{
    const korvida::TagSet& ends = kEnds;
    const std::string record = std::string("\0\x01\0\0h\xC3\xA9", 7) + "mhod";
    const std::vector<std::uint8_t> bytes(record.begin(), record.end());
    const korvida::ByteText text = korvida::readByteText(bytes, 0, ends);
    EXPECT_EQ(text.text, "hé");
    EXPECT_EQ(text.end, 7u);

    // 498 kept bytes and a two-byte character: the cut character is dropped whole.
    std::string longText = "\x01" + std::string(498, 'a') + "\xC3\xA9" + "zz";
    const std::vector<std::uint8_t> longBytes(longText.begin(), longText.end());
    EXPECT_EQ(korvida::readByteText(longBytes, 0, ends).text, std::string(498, 'a'));

    EXPECT_EQ(korvida::utf8::wellFormed("a\xFF"
                                        "b\xE6\x9D"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD\xEF\xBF\xBD");
}
