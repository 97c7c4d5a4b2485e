#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"

namespace korvida {

// Makes pictures. Each answers nothing when the picture cannot be had.
class Images {
public:
    virtual ~Images() = default;

    // A picture shipped with the program, by name and type ("DropiPod", "png").
    virtual std::shared_ptr<Image> imageNamed(const std::string& name, const std::string& type) = 0;
    // A picture decoded from the bytes of an image file (a tune's cover picture). Called on
    // the cover thread too.
    virtual std::shared_ptr<Image> imageWithData(const std::vector<std::uint8_t>& bytes) = 0;
    virtual std::shared_ptr<Image> imageWithContentsOfFile(const std::string& path) = 0;
    // The desktop's icon for a file or folder.
    virtual std::shared_ptr<Image> iconForFile(const std::string& path) = 0;
};

// Finds files shipped with the program (the start-up sound, the home page) by name and type.
class Resources {
public:
    virtual ~Resources() = default;
    virtual std::optional<std::string> pathForResource(const std::string& name, const std::string& type) = 0;
};

} // namespace korvida
