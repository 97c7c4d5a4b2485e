#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/device_writer/device_writer.h"

namespace korvida::devicewriter {

// A record under construction: a four-letter tag, a zero-filled header of a given length
// whose little-endian fields are set by offset, and the child records appended after it.
class Record {
public:
    Record(std::string_view tag, std::uint32_t headerLength);

    Record& set32(std::size_t offset, std::uint32_t value);
    Record& set16(std::size_t offset, std::uint16_t value);
    Record& append(const Bytes& child);

    // The bytes, with the total length written at offset 8 unless the record keeps a count
    // there (list headers).
    Bytes finish(bool totalLengthAt8 = true);

private:
    Bytes bytes;
};

Bytes concat(const std::vector<Bytes>& parts);

// A section record (type at 12) around its list.
Bytes sectionRecord(std::uint32_t type, const Bytes& list);

// A list header (the number of children at 8) followed by its children.
Bytes listRecord(std::string_view tag, std::size_t count, const std::vector<Bytes>& children);

} // namespace korvida::devicewriter
