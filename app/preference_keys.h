#pragma once

namespace korvida {

// The user-defaults keys of the three preferences.
inline constexpr const char* kFadeWindowsKey = "fadeWindowsKey";
inline constexpr const char* kSaveWithTrackNumberKey = "saveWithTrackNumberKey";
inline constexpr const char* kWhereToImportKey = "whereToImportKey";
// The width of the browser side of the main window, as the user left the splitter.
inline constexpr const char* kBrowserWidthKey = "browserWidth";
// The media-table columns the user chose to show, by identifier, separated by spaces.
inline constexpr const char* kShownMediaColumnsKey = "shownMediaColumns";
// 1 = imported tunes get the player's rating and play count in their own tags.
inline constexpr const char* kWriteStatisticsKey = "writeStatisticsKey";
// The folder last chosen for a copy, where the next folder sheet starts.
inline constexpr const char* kLastCopyFolderKey = "lastCopyFolder";

} // namespace korvida
