#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvida {

// The whole file in one read; empty when it cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::string& path);

} // namespace korvida
