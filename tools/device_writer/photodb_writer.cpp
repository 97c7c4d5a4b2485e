#include <algorithm>

#include "tools/device_writer/device_writer.h"
#include "tools/device_writer/record_bytes.h"
#include "tools/device_writer/thumbnail_records.h"

namespace korvida::devicewriter {

namespace {

constexpr std::uint32_t kStringHeaderLength = 24;
constexpr std::uint8_t kUtf8 = 1;
constexpr std::uint8_t kUtf16 = 2;

Bytes stringRecord(std::uint16_t type, const Bytes& text, std::uint8_t encoding)
{
    Bytes padded = text;
    padded.resize((text.size() + 3) / 4 * 4, 0);
    return Record("mhod", kStringHeaderLength)
        .set16(12, type)
        .set32(24, static_cast<std::uint32_t>(text.size()))
        .set32(28, encoding)
        .set32(32, 0)
        .append(padded)
        .finish();
}

// A container record (type 2 thumbnail, type 5 full resolution) around an image name
// record around the file's place.
Bytes imageContainer(std::uint16_t type, std::uint32_t correlationId, const std::string& place)
{
    const Bytes name = photoUtf16StringRecord(3, place);
    const Bytes image = Record("mhni", 76).set32(12, 1).set32(16, correlationId).append(name).finish();
    return Record("mhod", kStringHeaderLength).set16(12, type).append(image).finish();
}

Bytes imageRecord(const Photo& photo, ThumbnailFiles* files)
{
    Record record("mhii", 152);
    record.set32(16, photo.id).set32(40, photo.date);
    std::uint32_t children = 0;
    if (!photo.name.empty()) {
        record.append(photoStringRecord(1, photo.name));
        ++children;
    }
    if (photo.thumbnails.empty()) {
        record.append(imageContainer(2, 1019, photo.thumbnail));
        ++children;
    }
    for (const Thumbnail& thumbnail : photo.thumbnails) {
        record.append(thumbnailContainer(thumbnail, files));
        ++children;
    }
    if (photo.thumbnails.empty() || !photo.fullResolution.empty()) {
        record.append(imageContainer(5, 1, photo.fullResolution));
        ++children;
    }
    return record.set32(12, children).finish();
}

Bytes albumRecord(const PhotoAlbum& album, std::uint32_t albumId, bool library)
{
    Record record("mhba", 148);
    record.set32(12, library ? 2 : 1)
        .set32(16, static_cast<std::uint32_t>(album.imageIds.size()))
        .set32(20, albumId)
        .set16(30, library ? 1 : 2)
        .append(photoStringRecord(1, album.name));
    // The library album names its slide-show transition in a second string record.
    if (library)
        record.append(photoStringRecord(2, "Dissolve"));
    for (std::uint32_t id : album.imageIds)
        record.append(Record("mhia", 40).set32(16, id).finish());
    return record.finish();
}

Bytes imageSection(const std::vector<Photo>& photos, ThumbnailFiles* files)
{
    std::vector<Bytes> records;
    for (const Photo& photo : photos)
        records.push_back(imageRecord(photo, files));
    return sectionRecord(1, listRecord("mhli", records.size(), records));
}

Bytes albumSection(const std::vector<Photo>& photos, const std::vector<PhotoAlbum>& albums, const PhotoDBLayout& layout)
{
    std::vector<Bytes> records;
    std::uint32_t albumId = 100;
    if (layout.libraryAlbum) {
        PhotoAlbum library{"Photo Library", {}};
        for (const Photo& photo : photos)
            library.imageIds.push_back(photo.id);
        records.push_back(albumRecord(library, albumId++, true));
    }
    for (const PhotoAlbum& album : albums)
        records.push_back(albumRecord(album, albumId++, false));
    return sectionRecord(2, listRecord("mhla", records.size(), records));
}

Bytes fileSection()
{
    std::vector<Bytes> files;
    for (std::uint32_t correlationId : {1019u, 1020u})
        files.push_back(Record("mhif", 124).set32(16, correlationId).set32(20, 22880).finish());
    return sectionRecord(3, listRecord("mhlf", files.size(), files));
}

} // namespace

Bytes photoStringRecord(std::uint16_t type, const std::string& utf8Text)
{
    return stringRecord(type, Bytes(utf8Text.begin(), utf8Text.end()), kUtf8);
}

Bytes photoUtf16StringRecord(std::uint16_t type, const std::string& utf8Text)
{
    return stringRecord(type, utf16le(utf8Text), kUtf16);
}

Bytes photoDatabase(const std::vector<Photo>& photos, const std::vector<PhotoAlbum>& albums,
                    const PhotoDBLayout& layout, ThumbnailFiles* files)
{
    std::vector<Bytes> sections;
    for (std::uint32_t index : layout.sectionOrder) {
        if (index == 1)
            sections.push_back(imageSection(photos, files));
        else if (index == 2)
            sections.push_back(albumSection(photos, albums, layout));
        else if (index == 3)
            sections.push_back(fileSection());
    }
    std::uint32_t nextId = 100;
    for (const Photo& photo : photos)
        nextId = std::max(nextId, photo.id + 1);
    return Record("mhfd", 132)
        .set32(16, 1)
        .set32(20, static_cast<std::uint32_t>(sections.size()))
        .set32(28, nextId)
        .set32(48, 2)
        .append(concat(sections))
        .finish();
}

} // namespace korvida::devicewriter
