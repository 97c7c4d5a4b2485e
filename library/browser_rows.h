#pragma once

#include <string>

// The one-string rows of the genre, artist and album columns. For photos an Artist row
// holds a year and an Album row a month.
class Genere {
public:
    explicit Genere(std::string value = {}) : genere(std::move(value)) {}
    void setGenere(const std::string& value) { genere = value; }
    const std::string& getGenere() const { return genere; }

private:
    std::string genere;
};

class Artist {
public:
    explicit Artist(std::string value = {}) : artist(std::move(value)) {}
    void setArtist(const std::string& value) { artist = value; }
    const std::string& getArtist() const { return artist; }

private:
    std::string artist;
};

class Album {
public:
    explicit Album(std::string value = {}) : album(std::move(value)) {}
    void setAlbum(const std::string& value) { album = value; }
    const std::string& getAlbum() const { return album; }

private:
    std::string album;
};
