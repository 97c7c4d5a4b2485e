#include "copy/item_source.h"

#include <cerrno>
#include <sys/stat.h>
#include <vector>

#include "copy/file_copy_source.h"
#include "copy/player_file.h"
#include "library/in_media.h"
#include "picture/image_encode.h"
#include "picture/stored_picture_load.h"

namespace korvida {

namespace {

// Bytes made in memory, such as an encoded picture, as the source of a copy.
class BytesCopySource final : public CopySource {
public:
    BytesCopySource(std::vector<std::uint8_t> bytes, timespec modified) : bytes(std::move(bytes)), modified(modified) {}

    bool isOpen() const override { return !bytes.empty(); }
    // Bytes that could not be made count as a missing file.
    int openFailure() const override { return bytes.empty() ? ENOENT : 0; }
    timespec modificationTime() const override { return modified; }
    std::uint64_t measureSize() override { return bytes.size(); }
    std::int64_t copyChunk(std::uint64_t offset, std::size_t length, int destination) override
    {
        if (offset >= bytes.size())
            return 0;
        const std::size_t count = std::min<std::size_t>(length, bytes.size() - offset);
        const auto* start = reinterpret_cast<const std::byte*>(bytes.data() + offset);
        return writeAll(destination, {start, count}) ? static_cast<std::int64_t>(count) : -1;
    }

private:
    std::vector<std::uint8_t> bytes;
    timespec modified;
};

// The modification time of the file the bytes were made from, so that a second copy of the
// same picture is found to be there already.
timespec modificationTimeOf(const std::string& file)
{
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 ? status.st_mtim : timespec{};
}

} // namespace

std::optional<std::string> resolveItemFile(const InMedia& media, const std::string& playerFolder)
{
    if (media.isThumbnailPhoto())
        return resolvePlayerFile(*media.getStoredPicture()->file, playerFolder);
    return resolvePlayerFile(media.getPath(), playerFolder);
}

std::unique_ptr<CopySource> openItemSource(const InMedia& media, const std::string& file)
{
    if (media.isThumbnailPhoto())
        return std::make_unique<BytesCopySource>(encodePng(loadStoredPicture(*media.getStoredPicture(), file)),
                                                 modificationTimeOf(file));
    return std::make_unique<FileCopySource>(file);
}

} // namespace korvida
