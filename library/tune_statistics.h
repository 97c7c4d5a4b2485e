#pragma once

#include <cstdint>
#include <optional>

// What a player counted for one tune, as its track record holds it. A field that the record
// is too short to hold is unset, and so is a date of 0. Dates stay in the player's own form
// (seconds since 1904-01-01 UTC, which fits the record's 32 bits) to keep the item small.
struct TuneStatistics {
    std::optional<std::uint8_t> rating; // 0 to 100, 20 a star
    std::optional<std::uint32_t> playCount;
    std::optional<std::uint32_t> skipCount;
    std::uint32_t lastPlayedSince1904 = 0;
    std::uint32_t dateAddedSince1904 = 0;

    std::optional<std::int64_t> lastPlayed() const { return unixTime(lastPlayedSince1904); }
    std::optional<std::int64_t> dateAdded() const { return unixTime(dateAddedSince1904); }

    // Seconds from 1904-01-01 to 1970-01-01.
    static constexpr std::int64_t kSecondsBefore1970 = 2082844800;

    // Seconds since 1970-01-01 UTC, or unset for 0.
    static std::optional<std::int64_t> unixTime(std::uint32_t since1904)
    {
        if (since1904 == 0)
            return std::nullopt;
        return static_cast<std::int64_t>(since1904) - kSecondsBefore1970;
    }
};
