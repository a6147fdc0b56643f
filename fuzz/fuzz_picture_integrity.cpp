// libFuzzer target: arbitrary bytes through the hand-written picture checks
// that run before any decoder: the completeness walks of JPEG, BMP and GIF,
// and the JPEG frame reader with the coefficient buffers it sizes. Checks
// that they never read out of bounds or overflow, and agree with each other.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "render/picture_integrity.h"

using namespace orsalimbra::render;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes bytes(data, size);
  const bool jpeg = JpegComplete(bytes);
  BmpComplete(bytes);
  GifComplete(bytes);
  Check(PictureDataComplete("jpeg", bytes) == jpeg);
  Check(PictureDataComplete("png", bytes));

  const std::optional<JpegFrame> frame = ReadJpegFrame(bytes);
  if (!frame) return 0;
  Check(size >= 4 && data[0] == 0xFF && data[1] == 0xD8);
  Check(!frame->components.empty() && frame->components.size() <= kMaxJpegComponents);
  Check(frame->width <= 0xFFFF && frame->height <= 0xFFFF);
  unsigned maxH = 1;
  unsigned maxV = 1;
  for (const JpegFrame::Component& c : frame->components) {
    Check(c.h >= 1 && c.h <= 4 && c.v >= 1 && c.v <= 4);
    maxH = c.h > maxH ? c.h : maxH;
    maxV = c.v > maxV ? c.v : maxV;
  }
  Check(!frame->progressive || frame->multiScan);
  const std::uint64_t coefficients = JpegCoefficientBytes(*frame);
  if (!frame->multiScan) {
    Check(coefficients == 0);
    return 0;
  }
  // At least two bytes per coefficient of every full-resolution block, at
  // most the whole frame's blocks (rounded up to MCUs) for every component.
  const std::uint64_t blocksWide = (frame->width + 8 * maxH - 1) / (8 * maxH) * maxH;
  const std::uint64_t blocksHigh = (frame->height + 8 * maxV - 1) / (8 * maxV) * maxV;
  Check(coefficients <= blocksWide * blocksHigh * 128 * frame->components.size());
  Check(frame->width == 0 || frame->height == 0 || coefficients >= 128);
  return 0;
}
