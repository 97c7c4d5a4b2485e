#include <algorithm>

#include "copy/copy_outcome.h"
#include "copy/file_copy_source.h"
#include "copy/partial_file.h"
#include "library/in_media.h"

using korvida::CopyOutcome;

bool InMedia::copyPath(const std::string& source, const std::string& destination,
                       std::atomic<int>& numberOfSaveMedia)
{
    korvida::FileCopySource file(source);
    return copyFrom(file, destination, numberOfSaveMedia) == CopyOutcome::copied;
}

CopyOutcome InMedia::copyFrom(korvida::CopySource& source, const std::string& destination,
                              std::atomic<int>& numberOfSaveMedia)
{
    isCopying.store(true, std::memory_order_relaxed);
    CopyOutcome outcome = CopyOutcome::failed;
    {
        korvida::PartialFile partial(destination);
        const std::uint64_t size = source.measureSize();
        fileSize.store(size, std::memory_order_relaxed);
        if (source.isOpen() && partial.isOpen()) {
            partial.reserve(size);
            // A small file is read in one piece of its exact size, an empty one in none.
            const std::uint64_t chunk = std::min<std::uint64_t>(korvida::kCopyChunkSize, size);
            std::uint64_t position = 0;
            posisjon.store(0, std::memory_order_relaxed);
            bool whole = true;
            while (position < size && !shouldStopCopy.load(std::memory_order_relaxed)) {
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
                posisjon.store(position, std::memory_order_relaxed);
            }
            // A source whose size changed meanwhile was not copied as it is now.
            whole = whole && source.measureSize() == size;
            if (shouldStopCopy.exchange(false, std::memory_order_relaxed))
                outcome = CopyOutcome::cancelled;
            else if (whole && partial.commit())
                outcome = CopyOutcome::copied;
        }
        // Leaving the scope removes the partial file unless it was committed.
    }
    numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    isCopying.store(false, std::memory_order_relaxed);
    return outcome;
}
