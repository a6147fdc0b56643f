// Checks that a picture file holds all the data its own headers announce.
//
// The JPEG, BMP and GIF decoders accept a file that was cut short (an
// interrupted copy or download) and fill the missing part with grey or black;
// such a file must paint nothing instead. These checks walk the file's
// structure without decoding any pixel, so they cost one pass over the bytes.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace orsalimbra::render {

using Bytes = std::span<const unsigned char>;

// The segments from SOI up to EOI, the entropy-coded data of every scan
// included (ITU-T T.81, annex B). Stray bytes between segments are skipped as
// the reference decoder does.
bool JpegComplete(Bytes bytes);

// The pixel array that the headers place at the data offset is all there,
// for uncompressed and bit-field rows. Run-length and embedded JPEG/PNG data
// are left to their decoders, which report a short file themselves.
bool BmpComplete(Bytes bytes);

// The blocks up to the end of the first image's data (the GIF89a format);
// later frames are never painted and are not checked.
bool GifComplete(Bytes bytes);

// Dispatches on Qt's format name ("jpeg", "bmp", "gif"); any other format is
// left to its decoder (the PNG decoder refuses a short file by itself).
bool PictureDataComplete(std::string_view format, Bytes bytes);

}  // namespace orsalimbra::render
