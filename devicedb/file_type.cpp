#include "devicedb/file_type.h"

namespace korvida {

std::string getFileType(const std::string& path)
{
    std::string_view rest = path;
    while (rest.size() > 1 && rest.back() == '/')
        rest.remove_suffix(1);
    if (const auto slash = rest.rfind('/'); slash != std::string_view::npos && rest.size() > 1)
        rest.remove_prefix(slash + 1);
    if (const auto dot = rest.rfind('.'); dot != std::string_view::npos)
        rest.remove_prefix(dot + 1);
    return std::string(rest);
}

} // namespace korvida
