#include "copy/destination_file_system.h"

#include <cerrno>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "copy/export_naming.h"
#include "copy/whole_file.h"

namespace korvida {

namespace {

class LocalFileSystem final : public DestinationFileSystem {
public:
    std::error_code makeFolder(const std::string& path) override
    {
        if (::mkdir(path.c_str(), 0777) == 0)
            return {};
        return {errno, std::generic_category()};
    }

    void removeEmptyFolder(const std::string& path) override { ::rmdir(path.c_str()); }

    std::error_code writeWholeFile(const std::string& path, const std::string& text) override
    {
        return replaceWholeFile(path, text);
    }
};

} // namespace

DestinationFileSystem& localFileSystem()
{
    static LocalFileSystem instance;
    return instance;
}

std::string portableName(const std::string& name)
{
    static constexpr std::string_view refused = ":\\*?\"<>|";
    std::string portable = name;
    for (char& c : portable)
        if (refused.find(c) != std::string_view::npos)
            c = '_';
    while (!portable.empty() && (portable.back() == '.' || portable.back() == ' '))
        portable.pop_back();
    return portable.empty() ? kComponentStandIn : portable;
}

bool acceptsName(DestinationFileSystem& fileSystem, const std::string& folder, const std::string& name)
{
    const std::string probe = joinPath(folder, name);
    const std::error_code error = fileSystem.makeFolder(probe);
    if (!error)
        fileSystem.removeEmptyFolder(probe);
    return error != std::errc::invalid_argument;
}

} // namespace korvida
