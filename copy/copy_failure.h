#pragma once

#include <string>

namespace korvida {

// Why a copy failed: a system error number (always positive), or one of the copy's own
// reasons below, which are negative so that the two never meet.
inline constexpr int kSourceChanged = -1;      // the file changed size while it was read
inline constexpr int kNotRegularFile = -2;     // a folder, pipe or device stands at the path
inline constexpr int kUnknownCopyFailure = -3; // a failure that left no error number

// The reason in a few words for a message such as "could not copy PATH: no space left":
// the common cases in plain words, any other error number in the system's own words.
std::string copyFailureReason(int failure);

} // namespace korvida
