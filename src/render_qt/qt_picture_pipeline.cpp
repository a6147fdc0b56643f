#include "render_qt/qt_picture_pipeline.h"

#include <QRunnable>
#include <algorithm>

namespace orsalimbra::render {

PicturePipeline::PicturePipeline(std::vector<Item> items, Limits limits) : limits_(limits) {
  slots_.reserve(items.size());
  for (Item& item : items) slots_.push_back(Slot{std::move(item), State::Waiting, QImage()});
  pool_.setMaxThreadCount(std::max(1, std::min(limits_.threads, QThread::idealThreadCount())));
  std::lock_guard lock(mutex_);
  StartMore();
}

PicturePipeline::~PicturePipeline() {
  Stop();
  pool_.waitForDone();
}

void PicturePipeline::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  pool_.clear();
  changed_.notify_all();
}

void PicturePipeline::StartMore() {
  while (!stopped_ && next_ < slots_.size()) {
    const std::size_t ahead = next_ - taken_;
    const long long bytes = slots_[next_].item.bytes;
    // The next picture always goes; others within the bounds.
    if (ahead > 0 && (static_cast<int>(ahead) > limits_.ahead || held_ + bytes > limits_.bytes)) {
      break;
    }
    const std::size_t index = next_++;
    slots_[index].state = State::Running;
    held_ += bytes;
    pool_.start([this, index] { Run(index); });
  }
}

void PicturePipeline::Run(std::size_t index) {
  std::function<QImage()> decode;
  {
    std::lock_guard lock(mutex_);
    if (stopped_ || slots_[index].state == State::Taken) {
      Finish(index, QImage());
      return;
    }
    decode = slots_[index].item.decode;
  }
  QImage image = decode ? decode() : QImage();
  std::lock_guard lock(mutex_);
  Finish(index, std::move(image));
}

void PicturePipeline::Finish(std::size_t index, QImage image) {
  Slot& slot = slots_[index];
  if (slot.state == State::Taken) {
    // Passed over while it was decoding: nothing waits for it.
    held_ -= slot.item.bytes;
    StartMore();
  } else {
    slot.image = std::move(image);
    slot.state = State::Ready;
  }
  changed_.notify_all();
}

void PicturePipeline::Release(std::size_t index) {
  Slot& slot = slots_[index];
  if (slot.state == State::Ready) held_ -= slot.item.bytes;
  // A running decode gives its bytes back when it finishes.
  slot.image = QImage();
  slot.state = State::Taken;
}

std::optional<QImage> PicturePipeline::Take(const QString& key) {
  std::unique_lock lock(mutex_);
  if (stopped_) return std::nullopt;
  // Pictures are taken in page order; one the job did not paint after all
  // (a page that gave up its picture) is passed over.
  std::size_t index = taken_;
  while (index < slots_.size() && slots_[index].item.key != key) ++index;
  if (index == slots_.size()) return std::nullopt;
  for (std::size_t passed = taken_; passed < index; ++passed) Release(passed);
  next_ = std::max(next_, index);  // the passed ones are never started
  taken_ = index;
  StartMore();
  Slot& slot = slots_[index];
  changed_.wait(lock, [&] { return slot.state == State::Ready || stopped_; });
  if (slot.state != State::Ready) return std::nullopt;
  QImage image = std::move(slot.image);
  Release(index);
  taken_ = index + 1;
  StartMore();
  return image;
}

}  // namespace orsalimbra::render
