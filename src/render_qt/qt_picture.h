// Picture files: natural size from the header alone, and decoding scaled to
// the pixels a target needs, upright per the file's EXIF orientation.
//
// A page needs a photo at about 300 dpi of its printed size, a preview at
// screen resolution, a thumbnail at a few hundred pixels: a camera's 24
// million pixels are never decoded in full. A file that is not a picture,
// is cut short, or claims more than kMaxPicturePixels gives nothing (an
// empty optional or a null image), in bounded time and memory; so does one
// whose decoding would take more than kDecodeBudgetBytes.
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

// The memory all the decodes running at one time may take, and so the most
// one picture may take: its file, the decoder's own buffers (a progressive
// JPEG keeps every coefficient of the image, whatever size it is scaled
// to), the image decoded and its scaled copies. A picture whose header
// promises more is not decoded and draws nothing, like a picture that cannot
// be read. 192 MB decode a progressive photo of about 35 million pixels for
// a page (40 million for a thumbnail) or a PNG of about 30 million; camera
// JPEGs, which are sequential, cost far less at any size. With the rest of
// a print job (some 80 MB) a job stays below 300 MB whatever its pictures.
inline constexpr long long kDecodeBudgetBytes = 192LL * 1024 * 1024;

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
// when the size or the part is empty or the file is missing, incomplete,
// undecodable or over the decode budget. Decodes on several threads share
// the budget: one that does not fit beside those running waits for them.
QImage DecodePicture(const QString& path, QSize size, const PicturePart& part = {});

// A thumbnail: the picture scaled to fit within `box` with its aspect ratio
// kept, decoded at that size (small pictures are scaled up after decoding).
QImage DecodePictureToFit(const QString& path, QSize box);

// The memory, in bytes, that decoding `part` of the picture `path` to `size`
// pixels (as DecodePicture does) would take at its peak, from its headers
// alone; nothing when the file is no picture that can be decoded.
std::optional<long long> PictureDecodeCost(const QString& path, QSize size,
                                           const PicturePart& part = {});

}  // namespace orsalimbra::render
