#include "ui/thumbnail_prefetch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace orsalimbra::ui {
namespace {

using namespace std::chrono_literals;

// A picture whose width tells which job it came from.
QImage Marked(const QString& path, QSize box) {
  QImage image(path.toInt() + 1, box.height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(ThumbnailPrefetch, HandsBackEveryJobsPictureByIndex) {
  std::vector<ThumbnailPrefetch::Job> jobs;
  for (int i = 0; i < 13; ++i) jobs.push_back({i == 4 ? QString() : QString::number(i), {8, 6}});
  std::atomic<int> calls = 0;
  ThumbnailPrefetch prefetch(
      jobs,
      [&](const QString& path, QSize box) {
        ++calls;
        return path == "7" ? QImage() : Marked(path, box);
      },
      3);
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    QImage image;
    ASSERT_TRUE(prefetch.Take(i, 5s, &image)) << i;
    if (i == 4 || i == 7) {
      EXPECT_TRUE(image.isNull()) << i;
    } else {
      EXPECT_EQ(image.width(), static_cast<int>(i) + 1);
      EXPECT_EQ(image.height(), 6);
    }
  }
  EXPECT_EQ(calls, 12);  // no decoding for a slot without picture
}

TEST(ThumbnailPrefetch, StoppingDropsTheJobsNotStarted) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<int> calls = 0;
  std::vector<ThumbnailPrefetch::Job> jobs(13, {QStringLiteral("1"), {4, 4}});
  {
    ThumbnailPrefetch prefetch(
        jobs,
        [&](const QString& path, QSize box) {
          ++calls;
          released.wait();
          std::this_thread::sleep_for(20ms);
          return Marked(path, box);
        },
        2);
    QImage image;
    // Not done while the decoder is held.
    EXPECT_FALSE(prefetch.Take(0, 20ms, &image));
    release.set_value();
    ASSERT_TRUE(prefetch.Take(0, 5s, &image));
  }
  // Destroyed right after the first picture: most of the 13 never started.
  EXPECT_LT(calls, 13);
}

}  // namespace
}  // namespace orsalimbra::ui
