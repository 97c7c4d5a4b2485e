#pragma once

#include <string>
#include <vector>

// The readable places and names that copied items get inside the chosen folder. Every
// piece made from the player's data goes through exportComponent, so no name from the
// player can point outside that folder.
namespace korvida {

// Stands in for a path component that would be empty, "." or "..".
inline constexpr const char* kComponentStandIn = "_";

// Every "/" of a field becomes ":" (and a NUL byte, which no file name can hold, "_").
std::string replaceSlashes(const std::string& field);

// A field made fit to be one path component: the replacement above, then a result that is
// empty, "." or ".." becomes the stand-in.
std::string exportComponent(const std::string& field);

// A picture's year, month or day field as folder levels: a "/" in it opens a further
// level, and every level is made safe on its own.
std::vector<std::string> exportFolderLevels(const std::string& field);

// "NN name.type" with the track number (at least two digits) when `withTrackNumber` and
// the number is above 0, otherwise "name.type".
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

} // namespace korvida
