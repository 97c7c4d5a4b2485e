#include "browser/search_match.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

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
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    unicode.toLower(icu::Locale::getRoot());
    std::string lowered;
    unicode.toUTF8String(lowered);
    return lowered;
}

bool beginsWithLowerCased(std::string_view field, std::string_view loweredPrefix)
{
    // ASCII letters lower-case alone, whatever surrounds them, so a field whose first
    // bytes are ASCII is compared in place. Anything else goes through the full mapping,
    // which may change lengths and depends on context (the Greek final sigma).
    const std::size_t examined = std::min(field.size(), loweredPrefix.size());
    bool asciiHead = true;
    for (std::size_t i = 0; i < examined && asciiHead; ++i)
        asciiHead = isAscii(field[i]);
    if (asciiHead) {
        if (field.size() < loweredPrefix.size())
            return false;
        for (std::size_t i = 0; i < examined; ++i)
            if (asciiLower(field[i]) != loweredPrefix[i])
                return false;
        return true;
    }
    return lowerCased(field).starts_with(loweredPrefix);
}

bool searchMatches(const InMedia& media, std::string_view loweredText)
{
    return beginsWithLowerCased(media.getName(), loweredText) || beginsWithLowerCased(media.getArtist(), loweredText)
        || beginsWithLowerCased(media.getAlbum(), loweredText) || beginsWithLowerCased(media.getGenere(), loweredText);
}

std::vector<InMedia*> searchResult(std::span<InMedia* const> source, std::string_view typed)
{
    const std::string lowered = lowerCased(typed);
    std::vector<InMedia*> found;
    for (InMedia* media : source)
        if (searchMatches(*media, lowered))
            found.push_back(media);
    sortMedias(found, MediaOrder::AlbumtDown);
    return found;
}

} // namespace korvida
