// Pictures of the coming pages decoded ahead on worker threads.
//
// A job knows its page sequence before it draws: a dry run of the same job
// on a measuring surface lists every picture it will paint, with the pixels
// it needs, in page order. The pipeline decodes them in that order on a
// small pool of threads (at most the number of cores), a bounded number and
// a bounded amount of memory ahead of the page being drawn. Drawing stays on
// the job's thread and takes each picture when its page comes; a picture
// the pipeline does not hold is decoded there, as without a pipeline.
#pragma once

#include <QImage>
#include <QString>
#include <QThreadPool>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace orsalimbra::render {

class PicturePipeline {
 public:
  // One picture to decode: a key naming the decode (file, size, part) and
  // the decode itself, which must be safe on any thread.
  struct Item {
    QString key;
    std::function<QImage()> decode;
    long long bytes = 0;  // the decoded image's size, for the memory bound
  };

  struct Limits {
    int threads = 2;                        // at most the number of cores
    int ahead = 4;                          // pictures decoded beyond the one taken
    long long bytes = 192LL * 1024 * 1024;  // held decoded, not yet taken
  };

  PicturePipeline(std::vector<Item> items, Limits limits);
  // Stops: decodes not started are dropped, running ones are waited for.
  ~PicturePipeline();
  PicturePipeline(const PicturePipeline&) = delete;
  PicturePipeline& operator=(const PicturePipeline&) = delete;

  // The picture decoded for `key`, waiting for it when it is on its way.
  // Empty when the pipeline has no such picture ahead (not planned, taken
  // already, or stopped): the caller decodes it itself.
  std::optional<QImage> Take(const QString& key);

  // Stops promptly: nothing more is started and nothing is waited for.
  void Stop();

 private:
  enum class State { Waiting, Running, Ready, Taken };
  struct Slot {
    Item item;
    State state = State::Waiting;
    QImage image;
  };

  // With the lock held: starts decodes while the bounds allow; stores a
  // finished decode; gives a slot up.
  void StartMore();
  void Finish(std::size_t index, QImage image);
  void Release(std::size_t index);
  // On a worker.
  void Run(std::size_t index);

  Limits limits_;
  std::vector<Slot> slots_;
  std::size_t next_ = 0;   // the first slot not started
  std::size_t taken_ = 0;  // slots up to here were taken or passed
  long long held_ = 0;     // bytes of started decodes not yet taken
  bool stopped_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  QThreadPool pool_;
};

}  // namespace orsalimbra::render
