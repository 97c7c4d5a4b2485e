#include "copy/media_copy.h"

#include <algorithm>
#include <cerrno>

#include "copy/copy_failure.h"
#include "copy/file_copy_source.h"
#include "copy/partial_file.h"
#include "library/in_media.h"

namespace korvida {

namespace {

int failureOr(int failure)
{
    return failure != 0 ? failure : kUnknownCopyFailure;
}

// Moves the bytes of `source` into `partial` block by block, the item's position advancing
// by whole chunks. Answers why the copy broke off, 0 when every byte came or a cancel
// stopped it.
int copyBlocks(InMedia& media, CopySource& source, PartialFile& partial, std::uint64_t size)
{
    // A small file is read in one piece of its exact size, an empty one in none.
    const std::uint64_t chunk = std::min<std::uint64_t>(kCopyChunkSize, size);
    const std::uint64_t block = chunk * kChunksPerBlock;
    std::uint64_t position = 0;
    media.setPosisjonInBytes(0);
    while (position < size && !media.getShouldStopCopy()) {
        // Every block but the last must come whole, the last up to the measured size:
        // anything less means a read error, a source that ended early or a write that
        // failed; anything more, a source that grew.
        const std::uint64_t expected = std::min(block, size - position);
        errno = 0;
        const std::int64_t moved = source.copyChunk(position, block, partial.descriptor());
        if (moved < 0)
            return failureOr(errno);
        if (static_cast<std::uint64_t>(moved) != expected)
            return kSourceChanged;
        partial.startWriteBack(position, expected);
        // The position advances by whole chunks, so after the last one it may stand above
        // the size.
        position += (expected + chunk - 1) / chunk * chunk;
        media.setPosisjonInBytes(position);
    }
    // A source whose size changed meanwhile was not copied as it is now.
    return source.measureSize() == size ? 0 : kSourceChanged;
}

} // namespace

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
    int failure = 0;
    {
        PartialFile partial(destination);
        const std::uint64_t size = source.measureSize();
        media.setFileSizeInBytes(size);
        if (!source.isOpen())
            failure = failureOr(source.openFailure());
        else if (!partial.isOpen())
            failure = failureOr(partial.failure());
        else {
            partial.reserve(size);
            failure = copyBlocks(media, source, partial, size);
            if (media.takeShouldStopCopy())
                outcome = CopyOutcome::cancelled;
            else if (failure == 0) {
                source.stampModificationTime(partial.descriptor());
                if (partial.commit())
                    outcome = CopyOutcome::copied;
                else
                    failure = failureOr(partial.failure());
            }
        }
        // Leaving the scope removes the partial file unless it was committed.
    }
    media.setCopyFailure(outcome == CopyOutcome::failed ? failure : 0);
    numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    media.setIsCopying(false);
    return outcome;
}

} // namespace korvida
