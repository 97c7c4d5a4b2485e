#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "devicedb/byte_view.h"
#include "devicedb/tag_set.h"

namespace korvida {

struct DeviceText {
    std::string text;    // UTF-8
    std::size_t end = 0; // where the text stopped: the unit before which a tag begins, or the data's end
};

// UTF-16LE units read two bytes at a time from start and given as UTF-8. The text ends where
// one of the ending tags begins at a unit or one byte after it, at the end of the data, or
// after maxUnits units. Zero units are left out; so is the first non-zero unit when
// dropFirstUnit is set. An unpaired surrogate becomes U+FFFD.
DeviceText readUnitText(ByteView data, std::size_t start, const TagSet& ends, std::size_t maxUnits = SIZE_MAX,
                        bool dropFirstUnit = false);

struct ByteText {
    std::string text;
    std::size_t end = 0;
};

// A UTF-8 text read a byte at a time from start until an ending tag begins: zero bytes are
// skipped, the first non-zero byte (the record's encoding mark) is dropped, and at most
// 499 bytes are kept.
ByteText readByteText(ByteView data, std::size_t start, const TagSet& ends);

} // namespace korvida
