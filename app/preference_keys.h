#pragma once

namespace korvida {

// The user-defaults keys of the three preferences.
inline constexpr const char* kFadeWindowsKey = "fadeWindowsKey";
inline constexpr const char* kSaveWithTrackNumberKey = "saveWithTrackNumberKey";
inline constexpr const char* kWhereToImportKey = "whereToImportKey";

} // namespace korvida
