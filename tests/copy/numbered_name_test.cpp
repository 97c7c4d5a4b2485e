#include <gtest/gtest.h>

#include <sys/stat.h>

#include "copy/export_naming.h"
#include "copy/numbered_name.h"
#include "copy_files.h"
#include "support/temp_dir.h"

using namespace korvida;

TEST(NumberedName, NumberGoesBeforeTheExtensionAndFits)
{
    EXPECT_EQ(numberedName("01 Intro.mp3", 1), "01 Intro.mp3");
    EXPECT_EQ(numberedName("01 Intro.mp3", 2), "01 Intro (2).mp3");
    EXPECT_EQ(numberedName("a.b.jpg", 12), "a.b (12).jpg");
    EXPECT_EQ(numberedName("README", 3), "README (3)");
    EXPECT_EQ(numberedName(".hidden", 2), ".hidden (2)");
    const std::string longName = numberedName("01 " + std::string(300, 'x') + ".mp3", 2);
    EXPECT_EQ(longName.size(), kMaxComponentBytes);
    EXPECT_TRUE(longName.starts_with("01 x"));
    EXPECT_TRUE(longName.ends_with("x (2).mp3"));
}

TEST(NumberedName, SameSizeAndTimeIsAlreadyThereAnythingElseIsStepped)
{
    TempDir dir;
    const std::string folder = dir.path().string();
    const auto stampOf = [](const std::filesystem::path& path) {
        struct stat status {};
        ::stat(path.c_str(), &status);
        return FileStamp{static_cast<std::uint64_t>(status.st_size), status.st_mtim};
    };
    EXPECT_EQ(findNumberedPlace(folder, "a.mp3", {10, {}}).path, folder + "/a.mp3");

    writePatternFile(dir.path() / "a.mp3", 10);
    const FileStamp copied = stampOf(dir.path() / "a.mp3");
    auto place = findNumberedPlace(folder, "a.mp3", copied);
    EXPECT_TRUE(place.alreadyThere);
    EXPECT_EQ(place.path, folder + "/a.mp3");

    for (const FileStamp& other :
         {FileStamp{20, copied.modified}, FileStamp{10, {copied.modified.tv_sec - 3600, copied.modified.tv_nsec}}}) {
        place = findNumberedPlace(folder, "a.mp3", other);
        EXPECT_FALSE(place.alreadyThere);
        EXPECT_EQ(place.path, folder + "/a (2).mp3");
    }

    std::filesystem::create_directory(dir.path() / "a (2).mp3");
    writePatternFile(dir.path() / "a (3).mp3", 20);
    place = findNumberedPlace(folder, "a.mp3", stampOf(dir.path() / "a (3).mp3"));
    EXPECT_TRUE(place.alreadyThere);
    EXPECT_EQ(place.path, folder + "/a (3).mp3");
}
