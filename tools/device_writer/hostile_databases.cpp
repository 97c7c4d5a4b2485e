#include "tools/device_writer/hostile_databases.h"

#include <string_view>

namespace korvida::devicewriter::hostile {

namespace {

Bytes repeated(const Bytes& block, std::size_t size)
{
    Bytes bytes;
    bytes.reserve(size + block.size());
    while (bytes.size() + block.size() <= size)
        bytes.insert(bytes.end(), block.begin(), block.end());
    return bytes;
}

Bytes text(std::string_view letters)
{
    return {letters.begin(), letters.end()};
}

Bytes padded(Bytes bytes, std::size_t length)
{
    bytes.resize(length, 0);
    return bytes;
}

void append(Bytes& bytes, const Bytes& more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
}

// A full-resolution place in UTF-16LE, as a damaged file may hold it outside any record.
const Bytes kPlace = utf16le(":Full Resolution:2006:07:14:IMG_0101.JPG");

// An album header, the string record its name walk passes over or stops at, and a name
// record with its encoding mark.
Bytes albumStart(bool first)
{
    Bytes bytes = padded(text("mhba"), 24);
    if (first)
        append(bytes, padded(text("mhod"), 28));
    append(bytes, padded(text("mhod"), 27));
    append(bytes,
           text("\x01"
                "Album"));
    return bytes;
}

Bytes albumItem(std::uint16_t shortId)
{
    Bytes item = padded(text("mhia"), 20);
    item[16] = static_cast<std::uint8_t>(shortId);
    item[17] = static_cast<std::uint8_t>(shortId >> 8);
    return item;
}

// Half the file photos, half one album of items naming them.
Bytes photosThenAlbum(std::size_t size, const Bytes& item)
{
    Bytes bytes = repeated(kPlace, size / 2);
    append(bytes, albumStart(true));
    append(bytes, repeated(item, size - bytes.size()));
    return bytes;
}

} // namespace

Bytes chainedLocations(std::size_t size)
{
    return repeated(padded(utf16le(":Music:"), 26), size);
}

Bytes repeatedMusicFolder(std::size_t size)
{
    return repeated(utf16le(":iPod_Control:Music:"), size);
}

Bytes trackHeadersOnly(std::size_t size)
{
    return repeated(text("mhit"), size);
}

Bytes packedPlaylistItems(std::size_t size)
{
    Bytes bytes = padded(text("mhit"), 48);
    bytes[16] = 'L';
    bytes[17] = 'm';
    append(bytes, utf16le(":iPod_Control:Music:F00:A.mp3"));
    Bytes list = padded(text("mhlp"), 12);
    list[4] = 92;
    append(bytes, list);
    Bytes playlist = padded(text("mhyp"), 108);
    playlist[4] = 108;
    append(bytes, playlist); // the library's own playlist
    append(bytes, playlist);
    append(bytes, padded(text("mhod"), 40));
    append(bytes, utf16le("Mix"));
    append(bytes, repeated(text("mhipL"), size - std::min(size, bytes.size())));
    return bytes;
}

Bytes chainedPlaces(std::size_t size)
{
    Bytes block(32, 0);
    constexpr std::string_view letters = ":Full Resolution";
    for (std::size_t i = 0; i < letters.size(); ++i)
        block[2 * i] = static_cast<std::uint8_t>(letters[i]);
    return repeated(block, size);
}

Bytes longNameManyPlaces(std::size_t size)
{
    Bytes bytes = padded(text("mhod"), 28);
    bytes[4] = 24;
    bytes[12] = 1;
    bytes[24] = 12;
    append(bytes, {1}); // the encoding mark
    append(bytes, Bytes(499, 'N'));
    append(bytes, repeated(kPlace, size - std::min(size, bytes.size())));
    return bytes;
}

Bytes headerlessPhotosOneAlbum(std::size_t size)
{
    return photosThenAlbum(size, albumItem(0));
}

Bytes packedAlbumItems(std::size_t size)
{
    Bytes photo = padded(text("mhii"), 16);
    append(photo, {'m', 'h'});
    append(photo, kPlace);
    Bytes bytes = repeated(photo, size / 2);
    append(bytes, albumStart(true));
    append(bytes, repeated(text("mhia"), size - bytes.size()));
    return bytes;
}

Bytes repeatedAlbums(std::size_t size)
{
    Bytes bytes = repeated(kPlace, 64 * kPlace.size());
    append(bytes, albumStart(true));
    append(bytes, albumItem(0));
    Bytes album = albumStart(false);
    append(album, albumItem(0));
    append(bytes, repeated(album, size - std::min(size, bytes.size())));
    return bytes;
}

const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> all = {
        {"chained-locations", "iTunesDB", chainedLocations},
        {"repeated-music-folder", "iTunesDB", repeatedMusicFolder},
        {"track-headers-only", "iTunesDB", trackHeadersOnly},
        {"packed-playlist-items", "iTunesDB", packedPlaylistItems},
        {"chained-places", "Photo Database", chainedPlaces},
        {"long-name-many-places", "Photo Database", longNameManyPlaces},
        {"headerless-photos-one-album", "Photo Database", headerlessPhotosOneAlbum},
        {"packed-album-items", "Photo Database", packedAlbumItems},
        {"repeated-albums", "Photo Database", repeatedAlbums},
    };
    return all;
}

bool writeDevice(const std::filesystem::path& root, const Kind& kind, std::size_t size)
{
    Device device;
    const bool photos = kind.database == std::string("Photo Database");
    device.withITunesDB = !photos;
    device.withPhotos = photos;
    const auto file = photos ? root / "Photos" / "Photo Database" : root / "iPod_Control" / "iTunes" / "iTunesDB";
    return devicewriter::writeDevice(root, device) && writeFile(file, kind.make(size));
}

} // namespace korvida::devicewriter::hostile
