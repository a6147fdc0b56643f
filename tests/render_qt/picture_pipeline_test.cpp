// The picture pipeline: pictures come back in page order whatever thread
// decoded them, within the bounds ahead, and a stop ends it promptly.
#include "render_qt/qt_picture_pipeline.h"

#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <chrono>
#include <thread>

namespace orsalimbra::render {
namespace {

// A decode that takes `ms` and makes an image whose width is `id`.
PicturePipeline::Item Fake(int id, std::atomic<int>& started, std::atomic<int>& running,
                           std::atomic<int>& mostRunning, int ms = 5, long long bytes = 1) {
  return {QStringLiteral("p%1").arg(id),
          [=, &started, &running, &mostRunning] {
            ++started;
            const int now = ++running;
            int most = mostRunning;
            while (now > most && !mostRunning.compare_exchange_weak(most, now)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            --running;
            return QImage(id, 1, QImage::Format_RGB32);
          },
          bytes};
}

TEST(PicturePipeline, GivesEachPictureInOrderWithinTheBounds) {
  struct Row {
    const char* name;
    int threads, ahead;
    long long budget, bytes;
    int mostStartedAhead;  // started beyond the one taken, at most
  };
  const Row rows[] = {
      {"two threads, four ahead", 2, 4, 1 << 30, 1, 4},
      {"one thread", 1, 4, 1 << 30, 1, 4},
      {"memory holds them back", 2, 8, 3, 1, 2},
      {"a picture beyond the budget still goes alone", 2, 4, 1, 5, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::atomic<int> started{0}, running{0}, mostRunning{0};
    std::vector<PicturePipeline::Item> items;
    for (int id = 1; id <= 12; ++id) {
      items.push_back(Fake(id, started, running, mostRunning, 5, row.bytes));
    }
    PicturePipeline pipeline(std::move(items), {row.threads, row.ahead, row.budget});
    for (int id = 1; id <= 12; ++id) {
      // Let the workers run ahead as far as they may.
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      EXPECT_LE(started - (id - 1), 1 + row.mostStartedAhead) << "before picture " << id;
      const std::optional<QImage> image = pipeline.Take(QStringLiteral("p%1").arg(id));
      ASSERT_TRUE(image.has_value());
      EXPECT_EQ(image->width(), id);
    }
    EXPECT_EQ(started, 12);
    EXPECT_LE(mostRunning, row.threads);
  }
}

TEST(PicturePipeline, UnknownOrSkippedPicturesAreTheCallersAndPassedOnesAreDropped) {
  std::atomic<int> started{0}, running{0}, most{0};
  std::vector<PicturePipeline::Item> items;
  for (int id = 1; id <= 6; ++id) items.push_back(Fake(id, started, running, most));
  PicturePipeline pipeline(std::move(items), {2, 1, 1 << 30});
  EXPECT_FALSE(pipeline.Take(QStringLiteral("elsewhere")).has_value());
  // The job painted pictures 1 and 2 no more: 3 comes, the others stay.
  const auto third = pipeline.Take(QStringLiteral("p3"));
  ASSERT_TRUE(third.has_value());
  EXPECT_EQ(third->width(), 3);
  EXPECT_FALSE(pipeline.Take(QStringLiteral("p1")).has_value());  // passed over
  EXPECT_EQ(pipeline.Take(QStringLiteral("p4"))->width(), 4);
  EXPECT_EQ(pipeline.Take(QStringLiteral("p6"))->width(), 6);
}

TEST(PicturePipeline, StopEndsPromptlyWithoutTheQueuedDecodes) {
  std::atomic<int> started{0}, running{0}, most{0};
  std::vector<PicturePipeline::Item> items;
  for (int id = 1; id <= 40; ++id) items.push_back(Fake(id, started, running, most, 50));
  {
    PicturePipeline pipeline(std::move(items), {2, 30, 1 << 30});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    pipeline.Stop();
    EXPECT_FALSE(pipeline.Take(QStringLiteral("p1")).has_value());
  }
  // Only the decodes already running were waited for; none of the queued
  // ones started.
  EXPECT_LE(started, 4);
}

}  // namespace
}  // namespace orsalimbra::render
