#include "browser/column_stages.h"

#include "browser/column_rows.h"
#include "browser/media_compare.h"
#include "library/in_media.h"

namespace korvida {

bool passesGenreChoice(const InMedia& media, int genreRow, std::string_view genre)
{
    return genreRow == 0 || media.getGenere() == genre;
}

bool passesArtistChoice(const InMedia& media, int genreRow, std::string_view genre, int artistRow,
                        std::string_view artist)
{
    return passesGenreChoice(media, genreRow, genre) && (artistRow == 0 || media.getArtist() == artist);
}

bool passesAlbumChoice(const InMedia& media, std::string_view genre, std::string_view artist, std::string_view album)
{
    return (genre == kAllRow || genre == media.getGenere()) && (artist == kAllRow || artist == media.getArtist()) &&
        (album == kAllRow || album == media.getAlbum());
}

std::vector<Artist> artistRowsFor(std::span<InMedia* const> allMedias, int genreRow, std::string_view genre)
{
    return buildColumnRows<Artist>(allMedias,
                                   [&](const InMedia& media) { return passesGenreChoice(media, genreRow, genre); });
}

std::vector<Album> albumRowsFor(std::span<InMedia* const> allMedias, int genreRow, std::string_view genre,
                                int artistRow, std::string_view artist)
{
    return buildColumnRows<Album>(
        allMedias, [&](const InMedia& media) { return passesArtistChoice(media, genreRow, genre, artistRow, artist); });
}

std::vector<InMedia*> mediasForChoice(std::span<InMedia* const> allMedias, std::string_view genre,
                                      std::string_view artist, std::string_view album)
{
    std::vector<InMedia*> chosen;
    for (InMedia* media : allMedias)
        if (passesAlbumChoice(*media, genre, artist, album))
            chosen.push_back(media);
    sortMedias(chosen, MediaOrder::TuneOnCdNrUp);
    return chosen;
}

std::string filesCountText(std::size_t count)
{
    return std::to_string(count) + " Files";
}

} // namespace korvida
