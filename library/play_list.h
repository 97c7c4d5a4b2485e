#pragma once

#include <string>
#include <vector>

class InMedia;

// A playlist, a photo album, a library entry ("Music/Movies", "Photos", ...) or an
// entry of the import-target list. It refers to its members; the library owns them.
class PlayList {
public:
    void setListName(const std::string& value) { listName = value; }
    const std::string& getCleanListName() const { return listName; }
    // Ordinary playlists are indented by one space under the library entries.
    std::string getListName() const { return isSubList ? listName : " " + listName; }

    void addMedia(InMedia* media) { medias.push_back(media); }
    const std::vector<InMedia*>& getMedias() const { return medias; }

    void setIsSubList(bool value) { isSubList = value; }
    bool getIsSubList() const { return isSubList; }

    void setTaged(bool value) { taged = value; }
    bool getTaged() const { return taged; }

    void setTaggedInPlayList(const std::string& value) { taggedInPlayList = value; }
    const std::string& getTaggedInPlayList() const { return taggedInPlayList; }

private:
    std::string taggedInPlayList;
    std::string listName;
    std::vector<InMedia*> medias;
    bool isSubList = false;
    bool taged = false;
};
