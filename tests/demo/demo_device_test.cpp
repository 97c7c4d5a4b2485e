#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "devicedb/device_reader.h"
#include "support/temp_dir.h"
#include "tools/demo_device.h"

namespace {

const std::filesystem::path kAssets = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
    "demo" / "assets";

TEST(DemoDevice, ReadsBackWithItsPlaylistsAlbumsAndFilePlaces)
{
    TempDir dir;
    const korvida::demo::DemoDevice demo = korvida::demo::demoDevice();
    ASSERT_TRUE(korvida::devicewriter::writeDevice(dir.path(), demo.device));
    const Library library = korvida::readDevice(dir.path().string());

    // Every media file is copied to the place its database record names.
    ASSERT_EQ(library.mediasVisible.size(), demo.files.size());
    for (std::size_t i = 0; i < demo.files.size(); ++i)
        EXPECT_EQ(library.mediasVisible[i]->getPath(), (dir.path() / demo.files[i].place).string());

    std::vector<std::pair<std::string, std::size_t>> lists;
    for (const auto& list : library.playLists)
        lists.emplace_back(list->getCleanListName(), list->getMedias().size());
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"Music/Movies", 0}, {"Road trip", 4}, {"Quiet evening", 3}, {"Photos", 0}, {"Summer", 4}, {"Winter", 2}};
    EXPECT_EQ(lists, expected);
}

TEST(DemoDevice, AssetsAreCommittedWithBothPictureFrameVersionsAndAnUntaggedTune)
{
    int v23 = 0, v22 = 0, untagged = 0;
    for (const korvida::demo::DemoFile& file : korvida::demo::demoDevice().files) {
        std::ifstream in(kAssets / file.asset, std::ios::binary);
        ASSERT_TRUE(in) << file.asset;
        if (file.asset.extension() != ".mp3")
            continue;
        std::string head(4, '\0');
        in.read(head.data(), 4);
        const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (head.compare(0, 3, "ID3") != 0)
            ++untagged;
        else if (head[3] == 3 && all.find("APIC") != std::string::npos)
            ++v23;
        else if (head[3] == 2 && all.find("PIC") != std::string::npos)
            ++v22;
    }
    EXPECT_GE(v23, 1);
    EXPECT_GE(v22, 1);
    EXPECT_GE(untagged, 1);
}

} // namespace
