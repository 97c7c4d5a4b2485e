#include "browser/search_match.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "browser/base_letters.h"
#include "browser/media_compare.h"
#include "library/in_media.h"

namespace korvida {
namespace {

bool isAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string lowerCased(std::string_view text)
{
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    unicode.toLower(icu::Locale::getRoot());
    std::string lowered;
    unicode.toUTF8String(lowered);
    return lowered;
}

namespace {

// Whether the field's first bytes, as many as the prefix has, are all ASCII.
bool hasAsciiHead(std::string_view field, std::string_view prefix)
{
    const std::size_t examined = std::min(field.size(), prefix.size());
    for (std::size_t i = 0; i < examined; ++i)
        if (!isAscii(field[i]))
            return false;
    return true;
}

// An ASCII head lower-cases (and is its own base letters) byte by byte, so it is compared
// in place.
bool asciiBeginsWith(std::string_view field, std::string_view prefix)
{
    if (field.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (asciiLower(field[i]) != prefix[i])
            return false;
    return true;
}

} // namespace

SearchText::SearchText(std::string_view typed) : lowered(lowerCased(typed)), folded(baseLetters(lowered))
{}

bool beginsWithSearchText(std::string_view field, const SearchText& text)
{
    // An ASCII field has no accents: it can only begin with the typed text's base letters.
    if (hasAsciiHead(field, text.folded))
        return asciiBeginsWith(field, text.folded);
    const std::string lowered = lowerCased(field);
    return lowered.starts_with(text.lowered) || baseLetters(lowered).starts_with(text.folded);
}

bool searchMatches(const InMedia& media, const SearchText& text)
{
    if (beginsWithSearchText(media.getArtist(), text) || beginsWithSearchText(media.getAlbum(), text) ||
        beginsWithSearchText(media.getGenere(), text))
        return true;
    // The shown name ends with the item's own; it is only looked at again where it differs.
    const std::string own = media.getOwnName();
    if (beginsWithSearchText(own, text))
        return true;
    const std::string shown = media.getName();
    return shown.size() != own.size() && beginsWithSearchText(shown, text);
}

std::vector<InMedia*> searchResult(std::span<InMedia* const> source, std::string_view typed)
{
    const SearchText text(typed);
    std::vector<InMedia*> found;
    for (InMedia* media : source)
        if (searchMatches(*media, text))
            found.push_back(media);
    sortMedias(found, MediaOrder::AlbumtDown);
    return found;
}

} // namespace korvida
