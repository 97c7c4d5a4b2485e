#include "copy/export_naming.h"

#include <cstdio>

namespace korvida {

std::string replaceSlashes(const std::string& field)
{
    std::string replaced = field;
    for (char& c : replaced) {
        if (c == '/')
            c = ':';
        else if (c == '\0')
            c = '_';
    }
    return replaced;
}

std::string exportComponent(const std::string& field)
{
    std::string component = replaceSlashes(field);
    if (component.empty() || component == "." || component == "..")
        return kComponentStandIn;
    return component;
}

std::vector<std::string> exportFolderLevels(const std::string& field)
{
    std::vector<std::string> levels;
    std::string::size_type start = 0;
    for (;;) {
        const auto slash = field.find('/', start);
        levels.push_back(exportComponent(field.substr(start, slash - start)));
        if (slash == std::string::npos)
            return levels;
        start = slash + 1;
    }
}

std::string musicMovieFileName(const std::string& name, const std::string& fileType, int tuneOnCdNr,
                               bool withTrackNumber)
{
    // The extension comes from the player too: keep a "/" in it from opening a folder.
    std::string fileName = exportComponent(name) + "." + replaceSlashes(fileType);
    if (withTrackNumber && tuneOnCdNr > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%02d ", tuneOnCdNr);
        fileName = number + fileName;
    }
    return fileName;
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
    place.fileName = exportComponent(nameWithType);
    return place;
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder + "/" + name;
}

} // namespace korvida
