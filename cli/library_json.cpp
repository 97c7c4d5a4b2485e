#include "cli/library_json.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <sstream>
#include <unordered_map>

#include "cli/json_text.h"
#include "cli/utc_time_text.h"
#include "library/library.h"

namespace korvida::cli {

namespace {

// Appends `"key": ` and the text.
void appendText(std::string& out, std::string_view key, std::string_view text)
{
    out += '"';
    out += key;
    out += "\": ";
    appendJsonString(out, text);
}

void appendNull(std::string& out, std::string_view key)
{
    out += '"';
    out += key;
    out += "\": null";
}

void appendOptionalText(std::string& out, std::string_view key, const std::optional<std::string>& text)
{
    if (text) {
        appendText(out, key, *text);
        return;
    }
    appendNull(out, key);
}

void appendNumber(std::string& out, std::string_view key, long long number)
{
    out += '"';
    out += key;
    out += "\": ";
    out += std::to_string(number);
}

// A photo kept only as the player's thumbnails says so, with the size of the picture
// that a copy of it gets.
void appendPictureSource(std::string& out, const InMedia& item)
{
    if (!item.isThumbnailPhoto())
        return;
    const StoredPicture& picture = *item.getStoredPicture();
    out += ", ";
    appendText(out, "source", "thumbnail");
    out += ", ";
    appendNumber(out, "width", picture.width);
    out += ", ";
    appendNumber(out, "height", picture.height);
}

template <class Number>
void appendOptionalNumber(std::string& out, std::string_view key, const std::optional<Number>& number)
{
    if (number)
        appendNumber(out, key, *number);
    else
        appendNull(out, key);
}

void appendOptionalTime(std::string& out, std::string_view key, const std::optional<std::int64_t>& unixSeconds)
{
    if (unixSeconds)
        appendText(out, key, utcTimeText(*unixSeconds));
    else
        appendNull(out, key);
}

// The rating in stars, 0 to 5; a rating between two stars keeps its fraction (50 is 2.5).
void appendStars(std::string& out, const std::optional<std::uint8_t>& rating)
{
    if (!rating) {
        appendNull(out, "rating");
        return;
    }
    out += "\"rating\": ";
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), *rating / 20.0);
    out.append(text, written.ptr);
}

void appendStatistics(std::string& out, const TuneStatistics& statistics)
{
    appendStars(out, statistics.rating);
    out += ", ";
    appendOptionalNumber(out, "playCount", statistics.playCount);
    out += ", ";
    appendOptionalNumber(out, "skipCount", statistics.skipCount);
    out += ", ";
    appendOptionalTime(out, "lastPlayed", statistics.lastPlayed());
    out += ", ";
    appendOptionalTime(out, "dateAdded", statistics.dateAdded());
}

void appendItem(std::string& out, const InMedia& item)
{
    out += '{';
    appendText(out, "name", item.getCleanName());
    out += ", ";
    appendText(out, "artist", item.getArtist());
    out += ", ";
    appendText(out, "album", item.getAlbum());
    out += ", ";
    appendText(out, "genere", item.getGenere());
    out += ", ";
    appendText(out, "fileType", item.getFileType());
    out += ", ";
    appendText(out, "path", item.getPath());
    out += ", ";
    appendNumber(out, "mediaType", item.getMediaType());
    out += ", ";
    appendNumber(out, "tuneOnCdNr", item.getTuneOnCdNr());
    out += ", ";
    appendNumber(out, "shortId", item.shortId());
    out += ", ";
    appendOptionalText(out, "day", item.getDay());
    out += ", ";
    appendOptionalText(out, "nameWithType", item.getNameWithType());
    appendPictureSource(out, item);
    out += ", ";
    appendStatistics(out, item.getStatistics());
    out += '}';
}

void appendPlayList(std::string& out, const PlayList& list,
                    const std::unordered_map<const InMedia*, std::size_t>& indexOf)
{
    out += '{';
    appendText(out, "name", list.getCleanListName());
    out += list.getIsSubList() ? ", \"isSubList\": true" : ", \"isSubList\": false";
    out += ", \"members\": [";
    bool first = true;
    for (const InMedia* member : list.getMedias()) {
        const auto found = indexOf.find(member);
        if (found == indexOf.end())
            continue; // not an item of this library; there is no index to give
        if (!first)
            out += ", ";
        out += std::to_string(found->second);
        first = false;
    }
    out += "]}";
}

} // namespace

void writeLibraryJson(const Library& library, std::ostream& stream)
{
    // Written in pieces of about this size, so that no copy of the whole document is held.
    constexpr std::size_t kPiece = 64 * 1024;
    std::string out = "{";
    out.reserve(kPiece + 4096);
    const auto flushIfFull = [&out, &stream] {
        if (out.size() >= kPiece) {
            stream.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    };
    appendText(out, "device",
               library.playLists.empty() ? std::string() : library.playLists.front()->getCleanListName());
    out += ", \"items\": [";
    std::unordered_map<const InMedia*, std::size_t> indexOf;
    indexOf.reserve(library.mediasVisible.size());
    for (std::size_t i = 0; i < library.mediasVisible.size(); ++i) {
        indexOf.emplace(library.mediasVisible[i].get(), i);
        if (i > 0)
            out += ", ";
        appendItem(out, *library.mediasVisible[i]);
        flushIfFull();
    }
    out += "], \"playlists\": [";
    for (std::size_t i = 0; i < library.playLists.size(); ++i) {
        if (i > 0)
            out += ", ";
        appendPlayList(out, *library.playLists[i], indexOf);
        flushIfFull();
    }
    out += "]}";
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
}

std::string libraryJson(const Library& library)
{
    std::ostringstream out;
    writeLibraryJson(library, out);
    return std::move(out).str();
}

} // namespace korvida::cli
