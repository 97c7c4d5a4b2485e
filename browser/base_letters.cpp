#include "browser/base_letters.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace korvida {
namespace {

// Letters with no decomposition that are still read as a plain letter with a mark.
const char16_t* plainSpelling(UChar32 c)
{
    switch (c) {
    case u'ø': return u"o";
    case u'Ø': return u"O";
    case u'æ': return u"ae";
    case u'Æ': return u"AE";
    case u'œ': return u"oe";
    case u'Œ': return u"OE";
    case u'ß': return u"ss";
    case u'đ':
    case u'ð': return u"d";
    case u'Đ':
    case u'Ð': return u"D";
    case u'ł': return u"l";
    case u'Ł': return u"L";
    case u'þ': return u"th";
    case u'Þ': return u"TH";
    case u'ı': return u"i";
    case u'ħ': return u"h";
    case u'Ħ': return u"H";
    default: return nullptr;
    }
}

} // namespace

std::string baseLetters(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* decompose = icu::Normalizer2::getNFDInstance(status);
    const icu::UnicodeString source = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    const icu::UnicodeString decomposed = U_SUCCESS(status) ? decompose->normalize(source, status) : source;
    icu::UnicodeString plain;
    for (int32_t i = 0; i < decomposed.length(); i = decomposed.moveIndex32(i, 1)) {
        const UChar32 c = decomposed.char32At(i);
        if (u_charType(c) == U_NON_SPACING_MARK)
            continue;
        if (const char16_t* spelling = plainSpelling(c))
            plain.append(icu::UnicodeString(spelling));
        else
            plain.append(c);
    }
    std::string result;
    (U_SUCCESS(status) ? plain : source).toUTF8String(result);
    return result;
}

} // namespace korvida
