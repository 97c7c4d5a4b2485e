#pragma once

#include <QByteArray>
#include <QString>

namespace korvida::qt {

// The bytes of the cover picture stored in a tune file's tags, read with TagLib: the front
// cover (else the first picture) of an MP3's ID3v2 tag of any version, or the first cover of
// an AAC/M4A file. Empty where there is none.
QByteArray readEmbeddedCover(const QString& path);

} // namespace korvida::qt
