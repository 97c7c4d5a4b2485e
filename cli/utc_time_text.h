#pragma once

#include <cstdint>
#include <string>

namespace korvida::cli {

// The moment as ISO 8601 in UTC, to the second: "2020-09-13T12:26:40Z".
std::string utcTimeText(std::int64_t unixSeconds);

} // namespace korvida::cli
