#include "browser/row_compare.h"

namespace korvida {

int compareStrings(std::string_view first, std::string_view second)
{
    const int result = first.compare(second);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int compareGenreUp(const Genere& self, const Genere& other)
{
    return compareStrings(self.getGenere(), other.getGenere());
}

int compareGenreDown(const Genere& self, const Genere& other)
{
    return compareStrings(other.getGenere(), self.getGenere());
}

int compareArtistUp(const Artist& self, const Artist& other)
{
    return compareStrings(self.getArtist(), other.getArtist());
}

int compareArtistDown(const Artist& self, const Artist& other)
{
    return compareStrings(other.getArtist(), self.getArtist());
}

int compareAlbumtUp(const Album& self, const Album& other)
{
    return compareStrings(self.getAlbum(), other.getAlbum());
}

int compareAlbumtDown(const Album& self, const Album& other)
{
    return compareStrings(other.getAlbum(), self.getAlbum());
}

} // namespace korvida
