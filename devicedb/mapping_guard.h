#pragma once

#include <cstddef>
#include <cstdint>

namespace korvida {

// Another program may make a database file shorter while it is mapped; reading a page past
// the file's new end then raises SIGBUS, which would end the program. While a mapping is
// guarded, such a page is replaced by one of zeros, which the readers take for no records,
// and the guard remembers that the file was cut short. Signals at other addresses go to the
// handler that was there before.
class MappingGuard {
public:
    MappingGuard() = default;
    MappingGuard(const std::uint8_t* bytes, std::size_t size);
    MappingGuard(MappingGuard&& other) noexcept;
    MappingGuard& operator=(MappingGuard&& other) noexcept;
    ~MappingGuard();

    bool fileWasCutShort() const;

private:
    static constexpr int kNone = -1;
    int slot = kNone; // in the table of guarded ranges; kNone when no more ranges fit
};

} // namespace korvida
