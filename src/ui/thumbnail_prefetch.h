// Decodes a window's thumbnails on background threads, first to last, so the
// window can show each one as soon as it is ready and keep painting and
// answering the user meanwhile. Only pictures cross threads; every widget
// stays on the user-interface thread.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace orsalimbra::ui {

class ThumbnailPrefetch {
 public:
  struct Job {
    QString path;  // empty: no picture
    QSize box;     // pixels to fit the picture in
  };
  // Must be safe to call from several threads at once.
  using Decoder = std::function<QImage(const QString& path, QSize box)>;

  ThumbnailPrefetch(std::vector<Job> jobs, Decoder decode, int threads);
  // Drops the jobs not yet started and waits for the ones being decoded.
  ~ThumbnailPrefetch();
  ThumbnailPrefetch(const ThumbnailPrefetch&) = delete;
  ThumbnailPrefetch& operator=(const ThumbnailPrefetch&) = delete;

  // Waits at most `timeout` for job `index`. True once it is done, with its
  // picture in `image` (null when the file could not be decoded).
  bool Take(std::size_t index, std::chrono::milliseconds timeout, QImage* image);

 private:
  void Work();

  const std::vector<Job> jobs_;
  const Decoder decode_;
  std::mutex mutex_;
  std::condition_variable finished_;
  std::vector<std::optional<QImage>> results_;
  std::size_t next_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace orsalimbra::ui
