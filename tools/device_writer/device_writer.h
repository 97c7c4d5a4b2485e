#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Writes iTunesDB and Photo Database files in the layouts real players use, so that a test
// (or the demo device) describes a player in a few lines. Empty strings are left out of the
// written records, which is how a test describes a track without, say, an artist.
namespace korvida::devicewriter {

using Bytes = std::vector<std::uint8_t>;

// Types of the string records of a track.
enum class StringType : std::uint32_t {
    Title = 1,
    Location = 2,
    Album = 3,
    Artist = 4,
    Genre = 5,
    FileType = 6,
};

struct Track {
    std::string title;
    std::string artist;
    std::string album;
    std::string genre;
    std::string location; // e.g. ":iPod_Control:Music:F00:ABCD.mp3"
    std::uint32_t id = 0;
    std::uint32_t trackNumber = 0;
    std::string fileType;        // e.g. "MPEG audio file"
    std::uint32_t artworkId = 0; // the image record of its cover; in headers of 356 bytes or more
    // Statistics, written where the track header is long enough to hold them.
    std::uint8_t rating = 0; // 0 to 100, 20 a star
    std::uint32_t playCount = 0;
    std::uint32_t skipCount = 0;
    std::uint32_t lastPlayed = 0; // seconds since 1904-01-01 UTC, 0 for never
    std::uint32_t dateAdded = 0;
};

struct Playlist {
    std::string name;
    std::vector<std::uint32_t> memberIds;
};

struct ITunesDBLayout {
    std::uint32_t trackHeaderLength = 156;    // 156 up to 624 in files in use
    std::uint32_t playlistHeaderLength = 108; // 108, 112 or 184 in files in use
    // The order of a track's string records; libgpod writes title, artist, album, file type,
    // location, genre; older jukeboxes put the location second.
    std::vector<StringType> stringOrder = {StringType::Title, StringType::Artist,   StringType::Album,
                                           StringType::Genre, StringType::FileType, StringType::Location};
    // Playlist sections in file order (2 playlists, 3 podcasts); each holds every playlist.
    std::vector<std::uint32_t> playlistSectionTypes = {2};
    bool albumListFirst = false; // a type 4 album-list section before the tracks, as newer files have
    bool libraryPlaylist = true; // the library's own playlist, listing every track, comes first
    std::uint32_t version = 0x19;
};

// How a model stores the pixels of its thumbnail files.
enum class Pixels {
    rgb565Little,
    rgb565Big,
    uyvy,         // YUV 4:2:2 interleaved
    yuv420Planar, // the Y plane, then U and V at half size
};

// A picture kept in a thumbnail file (.ithmb). It is stored in a frame with bars of the
// given widths on each side; its header gives the picture's size plus one bar, and the
// bars, as players write them.
struct Thumbnail {
    std::string file; // e.g. ":F1060_1.ithmb" (covers) or ":Thumbs:F1019_1.ithmb" (photos)
    std::uint32_t formatId = 1019;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint16_t sideBar = 0;
    std::uint16_t topBar = 0;
    Pixels pixels = Pixels::rgb565Little;
    bool fieldsSplit = false; // even lines first, as for a television
    Bytes rgb;                // width × height pixels of red, green and blue bytes
};

struct Photo {
    std::uint32_t id = 0;
    std::string fullResolution; // e.g. ":Full Resolution:2006:07:14:IMG_0101.JPG"
    std::string name;           // when not empty, a name record (UTF-8) before the image's containers
    std::string thumbnail = ":Thumbs:F1019_1.ithmb";
    // When given, these are written instead of the one empty thumbnail record, and an
    // empty fullResolution leaves the photo without a full-resolution record.
    std::vector<Thumbnail> thumbnails{};
    std::uint32_t date = 0; // seconds since 1904
};

// An image record of the artwork database: a tune's cover in its sizes.
struct Artwork {
    std::uint32_t id = 0;
    std::vector<Thumbnail> thumbnails{};
};

// The thumbnail files a database's records point into, by their name in the records.
using ThumbnailFiles = std::vector<std::pair<std::string, Bytes>>;

// The bytes of a frame of width × height pixels (red, green, blue bytes) as the layout
// stores them.
Bytes encodeFrame(const Bytes& rgb, std::uint32_t width, std::uint32_t height, Pixels pixels, bool fieldsSplit);

struct PhotoAlbum {
    std::string name;
    std::vector<std::uint32_t> imageIds;
};

struct PhotoDBLayout {
    std::vector<std::uint32_t> sectionOrder = {1, 2, 3}; // 1 images, 2 albums, 3 files
    bool libraryAlbum = true; // "Photo Library" with every image and its "Dissolve" string comes first
};

// The building blocks, for tests that need records in an unusual arrangement.
Bytes trackStringRecord(StringType type, const std::string& text);
Bytes trackRecord(const Track& track, const ITunesDBLayout& layout);
Bytes trackRecordHeader(const Track& track, std::uint32_t headerLength, std::uint32_t totalLength,
                        std::uint32_t stringCount);
Bytes playlistRecord(const Playlist& playlist, const ITunesDBLayout& layout, bool hidden = false);
Bytes playlistItemRecord(std::uint32_t trackId, std::uint32_t position);
Bytes photoStringRecord(std::uint16_t type, const std::string& utf8Text);
Bytes photoUtf16StringRecord(std::uint16_t type, const std::string& utf8Text);

// Whole files.
Bytes iTunesDB(const std::vector<Track>& tracks, const std::vector<Playlist>& playlists,
               const ITunesDBLayout& layout = {});
// Thumbnails given are added to `files` when it is given.
Bytes photoDatabase(const std::vector<Photo>& photos, const std::vector<PhotoAlbum>& albums,
                    const PhotoDBLayout& layout = {}, ThumbnailFiles* files = nullptr);
Bytes artworkDB(const std::vector<Artwork>& images, ThumbnailFiles& files);

struct Device {
    std::vector<Track> tracks;
    std::vector<Playlist> playlists;
    ITunesDBLayout iTunesLayout;
    bool withITunesDB = true;

    std::vector<Photo> photos;
    std::vector<PhotoAlbum> albums;
    PhotoDBLayout photoLayout;
    bool withPhotos = false; // the Photo Database and the Photos/Full Resolution folder
    bool withFullResolutionFolder = true;

    // Covers in iPod_Control/Artwork (ArtworkDB and its thumbnail files) when not empty.
    std::vector<Artwork> artwork;

    // A small placeholder file at every track location and photo place.
    bool withMediaFiles = false;
};

// Writes a player folder: iPod_Control/Device/SysInfo, iPod_Control/iTunes/iTunesDB,
// Photos/Photo Database, Photos/Full Resolution, the artwork database and the thumbnail
// files as asked. False when a write failed.
bool writeDevice(const std::filesystem::path& root, const Device& device);
bool writeFile(const std::filesystem::path& file, const Bytes& bytes);

// UTF-16LE bytes of a UTF-8 text.
Bytes utf16le(const std::string& utf8Text);

} // namespace korvida::devicewriter
