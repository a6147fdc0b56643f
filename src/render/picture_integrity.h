// Checks that a picture file holds all the data its own headers announce.
//
// The JPEG, BMP and GIF decoders accept a file that was cut short (an
// interrupted copy or download) and fill the missing part with grey or black;
// such a file must paint nothing instead. These checks walk the file's
// structure without decoding any pixel, so they cost one pass over the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orsalimbra::render {

using Bytes = std::span<const unsigned char>;

// The segments from SOI up to EOI, the entropy-coded data of every scan
// included (ITU-T T.81, annex B). Stray bytes between segments are skipped as
// the reference decoder does.
bool JpegComplete(Bytes bytes);

// What a JPEG file's frame header and first scan header tell of the work of
// a decoder, read without decoding anything.
struct JpegFrame {
  struct Component {
    unsigned h = 1;  // sampling factors, 1..4
    unsigned v = 1;
  };
  std::uint32_t width = 0;
  std::uint32_t height = 0;  // 0: given later (DNL), which decoders refuse
  std::vector<Component> components;
  bool progressive = false;
  // The decoder must keep every coefficient of the image until the last scan:
  // progressive files, and sequential ones whose first scan does not hold
  // every component.
  bool multiScan = false;
};

// The reference decoder takes at most this many components.
inline constexpr std::size_t kMaxJpegComponents = 10;

// The frame of a JPEG file up to its first scan; nothing when the headers
// are missing, repeated or malformed as a decoder would refuse them.
std::optional<JpegFrame> ReadJpegFrame(Bytes bytes);

// The bytes a decoder keeps for the whole image's coefficients while it reads
// a multi-scan file (libjpeg's coefficient buffers: two bytes per coefficient
// of every block of every component, CMYK's four included), whatever size it
// is asked to scale the picture to; 0 for a single-scan file, which is
// decoded a row of blocks at a time.
std::uint64_t JpegCoefficientBytes(const JpegFrame& frame);

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
