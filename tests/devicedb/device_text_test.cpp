#include <gtest/gtest.h>

#include "devicedb/device_path.h"
#include "devicedb/device_text.h"
#include "devicedb/file_type.h"
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

TEST(DeviceText, UnitsBecomeUtf8AndLoneSurrogatesAreReplaced)
{
    EXPECT_EQ(korvida::utf8FromUnits(u"Caf\u00e9 \u6771"), "Café 東");
    EXPECT_EQ(korvida::utf8FromUnits(u"\U0001F3B5"), "\xF0\x9F\x8E\xB5");
    EXPECT_EQ(korvida::utf8FromUnits(std::u16string{char16_t(0xD800), u'a', char16_t(0xDC00)}),
              "\xEF\xBF\xBD" "a" "\xEF\xBF\xBD");
}

TEST(DeviceText, UnitTextEndsAtATagOnEitherByteAndSkipsZeroUnits)
{
    const korvida::TagSet ends{"mhod"};
    const std::string aligned = std::string("A\0\0\0B\0", 6) + "mhod";
    auto bytes = [](const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); };
    const auto first = bytes(aligned);
    const korvida::DeviceText text = korvida::readUnitText(first, 0, ends);
    EXPECT_EQ(text.units, u"AB");
    EXPECT_EQ(text.end, 6u);
    // The tag starts one byte into a unit: that unit is not used.
    const auto odd = bytes(std::string("A\0Bmhod", 7));
    EXPECT_EQ(korvida::readUnitText(odd, 0, ends).units, u"A");
}

TEST(DeviceText, ByteTextDropsTheMarkAndStopsAt499Bytes)
{
    const korvida::TagSet ends{"mhod"};
    const std::string record = std::string("\0\x01\0\0h\xC3\xA9", 7) + "mhod";
    const std::vector<std::uint8_t> bytes(record.begin(), record.end());
    const korvida::ByteText text = korvida::readByteText(bytes, 0, ends);
    EXPECT_EQ(text.text, "hé");
    EXPECT_EQ(text.end, 7u);

    // 498 kept bytes and a two-byte character: the cut character is dropped whole.
    std::string longText = "\x01" + std::string(498, 'a') + "\xC3\xA9" + "zz";
    const std::vector<std::uint8_t> longBytes(longText.begin(), longText.end());
    EXPECT_EQ(korvida::readByteText(longBytes, 0, ends).text, std::string(498, 'a'));

    EXPECT_EQ(korvida::wellFormedUtf8("a\xFF" "b\xE6\x9D"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD");
}
