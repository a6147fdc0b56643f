#include "ui/thumbnail_prefetch.h"

#include <algorithm>

namespace orsalimbra::ui {

ThumbnailPrefetch::ThumbnailPrefetch(std::vector<Job> jobs, Decoder decode, int threads)
    : jobs_(std::move(jobs)), decode_(std::move(decode)), results_(jobs_.size()) {
  const int count = std::clamp(threads, 1, std::max(1, static_cast<int>(jobs_.size())));
  threads_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) threads_.emplace_back(&ThumbnailPrefetch::Work, this);
}

ThumbnailPrefetch::~ThumbnailPrefetch() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  for (std::thread& thread : threads_) thread.join();
}

void ThumbnailPrefetch::Work() {
  for (;;) {
    std::size_t index;
    {
      const std::lock_guard lock(mutex_);
      if (stopping_ || next_ >= jobs_.size()) return;
      index = next_++;
    }
    const Job& job = jobs_[index];
    QImage image = job.path.isEmpty() ? QImage() : decode_(job.path, job.box);
    {
      const std::lock_guard lock(mutex_);
      results_[index] = std::move(image);
    }
    finished_.notify_all();
  }
}

bool ThumbnailPrefetch::Take(std::size_t index, std::chrono::milliseconds timeout, QImage* image) {
  std::unique_lock lock(mutex_);
  if (!finished_.wait_for(lock, timeout, [&] { return results_[index].has_value(); })) {
    return false;
  }
  *image = *results_[index];
  return true;
}

}  // namespace orsalimbra::ui
