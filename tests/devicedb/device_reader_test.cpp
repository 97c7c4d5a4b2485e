#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "devicedb/database_file.h"
#include "devicedb/device_reader.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

namespace {

std::vector<std::string> listNames(const Library& library)
{
    std::vector<std::string> names;
    for (const auto& playList : library.playLists)
        names.push_back(playList->getCleanListName());
    return names;
}

dw::Device sampleDevice()
{
    dw::Device device;
    device.tracks = {{"Tune", "Band", "Record", "Pop", ":iPod_Control:Music:F00:TUNE.mp3", 1, 1, "MPEG audio file"},
                     {"Film", "", "", "", ":iPod_Control:Music:F01:FILM.m4v", 2, 0, "MPEG-4 video file"}};
    device.playlists = {{"Mix", {2, 1}}};
    device.photos = {{7, ":Full Resolution:2006:07:14:IMG_0101.JPG", "", ":Thumbs:F1019_1.ithmb"}};
    device.albums = {{"Trip", {7}}};
    device.withPhotos = true;
    return device;
}

} // namespace

TEST(DeviceReader, ReadsTracksPlaylistsPhotosAndAlbumsInOrder)
{
    TempDir folder;
    ASSERT_TRUE(dw::writeDevice(folder.path(), sampleDevice()));
    const std::string device = folder.path().string();
    const Library library = korvida::readDevice(device);
    ASSERT_EQ(library.mediasVisible.size(), 3u);
    EXPECT_EQ(library.mediasVisible[0]->getPath(), device + "/iPod_Control/Music/F00/TUNE.mp3");
    EXPECT_EQ(library.mediasVisible[1]->getMediaType(), InMedia::kMovie);
    EXPECT_EQ(library.mediasVisible[2]->getPath(), device + "/Photos/Full Resolution/2006/07/14/IMG_0101.JPG");
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Music/Movies", "Mix", "Photos", "Trip"}));
    EXPECT_EQ(library.playLists[3]->getMedias().front(), library.mediasVisible[2].get());
}

TEST(DeviceReader, PhotosOnlyWithAFullResolutionFolder)
{
    TempDir folder;
    dw::Device device = sampleDevice();
    device.withPhotos = false;
    ASSERT_TRUE(dw::writeDevice(folder.path(), device));
    // A Photo Database alone is not enough.
    ASSERT_TRUE(dw::writeFile(folder.path() / "Photos" / "Photo Database", dw::photoDatabase(device.photos, {})));
    const Library library = korvida::readDevice(folder.path().string());
    EXPECT_EQ(library.mediasVisible.size(), 2u);
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Music/Movies", "Mix"}));
}

TEST(DeviceReader, MissingOrEmptyDatabasesLeaveTheEntries)
{
    TempDir folder;
    dw::Device device;
    device.withITunesDB = false;
    device.withPhotos = true;
    ASSERT_TRUE(dw::writeDevice(folder.path(), device));
    std::filesystem::remove(folder.path() / "Photos" / "Photo Database");
    EXPECT_EQ(listNames(korvida::readDevice(folder.path().string())), (std::vector<std::string>{"Empty", "Photos"}));

    ASSERT_TRUE(dw::writeFile(folder.path() / "iPod_Control" / "iTunes" / "iTunesDB", {}));
    EXPECT_EQ(listNames(korvida::readDevice(folder.path().string())), (std::vector<std::string>{"Empty", "Photos"}));

    // A folder where the database should be is as good as no database.
    std::filesystem::remove(folder.path() / "iPod_Control" / "iTunes" / "iTunesDB");
    std::filesystem::create_directories(folder.path() / "iPod_Control" / "iTunes" / "iTunesDB");
    EXPECT_EQ(listNames(korvida::readDevice(folder.path().string())), (std::vector<std::string>{"Empty", "Photos"}));
}

TEST(DeviceReader, DeviceTestLooksForSysInfo)
{
    TempDir folder;
    EXPECT_FALSE(korvida::hasSysInfo(folder.path().string()));
    EXPECT_FALSE(korvida::hasSysInfo((folder.path() / "absent").string()));
    ASSERT_TRUE(dw::writeDevice(folder.path(), dw::Device{}));
    EXPECT_TRUE(korvida::hasSysInfo(folder.path().string()));
}

TEST(DeviceReader, HugeFifoOrFolderDatabasesAreUnreadAndTheOtherDatabaseStillShows)
{
    TempDir folder;
    dw::Device device = sampleDevice();
    ASSERT_TRUE(dw::writeDevice(folder.path(), device));
    const auto iTunesDB = folder.path() / "iPod_Control" / "iTunes" / "iTunesDB";
    const std::string root = folder.path().string();

    // Sparse: no space on disk, but far more than any reader may ask memory for.
    std::filesystem::resize_file(iTunesDB, std::uintmax_t{1} << 40);
    korvida::DatabaseProblems problems;
    Library library = korvida::readDevice(root, &problems);
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Empty", "Photos", "Trip"}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].path, iTunesDB.string());
    EXPECT_EQ(problems[0].error, std::errc::file_too_large);

    std::filesystem::remove(iTunesDB);
    ASSERT_EQ(::mkfifo(iTunesDB.c_str(), 0600), 0);
    problems.clear();
    library = korvida::readDevice(root, &problems); // must not wait for a writer
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Empty", "Photos", "Trip"}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].error, std::errc::not_supported);

    std::filesystem::remove(iTunesDB);
    std::filesystem::create_directory(iTunesDB);
    std::filesystem::remove(folder.path() / "Photos" / "Photo Database");
    problems.clear();
    library = korvida::readDevice(root, &problems);
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Empty", "Photos"}));
    ASSERT_EQ(problems.size(), 1u); // a missing database is no fault
    EXPECT_EQ(problems[0].error, std::errc::is_a_directory);
}

TEST(DatabaseFile, AFileCutShortWhileMappedReadsAsZerosPastItsNewEnd)
{
    TempDir folder;
    const std::filesystem::path path = folder.path() / "iTunesDB";
    std::ofstream(path) << std::string(64 * 1024, 'm');
    std::error_code error;
    {
        const korvida::DatabaseBytes bytes = korvida::readWholeFile(path.string(), error);
        ASSERT_FALSE(error);
        const korvida::ByteView view = bytes;
        EXPECT_EQ(view[40000], 'm');
        EXPECT_FALSE(bytes.fileWasCutShort());

        // Another program empties the file: its pages are gone from the mapping.
        std::filesystem::resize_file(path, 0);
        std::size_t nonZero = 0;
        for (std::uint8_t byte : view)
            nonZero += byte != 0;
        EXPECT_EQ(nonZero, 0u);
        EXPECT_TRUE(bytes.fileWasCutShort());
    }
    std::ofstream(path) << std::string(4096, 'm');
    const korvida::DatabaseBytes again = korvida::readWholeFile(path.string(), error);
    EXPECT_FALSE(again.fileWasCutShort()) << "a later mapping starts afresh";
}
