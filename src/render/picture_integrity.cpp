#include "render/picture_integrity.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orsalimbra::render {

namespace {

std::uint32_t LittleEndian16(Bytes b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}

std::uint32_t LittleEndian32(Bytes b, std::size_t at) {
  return LittleEndian16(b, at) | (LittleEndian16(b, at + 2) << 16);
}

bool IsRestartMarker(unsigned code) { return code >= 0xD0 && code <= 0xD7; }

// Index of the first 0xFF at or after `from`, or the size when there is none.
std::size_t NextFF(Bytes b, std::size_t from) {
  if (from >= b.size()) return b.size();
  const void* hit = std::memchr(b.data() + from, 0xFF, b.size() - from);
  return hit == nullptr
             ? b.size()
             : static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - b.data());
}

// Entropy-coded data ends at the first marker that is neither a stuffed
// 0xFF00 nor a restart marker; returns the index of that marker's 0xFF.
std::size_t EndOfScan(Bytes b, std::size_t i) {
  for (;;) {
    i = NextFF(b, i);
    if (i + 1 >= b.size()) return b.size();
    const unsigned next = b[i + 1];
    if (next == 0x00 || IsRestartMarker(next)) {
      i += 2;
    } else {
      return i;
    }
  }
}

// Skips a chain of GIF data sub-blocks ending with an empty one; false when
// the chain runs past the end.
bool SkipSubBlocks(Bytes b, std::size_t& i) {
  for (;;) {
    if (i >= b.size()) return false;
    const std::size_t length = b[i++];
    if (length == 0) return true;
    i += length;
  }
}

std::size_t ColourTableBytes(unsigned flags) {
  return (flags & 0x80) != 0 ? 3u * (std::size_t{1} << ((flags & 0x07) + 1)) : 0;
}

// One marker segment of a JPEG file: its code, and where its bytes after
// the length field lie.
struct Marker {
  unsigned code = 0;
  std::size_t payload = 0;
  std::size_t size = 0;
};

// Reads the marker at or after `i` and moves `i` past its segment (past the
// entropy-coded data too, after an SOS). False when the data end before the
// next marker, or a segment's length runs past them.
bool NextMarker(Bytes b, std::size_t& i, Marker& marker) {
  for (;;) {
    i = NextFF(b, i);                          // skips stray bytes, as libjpeg does with a warning
    while (i < b.size() && b[i] == 0xFF) ++i;  // fill bytes before the code
    if (i >= b.size()) return false;
    marker = {b[i++], 0, 0};
    if (marker.code == 0xD9) return true;                               // EOI
    if (marker.code == 0x01 || IsRestartMarker(marker.code)) continue;  // no length field
    if (marker.code == 0x00) continue;  // a stuffed zero outside a scan: stray data
    if (i + 2 > b.size()) return false;
    const std::size_t length = (std::size_t{b[i]} << 8) | b[i + 1];
    if (length < 2) return false;
    marker.payload = i + 2;
    marker.size = length - 2;
    i += length;
    if (i > b.size()) return false;
    if (marker.code == 0xDA) i = EndOfScan(b, i);  // SOS: the scan's data follows its header
    return true;
  }
}

bool StartsJpeg(Bytes b) { return b.size() >= 4 && b[0] == 0xFF && b[1] == 0xD8; }

// SOF0..SOF15 but DHT (C4), JPG (C8) and DAC (CC), which share the range.
bool IsFrameMarker(unsigned code) {
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

std::uint64_t RoundUp(std::uint64_t value, std::uint64_t step) {
  return (value + step - 1) / step * step;
}

}  // namespace

bool JpegComplete(Bytes b) {
  if (!StartsJpeg(b)) return false;
  std::size_t i = 2;
  Marker marker;
  while (NextMarker(b, i, marker)) {
    if (marker.code == 0xD9) return true;
  }
  return false;
}

std::optional<JpegFrame> ReadJpegFrame(Bytes b) {
  if (!StartsJpeg(b)) return std::nullopt;
  std::size_t i = 2;
  Marker marker;
  std::optional<JpegFrame> frame;
  while (NextMarker(b, i, marker) && marker.code != 0xD9) {
    const std::size_t p = marker.payload;
    if (IsFrameMarker(marker.code)) {
      // A second frame header is an error to the decoder.
      if (frame || marker.size < 6) return std::nullopt;
      const std::size_t count = b[p + 5];
      if (count == 0 || count > kMaxJpegComponents || marker.size < 6 + 3 * count) {
        return std::nullopt;
      }
      frame.emplace();
      frame->height = (std::uint32_t{b[p + 1]} << 8) | b[p + 2];
      frame->width = (std::uint32_t{b[p + 3]} << 8) | b[p + 4];
      for (std::size_t c = 0; c < count; ++c) {
        const unsigned sampling = b[p + 6 + 3 * c + 1];
        const JpegFrame::Component component{sampling >> 4, sampling & 0x0F};
        if (component.h < 1 || component.h > 4 || component.v < 1 || component.v > 4) {
          return std::nullopt;
        }
        frame->components.push_back(component);
      }
      // Progressive DCT, with Huffman or arithmetic coding, alone or in a
      // hierarchy.
      frame->progressive = (marker.code & 0x03) == 0x02;
    } else if (marker.code == 0xDA) {
      if (!frame || marker.size < 1) return std::nullopt;
      // As the reference decoder decides at its first scan.
      frame->multiScan = frame->progressive || b[p] < frame->components.size();
      return frame;
    }
  }
  return std::nullopt;
}

std::uint64_t JpegCoefficientBytes(const JpegFrame& frame) {
  if (!frame.multiScan) return 0;
  unsigned maxH = 1;
  unsigned maxV = 1;
  for (const JpegFrame::Component& c : frame.components) {
    maxH = std::max(maxH, c.h);
    maxV = std::max(maxV, c.v);
  }
  // Each component's blocks, rounded up to whole MCUs; a block is 64
  // coefficients of two bytes.
  std::uint64_t bytes = 0;
  for (const JpegFrame::Component& c : frame.components) {
    const std::uint64_t wide = (std::uint64_t{frame.width} * c.h + 8 * maxH - 1) / (8 * maxH);
    const std::uint64_t high = (std::uint64_t{frame.height} * c.v + 8 * maxV - 1) / (8 * maxV);
    bytes += RoundUp(wide, c.h) * RoundUp(high, c.v) * 64 * 2;
  }
  return bytes;
}

bool BmpComplete(Bytes b) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
  const std::uint64_t dataOffset = LittleEndian32(b, 10);
  const std::uint32_t headerSize = LittleEndian32(b, 14);
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  if (headerSize == 12) {  // OS/2 core header
    width = LittleEndian16(b, 18);
    height = LittleEndian16(b, 20);
    bitsPerPixel = LittleEndian16(b, 24);
  } else {
    if (headerSize < 40 || b.size() < 34) return false;
    width = static_cast<std::int32_t>(LittleEndian32(b, 18));
    height = static_cast<std::int32_t>(LittleEndian32(b, 22));
    bitsPerPixel = LittleEndian16(b, 28);
    compression = LittleEndian32(b, 30);
  }
  if (width <= 0 || height == 0 || bitsPerPixel == 0 || bitsPerPixel > 32) return false;
  if (height < 0) height = -height;  // top-down rows
  constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
  if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields) {
    return dataOffset < b.size();
  }
  // Rows are padded to whole 32-bit words. Both factors are below 2^32, so the
  // products fit in 64 bits.
  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  return dataOffset + rowBytes * static_cast<std::uint64_t>(height) <= b.size();
}

bool GifComplete(Bytes b) {
  if (b.size() < 13 || std::memcmp(b.data(), "GIF8", 4) != 0) return false;
  std::size_t i = 13 + ColourTableBytes(b[10]);
  for (;;) {
    if (i >= b.size()) return false;
    const unsigned introducer = b[i++];
    if (introducer == 0x21) {  // extension: label, then sub-blocks
      ++i;
      if (!SkipSubBlocks(b, i)) return false;
    } else if (introducer == 0x2C) {  // image descriptor
      i += 9;
      if (i > b.size()) return false;
      i += ColourTableBytes(b[i - 1]);
      ++i;  // LZW minimum code size
      return SkipSubBlocks(b, i);
    } else {
      return false;  // the trailer before any image, or garbage
    }
  }
}

bool PictureDataComplete(std::string_view format, Bytes bytes) {
  if (format == "jpeg" || format == "jpg") return JpegComplete(bytes);
  if (format == "bmp") return BmpComplete(bytes);
  if (format == "gif") return GifComplete(bytes);
  return true;
}

}  // namespace orsalimbra::render
