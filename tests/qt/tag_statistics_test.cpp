#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

#include "qt/services/tag_statistics.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string id3Text(const fs::path& file, const char* name)
{
    TagLib::MPEG::File mp3(file.c_str(), false);
    auto* frame = mp3.ID3v2Tag() ? TagLib::ID3v2::UserTextIdentificationFrame::find(mp3.ID3v2Tag(), name) : nullptr;
    return frame != nullptr && frame->fieldList().size() > 1 ? frame->fieldList()[1].to8Bit(true) : "";
}

std::string mp4Text(const fs::path& file, const char* name)
{
    TagLib::MP4::File mp4(file.c_str(), false);
    const TagLib::String key = TagLib::String("----:com.apple.iTunes:") + name;
    if (!mp4.isValid() || !mp4.tag()->contains(key))
        return "";
    return mp4.tag()->item(key).toStringList().toString().to8Bit(true);
}

} // namespace

TEST(TagStatistics, RatingAndPlayCountGoWhereEachFormatKeepsThem)
{
    TempDir folder;
    const fs::path assets = KORVIDA_SOURCE_DIR "/demo/assets";
    const fs::path tune = folder.path() / "tune.mp3";
    const fs::path film = folder.path() / "film.m4v";
    fs::copy_file(assets / "music/snowfall.mp3", tune);
    fs::copy_file(assets / "movies/sunrise.m4v", film);
    const std::string title = TagLib::MPEG::File(tune.c_str()).tag()->title().to8Bit(true);

    korvida::qt::TagLibStatisticsWriter writer;
    ASSERT_TRUE(writer.writeStatisticsTags(tune.string(), {"0.6", "12"}));
    EXPECT_EQ(id3Text(tune, "FMPS_Rating"), "0.6");
    EXPECT_EQ(id3Text(tune, "FMPS_Playcount"), "12");
    EXPECT_EQ(TagLib::MPEG::File(tune.c_str()).tag()->title().to8Bit(true), title) << "other tags are kept";
    // Written again, the values are replaced, not added.
    ASSERT_TRUE(writer.writeStatisticsTags(tune.string(), {"1", std::nullopt}));
    EXPECT_EQ(id3Text(tune, "FMPS_Rating"), "1");
    EXPECT_EQ(id3Text(tune, "FMPS_Playcount"), "12");

    ASSERT_TRUE(writer.writeStatisticsTags(film.string(), {"0.2", "3"}));
    EXPECT_EQ(mp4Text(film, "FMPS_Rating"), "0.2");
    EXPECT_EQ(mp4Text(film, "FMPS_Playcount"), "3");

    // A file that is not what its name says is left as it was.
    const fs::path fake = folder.path() / "fake.m4a";
    std::ofstream(fake) << "not a tune";
    EXPECT_FALSE(writer.writeStatisticsTags(fake.string(), {"0.6", "12"}));
    EXPECT_EQ(bytesOf(fake), "not a tune");
}
