#pragma once

namespace korvida {

// How the copy of one item ended. The window only tells copied from not copied; the
// command line counts every kind for its summary.
enum class CopyOutcome : int {
    copied,
    // Something already stood at the destination; it was left alone.
    skipped,
    // The item's file is gone from the player; the item was marked broken.
    missing,
    // A file could not be opened, read or written; nothing was left under the final name.
    failed,
    // A cancel request stopped the copy; nothing was left under the final name.
    cancelled,
};

} // namespace korvida
