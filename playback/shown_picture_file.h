#pragma once

#include <string>

#include "picture/rgb_image.h"

namespace korvida {

// A picture decoded from the player's thumbnail files, written as a PNG file for the movie
// layer, which opens files, and for the media keys' cover address. One file at a time, in
// a folder of its own under the temporary folder: the previous file goes when the next is
// written, and the folder when this object goes.
class ShownPictureFile {
public:
    ShownPictureFile() = default;
    ~ShownPictureFile();
    ShownPictureFile(const ShownPictureFile&) = delete;
    ShownPictureFile& operator=(const ShownPictureFile&) = delete;

    // The path of the new file, or an empty text when the picture is empty or the file
    // could not be written.
    std::string write(const RgbImage& picture);
    const std::string& path() const { return current; }

private:
    std::string folder;
    std::string current;
    unsigned written = 0;
};

} // namespace korvida
