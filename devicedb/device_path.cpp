#include "devicedb/device_path.h"

#include <string_view>

namespace korvida {

namespace {

template <typename Visit>
void forEachPiece(std::string_view text, char separator, Visit visit)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        visit(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

} // namespace

std::vector<std::string> splitAtColons(const std::string& text)
{
    std::vector<std::string> pieces;
    forEachPiece(text, ':', [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

std::string pathInside(const std::string& base, const std::vector<std::string>& pieces)
{
    std::string path = base;
    for (const std::string& piece : pieces)
        forEachPiece(piece, '/', [&path](std::string_view component) {
            if (component.empty() || component == "." || component == "..")
                return;
            path += '/';
            path += component;
        });
    return path;
}

} // namespace korvida
