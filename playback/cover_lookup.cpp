#include "playback/cover_lookup.h"

#include <algorithm>
#include <cctype>

#include "playback/id3_cover.h"
#include "playback/id3_picture.h"

namespace korvida {

CoverLookup::CoverLookup(MainThreadQueue& mainThread, Images& images)
    : images(images), sources{ownCover}, thread(mainThread)
{}

void CoverLookup::addSource(CoverSource source)
{
    sources.push_back(std::move(source));
}

void CoverLookup::lookFor(CoverRequest request, std::unique_ptr<ByteSource> file, Found found)
{
    // Shared, since the work is copied as a function; only the work thread reads the file.
    thread.run([this, request = std::move(request), file = std::shared_ptr<ByteSource>(std::move(file)),
                found = std::move(found)]() -> std::function<void()> {
        return [found, cover = coverOf(request, *file)] {
            found(cover);
        };
    });
}

std::shared_ptr<Image> CoverLookup::coverOf(const CoverRequest& request, const ByteSource& file) const
{
    for (const CoverSource& source : sources) {
        const auto bytes = source(request, file);
        if (!bytes)
            continue;
        if (auto picture = images.imageWithData(*bytes))
            return picture;
    }
    return nullptr;
}

std::optional<std::vector<std::uint8_t>> ownCover(const CoverRequest& request, const ByteSource& file)
{
    if (request.fileType == "mp3") {
        if (auto picture = readId3Picture(file))
            return picture;
    }
    std::string type = request.fileType;
    std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::tolower(c); });
    return type == "mp3" ? readId3Cover(file) : std::nullopt;
}

} // namespace korvida
