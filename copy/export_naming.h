#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The readable places and names that copied items get inside the chosen folder. Every
// piece made from the player's data goes through exportComponent, so no name from the
// player can point outside that folder, hold a character a terminal acts on, or be longer
// than a file system allows.
namespace korvida {

// Stands in for a path component that would be empty, "." or "..".
inline constexpr const char* kComponentStandIn = "_";

// The longest name Linux file systems take for one path component, in bytes.
inline constexpr std::size_t kMaxComponentBytes = 255;

// A picture's date field opens at most this many folder levels; the rest is joined into
// the last of them.
inline constexpr std::size_t kMaxPictureLevels = 4;

// `text` with `replacement` for every character that a reader may take for the end of a
// line: the control characters (C0 with NUL, DEL, C1) and the line and paragraph
// separators U+2028 and U+2029.
std::string replaceLineBreakers(const std::string& text, char replacement);

// Every "/" of a field becomes ":", and every character replaceLineBreakers replaces "_".
std::string replaceUnsafeCharacters(const std::string& field);

// `text` cut to at most `limit` bytes without splitting a UTF-8 character.
std::string cutAtCharacter(const std::string& text, std::size_t limit);

// `stem` followed by `tail`, the stem cut so that the whole fits in one path component;
// the tail (an extension, a number) is kept whole.
std::string fitComponent(const std::string& stem, const std::string& tail);

// A field made fit to be one path component: the replacements above, cut to the longest
// name, then a result that is empty, "." or ".." becomes the stand-in.
std::string exportComponent(const std::string& field);

// A picture's year, month or day field as folder levels: a "/" in it opens a further
// level, up to kMaxPictureLevels, and every level is made safe on its own.
std::vector<std::string> exportFolderLevels(const std::string& field);

// "NN name.type" with the track number (at least two digits) when `withTrackNumber` and
// the number is above 0, otherwise "name.type"; a long name is cut, the number and the
// type are kept.
std::string musicMovieFileName(const std::string& name, const std::string& fileType, int tuneOnCdNr,
                               bool withTrackNumber);

// The folder levels under the run folder and the file name of one copied item.
struct ExportPlace {
    std::vector<std::string> folders;
    std::string fileName;
};

ExportPlace musicMoviePlace(const std::string& artist, const std::string& album, const std::string& fileName);
ExportPlace picturePlace(const std::string& year, const std::string& month, const std::string& day,
                         const std::string& nameWithType);

// Joins two pieces of a path with one "/".
std::string joinPath(const std::string& folder, const std::string& name);

// The split of a file name at its extension's dot: "a.b.mp3" is "a.b" and ".mp3"; a name
// with no dot after its first character has an empty extension.
std::pair<std::string, std::string> splitExtension(const std::string& fileName);

} // namespace korvida
