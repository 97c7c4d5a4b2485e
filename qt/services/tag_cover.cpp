#include "qt/services/tag_cover.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include <taglib/mp4file.h>
#include <taglib/tiostream.h>

namespace korvida::qt {

namespace {

// A read-only TagLib stream over a byte source, refusing to read more than a budget in all.
class BoundedStream : public TagLib::IOStream {
public:
    explicit BoundedStream(const ByteSource& source) : source(source) {}

    TagLib::FileName name() const override { return "cover"; }
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        const std::uint64_t left = position < source.size() ? source.size() - position : 0;
        const std::uint64_t wanted = std::min<std::uint64_t>({length, left, kTagLibraryReadLimit - read});
        TagLib::ByteVector block(static_cast<unsigned int>(wanted), '\0');
        const std::size_t got = source.read(position,
                                            std::span(reinterpret_cast<std::uint8_t*>(block.data()), block.size()));
        block.resize(static_cast<unsigned int>(got));
        position += got;
        read += got;
        return block;
    }
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position from) override
    {
        const auto base = from == Beginning ? 0 : from == Current ? static_cast<long>(position) : length();
        position = static_cast<std::uint64_t>(std::max(0L, base + offset));
    }
    long tell() const override { return static_cast<long>(position); }
    long length() override { return static_cast<long>(source.size()); }
    void truncate(long) override {}

private:
    const ByteSource& source;
    std::uint64_t position = 0;
    std::uint64_t read = 0;
};

bool isMp4Tune(std::string type)
{
    std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::tolower(c); });
    constexpr std::array kTypes{"m4a", "m4b", "m4p", "mp4", "aac"};
    return std::find(kTypes.begin(), kTypes.end(), type) != kTypes.end();
}

} // namespace

std::optional<std::vector<std::uint8_t>> mp4Cover(const CoverRequest& request, const ByteSource& file)
{
    if (!isMp4Tune(request.fileType) || file.size() == 0)
        return std::nullopt;
    BoundedStream stream(file);
    TagLib::MP4::File tune(&stream, false);
    TagLib::MP4::Tag* tag = tune.isValid() ? tune.tag() : nullptr;
    if (tag == nullptr || !tag->contains("covr"))
        return std::nullopt;
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    if (covers.isEmpty())
        return std::nullopt;
    const TagLib::ByteVector& data = covers.front().data();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

} // namespace korvida::qt
