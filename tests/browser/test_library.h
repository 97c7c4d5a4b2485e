#pragma once

#include <memory>
#include <string>
#include <vector>

#include "library/in_media.h"

// A library built in memory for the browser tests.
struct TestLibrary {
    std::vector<std::unique_ptr<InMedia>> items;

    InMedia& add(const std::string& name, const std::string& artist, const std::string& album,
                 const std::string& genere, int track = 0, int type = InMedia::kMusic)
    {
        auto media = std::make_unique<InMedia>();
        media->setName(name);
        media->setArtist(artist);
        media->setAlbum(album);
        media->setGenere(genere);
        media->setTuneOnCdNr(track);
        media->setMediaType(type);
        items.push_back(std::move(media));
        return *items.back();
    }

    std::vector<InMedia*> all() const
    {
        std::vector<InMedia*> pointers;
        for (const auto& media : items)
            pointers.push_back(media.get());
        return pointers;
    }
};

inline std::vector<std::string> namesOf(const std::vector<InMedia*>& medias)
{
    std::vector<std::string> names;
    for (const InMedia* media : medias)
        names.push_back(media->getCleanName());
    return names;
}
