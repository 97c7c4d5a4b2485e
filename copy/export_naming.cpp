#include "copy/export_naming.h"

#include <cstdio>

#include "library/utf8.h"

namespace korvida {

std::string replaceLineBreakers(const std::string& text, char replacement)
{
    std::string replaced;
    replaced.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = [&](std::size_t ahead) {
            return i + ahead < text.size() ? static_cast<unsigned char>(text[i + ahead]) : 0;
        };
        // U+0080 to U+009F are C2 80 to C2 9F in UTF-8; U+2028 and U+2029 are E2 80 A8 and A9.
        const std::size_t extra = c == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F  ? 1
            : c == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9) ? 2
                                                                                   : 0;
        if (c < 0x20 || c == 0x7F || extra > 0) {
            replaced += replacement;
            i += extra;
        } else {
            replaced += static_cast<char>(c);
        }
    }
    return replaced;
}

std::string replaceUnsafeCharacters(const std::string& field)
{
    std::string replaced = replaceLineBreakers(field, '_');
    for (char& c : replaced)
        if (c == '/')
            c = ':';
    return replaced;
}

std::string cutAtCharacter(const std::string& text, std::size_t limit)
{
    return std::string(utf8::cutAtCharacter(text, limit));
}

std::string fitComponent(const std::string& stem, const std::string& tail)
{
    if (tail.size() >= kMaxComponentBytes)
        return cutAtCharacter(stem + tail, kMaxComponentBytes);
    return cutAtCharacter(stem, kMaxComponentBytes - tail.size()) + tail;
}

std::string exportComponent(const std::string& field)
{
    std::string component = cutAtCharacter(replaceUnsafeCharacters(field), kMaxComponentBytes);
    if (component.empty() || component == "." || component == "..")
        return kComponentStandIn;
    return component;
}

std::vector<std::string> exportFolderLevels(const std::string& field)
{
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    for (;;) {
        const auto slash = field.find('/', start);
        const std::string piece = field.substr(start, slash - start);
        // Past the last level allowed, the pieces are joined as the naming joins a "/".
        if (pieces.size() == kMaxPictureLevels)
            pieces.back() += ":" + piece;
        else
            pieces.push_back(piece);
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    std::vector<std::string> levels;
    for (const std::string& piece : pieces)
        levels.push_back(exportComponent(piece));
    return levels;
}

std::string musicMovieFileName(const std::string& name, const std::string& fileType, int tuneOnCdNr,
                               bool withTrackNumber)
{
    std::string prefix;
    if (withTrackNumber && tuneOnCdNr > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%02d ", tuneOnCdNr);
        prefix = number;
    }
    // The extension comes from the player too: keep a "/" in it from opening a folder.
    return fitComponent(prefix + exportComponent(name), "." + replaceUnsafeCharacters(fileType));
}

ExportPlace musicMoviePlace(const std::string& artist, const std::string& album, const std::string& fileName)
{
    return {{exportComponent(artist), exportComponent(album)}, fileName};
}

ExportPlace picturePlace(const std::string& year, const std::string& month, const std::string& day,
                         const std::string& nameWithType)
{
    ExportPlace place;
    for (const std::string* field : {&year, &month, &day}) {
        auto levels = exportFolderLevels(*field);
        place.folders.insert(place.folders.end(), levels.begin(), levels.end());
    }
    const auto [stem, extension] = splitExtension(replaceUnsafeCharacters(nameWithType));
    place.fileName = exportComponent(fitComponent(stem, extension));
    return place;
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder + "/" + name;
}

std::pair<std::string, std::string> splitExtension(const std::string& fileName)
{
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {fileName, ""};
    return {fileName.substr(0, dot), fileName.substr(dot)};
}

} // namespace korvida
