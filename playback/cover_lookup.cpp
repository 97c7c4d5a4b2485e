#include "playback/cover_lookup.h"

#include <algorithm>
#include <cctype>

#include "playback/id3_cover.h"
#include "playback/id3_picture.h"

namespace korvida {

CoverLookup::CoverLookup(MainThreadQueue& mainThread, Images& images)
    : mainThread(mainThread), images(images), sources{ownCover}
{}

CoverLookup::~CoverLookup()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
        waiting.reset();
    }
    wake.notify_one();
    if (worker.joinable())
        worker.join();
}

void CoverLookup::addSource(CoverSource source)
{
    sources.push_back(std::move(source));
}

void CoverLookup::lookFor(CoverRequest request, std::unique_ptr<ByteSource> file, Found found)
{
    const std::uint64_t number = ++*newest;
    {
        const std::lock_guard lock(mutex);
        waiting = Look{std::move(request), std::move(file), std::move(found), number};
        if (!worker.joinable())
            worker = std::thread([this] { run(); });
    }
    wake.notify_one();
}

void CoverLookup::forget()
{
    ++*newest;
    const std::lock_guard lock(mutex);
    waiting.reset();
}

void CoverLookup::run()
{
    for (;;) {
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return stopping || waiting; });
        if (stopping)
            return;
        Look look = std::move(*waiting);
        waiting.reset();
        lock.unlock();

        std::shared_ptr<Image> cover = coverOf(look);
        mainThread.post([newest = std::weak_ptr(newest), number = look.number, found = std::move(look.found),
                         cover = std::move(cover)] {
            const auto current = newest.lock();
            if (current && *current == number)
                found(cover);
        });
    }
}

std::shared_ptr<Image> CoverLookup::coverOf(const Look& look) const
{
    for (const CoverSource& source : sources) {
        const auto bytes = source(look.request, *look.file);
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
