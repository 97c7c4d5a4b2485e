#include "devicedb/photo_scan.h"

#include "devicedb/device_path.h"
#include "devicedb/device_text.h"
#include "devicedb/file_type.h"
#include "devicedb/photo_day.h"
#include "devicedb/photodb_records.h"
#include "devicedb/tag_set.h"

namespace korvida {

namespace {

// As for track locations: real texts are short, a damaged file's may run on.
constexpr std::size_t kMaxPlaceUnits = 4096;

const TagSet& placeEnds()
{
    static const TagSet tags{"mhii", "mhod", "mhsd", "mhba", "mhia", "mhif"};
    return tags;
}

const TagSet& nameEnds()
{
    static const TagSet tags{"mhod"};
    return tags;
}

} // namespace

PhotoScan::PhotoScan(ByteView data, const std::string& iPodPath, std::vector<std::unique_ptr<InMedia>>& medias)
    : fullResolutionFolder(iPodPath + "/Photos/Full Resolution"),
      thumbsFolder(iPodPath + "/Photos/Thumbs"),
      medias(medias),
      start(medias.size()),
      places(data, fullResolutionAt, ':', kTextReach),
      budget(ItemBudget::forItems(data.size())),
      thumbnails(iPodPath + "/Photos")
{}

void PhotoScan::imageHeader(ByteView data, std::size_t p)
{
    finishImage();
    byte1 = byteOrZero(data, p + 16);
    byte2 = byteOrZero(data, p + 17);
    // The date it was taken, else the date it was made digital.
    imageDate = le32At(data, p + 40) != 0 ? le32At(data, p + 40) : le32At(data, p + 44);
    thumbnails.startImage();
    inImage = true;
    imageHasOriginal = false;
}

void PhotoScan::finishImage()
{
    if (inImage && !imageHasOriginal)
        makeThumbnailPhoto();
    inImage = false;
}

void PhotoScan::nameRecord(ByteView data, std::size_t p)
{
    thumbnails.fileNameRecord(data, p);
    if (imageNameRecordAt(data, p))
        currentName = readByteText(upToNextPlace(data, p), p + 28, nameEnds()).text;
}

void PhotoScan::makePhoto(ByteView data, std::size_t p)
{
    // The name of an earlier name record is copied into this photo: a long one is paid for
    // as further items, so that copies of one name cannot outgrow the file.
    imageHasOriginal = true;
    if (!budget.take(1 + currentName.size() / ItemBudget::kFileBytesPerItem))
        return;
    // ":Full Resolution:2006:07:14:IMG_0101.JPG" is read from the colon before the year:
    // an empty piece, then year, month, day and file name. Missing pieces are empty; of
    // more pieces the last is the file name, the one the path ends in.
    std::vector<std::string> pieces = splitAtColons(
        readUnitText(upToNextPlace(data, p), p + 32, placeEnds(), kMaxPlaceUnits).text);
    const std::string path = pathInside(fullResolutionFolder, {pieces.begin() + 1, pieces.end()});
    pieces.resize(std::max<std::size_t>(pieces.size(), 5));
    const std::string& fileName = pieces.back();

    auto photo = std::make_unique<InMedia>();
    photo->setName(currentName.empty() ? fileName : currentName);
    photo->setGenere("Photos");
    photo->setArtist(pieces[1]);
    photo->setAlbum(pieces[2]);
    photo->setDay(pieces[3]);
    photo->setNameWithType(fileName);
    photo->setFileType(getFileType(path));
    photo->setPath(path);
    photo->setByte1mediaID(byte1);
    photo->setByte2mediaID(byte2);
    photo->setMediaType(InMedia::kPhoto);
    index.add(photo->shortId(), static_cast<std::uint32_t>(medias.size() - start));
    medias.push_back(std::move(photo));
}

void PhotoScan::makeThumbnailPhoto()
{
    if (!budget.take())
        return;
    const PhotoDay day = photoDay(imageDate);
    const std::string name = numberedPhotoName(++thumbnailPhotos);
    auto photo = std::make_unique<InMedia>();
    photo->setName(name);
    photo->setGenere("Photos");
    photo->setArtist(day.year);
    photo->setAlbum(day.month);
    photo->setDay(day.day);
    photo->setNameWithType(name + ".png");
    photo->setFileType("png");
    // A path of its own, which no file holds: the picture is read from its thumbnail file.
    // Without a thumbnail that fits its file the photo is copied as a missing one.
    photo->setPath(thumbsFolder + "/" + name + ".png");
    if (const auto& picture = thumbnails.largest())
        photo->setStoredPicture(*picture);
    photo->setByte1mediaID(byte1);
    photo->setByte2mediaID(byte2);
    photo->setMediaType(InMedia::kPhoto);
    index.add(photo->shortId(), static_cast<std::uint32_t>(medias.size() - start));
    medias.push_back(std::move(photo));
}

} // namespace korvida
