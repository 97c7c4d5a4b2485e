#pragma once

#include <memory>
#include <span>
#include <vector>

class InMedia;

// The type filters of the browser: which items of the library take part.
namespace korvida {

enum class TypeFilter {
    Movies,
    Music,
    Pictures,
    MusicAndMovies,
    All
};

bool passesTypeFilter(const InMedia& media, TypeFilter filter);

// The items of the library that pass the filter, in library order.
std::vector<InMedia*> mediasOfType(std::span<const std::unique_ptr<InMedia>> library, TypeFilter filter);

} // namespace korvida
