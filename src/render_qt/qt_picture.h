// Picture files: natural size from the header alone, and decoding scaled to
// the pixels a target needs, upright per the file's EXIF orientation.
//
// A page needs a photo at about 300 dpi of its printed size, a preview at
// screen resolution, a thumbnail at a few hundred pixels: a camera's 24
// million pixels are never decoded in full. A file that is not a picture,
// is cut short, or claims more than kMaxPicturePixels gives nothing (an
// empty optional or a null image), in bounded time and memory.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <string>

#include "render/surface.h"

namespace orsalimbra::render {

// Pictures are measured at 96 pixels per inch whatever resolution their file
// records: callers use only the natural size's aspect ratio, and most files
// record none or a meaningless one.
inline constexpr double kPictureTwipsPerPixel = 1440.0 / 96.0;

// Files whose header claims more pixels than this are refused: decoding even
// a scaled-down copy must read every pixel's data. 150 million pixels is
// beyond any camera's still picture.
inline constexpr long long kMaxPicturePixels = 150'000'000;

// Memory allowed to one decoded image, in megabytes. Scaled decoding keeps
// page pictures far below it; full-size decoders (BMP, GIF) may need it.
inline constexpr int kDecodeAllocationLimitMb = 256;

// The picture's size in pixels as it will be shown, EXIF rotation applied;
// read from the header only. Empty when the file cannot be opened, is no
// picture Qt can read, has no pixels, or exceeds kMaxPicturePixels.
std::optional<QSize> PicturePixelSize(const QString& path);

// The natural size in twips, from PicturePixelSize.
std::optional<Picture> LoadPictureFile(const std::string& path);

// Decodes `part` of the picture (the whole by default) scaled to `size`
// pixels (as shown, aspect ratio not kept), but never to more pixels than the
// file holds for that part in either direction: the painter scales such a
// picture up. Only the part is decoded where the format allows (JPEG). Null
// when the size or the part is empty or the file is missing, incomplete or
// undecodable.
QImage DecodePicture(const QString& path, QSize size, const PicturePart& part = {});

// A thumbnail: the picture scaled to fit within `box` with its aspect ratio
// kept, decoded at that size (small pictures are scaled up after decoding).
QImage DecodePictureToFit(const QString& path, QSize box);

}  // namespace orsalimbra::render
