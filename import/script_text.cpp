#include "import/script_text.h"

#include <algorithm>

namespace korvida {

std::string scriptLiteral(const std::string& value)
{
    std::string literal = "\"";
    literal.reserve(value.size() + 2);
    for (const char c : value) {
        if (c == '\\' || c == '"')
            literal += '\\';
        literal += c;
    }
    return literal + "\"";
}

std::string hfsStylePath(const std::string& path)
{
    // The components as a path splits: "/" first for an absolute path, then every
    // non-empty piece between slashes.
    std::string joined = !path.empty() && path.front() == '/' ? "/" : "";
    std::string::size_type start = 0;
    while (start <= path.size()) {
        const auto slash = std::min(path.find('/', start), path.size());
        if (slash > start)
            joined += (joined.empty() ? "" : ":") + path.substr(start, slash - start);
        start = slash + 1;
    }
    return joined.empty() ? joined : joined.substr(1);
}

} // namespace korvida
