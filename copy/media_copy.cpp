#include "copy/media_copy.h"

#include <algorithm>

#include "copy/file_copy_source.h"
#include "copy/partial_file.h"
#include "library/in_media.h"

namespace korvida {

bool copyPath(InMedia& media, const std::string& source, const std::string& destination,
              std::atomic<int>& numberOfSaveMedia)
{
    FileCopySource file(source);
    return copyFrom(media, file, destination, numberOfSaveMedia) == CopyOutcome::copied;
}

CopyOutcome copyFrom(InMedia& media, CopySource& source, const std::string& destination,
                     std::atomic<int>& numberOfSaveMedia)
{
    media.setIsCopying(true);
    CopyOutcome outcome = CopyOutcome::failed;
    {
        PartialFile partial(destination);
        const std::uint64_t size = source.measureSize();
        media.setFileSizeInBytes(size);
        if (source.isOpen() && partial.isOpen()) {
            partial.reserve(size);
            // A small file is read in one piece of its exact size, an empty one in none.
            const std::uint64_t chunk = std::min<std::uint64_t>(kCopyChunkSize, size);
            std::uint64_t position = 0;
            media.setPosisjonInBytes(0);
            bool whole = true;
            while (position < size && !media.getShouldStopCopy()) {
                // Every chunk but the last must come whole, the last up to the measured
                // size: anything less means a read error, a source that ended early or a
                // write that failed.
                const std::uint64_t expected = std::min(chunk, size - position);
                if (source.copyChunk(position, chunk, partial.descriptor()) != static_cast<std::int64_t>(expected)) {
                    whole = false;
                    break;
                }
                // The position advances by the length asked for, so after the last chunk
                // it may stand above the size.
                position += chunk;
                media.setPosisjonInBytes(position);
            }
            // A source whose size changed meanwhile was not copied as it is now.
            whole = whole && source.measureSize() == size;
            if (media.takeShouldStopCopy())
                outcome = CopyOutcome::cancelled;
            else if (whole) {
                source.stampModificationTime(partial.descriptor());
                if (partial.commit())
                    outcome = CopyOutcome::copied;
            }
        }
        // Leaving the scope removes the partial file unless it was committed.
    }
    numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    media.setIsCopying(false);
    return outcome;
}

} // namespace korvida
