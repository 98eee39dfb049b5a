#include "cli/batch_pool.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vorneth::cli {

namespace {

// About the bytes of a chunk: handing a chunk over costs little beside building it, and the few
// chunks in memory stay small even for the largest hoards.
constexpr std::size_t kChunkBytes = 256 * 1024;

// Chunks in memory at once, per worker: one being built, one waiting to be written.
constexpr std::size_t kChunksPerWorker = 2;

void Write(std::ostream& out, const std::string& text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Items [begin, end) in chunks of `perChunk`, built by workers into a ring of slots and written
// in order by the calling thread. A worker takes the next chunk only once its slot has been
// written, so memory stays bounded however slow the output is.
class ChunkedBatch {
 public:
  ChunkedBatch(const MakeAppendItem& makeAppend, std::size_t begin, std::size_t end,
               std::size_t perChunk, unsigned workers)
      : makeAppend_(makeAppend),
        begin_(begin),
        end_(end),
        perChunk_(perChunk),
        chunks_((end - begin + perChunk - 1) / perChunk),
        slots_(kChunksPerWorker * workers) {
    for (unsigned w = 0; w < workers; ++w) {
      workers_.emplace_back([this] { Work(); });
    }
  }

  ChunkedBatch(const ChunkedBatch&) = delete;
  ChunkedBatch& operator=(const ChunkedBatch&) = delete;

  // Stops the workers after the chunks they are building; the threads join as workers_ goes.
  ~ChunkedBatch() { Stop(); }

  void WriteTo(std::ostream& out) {
    for (std::size_t chunk = 0; chunk < chunks_ && out; ++chunk) {
      Slot& slot = slots_[chunk % slots_.size()];
      {
        std::unique_lock lock(mutex_);
        built_.wait(lock, [&slot] { return slot.ready; });
      }
      if (slot.error) {
        std::rethrow_exception(slot.error);
      }
      Write(out, slot.text);
      slot.text.clear();  // its room is kept for a later chunk
      {
        std::lock_guard lock(mutex_);
        slot.ready = false;
        ++written_;
      }
      freed_.notify_all();
    }
  }

 private:
  struct Slot {
    std::string text;
    bool ready = false;
    std::exception_ptr error;
  };

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    freed_.notify_all();
  }

  void Work() {
    AppendItem append;  // made by the first chunk's building, kept for the rest
    for (;;) {
      std::size_t chunk = 0;
      {
        std::unique_lock lock(mutex_);
        freed_.wait(lock, [this] {
          return stopped_ || next_ == chunks_ || next_ < written_ + slots_.size();
        });
        if (stopped_ || next_ == chunks_) {
          return;
        }
        chunk = next_++;
      }
      Slot& slot = slots_[chunk % slots_.size()];
      std::exception_ptr error;
      try {
        if (!append) {
          append = makeAppend_();
        }
        const std::size_t first = begin_ + chunk * perChunk_;
        for (std::size_t i = first; i < std::min(end_, first + perChunk_); ++i) {
          append(slot.text, i);
        }
      } catch (...) {
        error = std::current_exception();
      }
      {
        std::lock_guard lock(mutex_);
        slot.error = error;
        slot.ready = true;
      }
      built_.notify_one();
    }
  }

  const MakeAppendItem& makeAppend_;
  const std::size_t begin_;
  const std::size_t end_;
  const std::size_t perChunk_;
  const std::size_t chunks_;
  std::vector<Slot> slots_;
  std::mutex mutex_;
  std::condition_variable built_;  // a slot is ready to be written
  std::condition_variable freed_;  // a slot was written, or the batch stops
  std::size_t next_ = 0;           // the next chunk a worker takes
  std::size_t written_ = 0;        // chunks written so far
  bool stopped_ = false;
  std::vector<std::jthread> workers_;  // last, so the threads join before the rest goes
};

}  // namespace

void WriteInOrder(std::ostream& out, std::size_t count, const MakeAppendItem& makeAppend) {
  if (count == 0 || !out) {
    return;
  }
  // The first item, built here, tells how many items make a chunk.
  const AppendItem append = makeAppend();
  std::string text;
  append(text, 0);
  Write(out, text);
  const std::size_t perChunk =
      std::max<std::size_t>(1, kChunkBytes / std::max<std::size_t>(1, text.size()));
  const unsigned workers = std::max(1U, std::thread::hardware_concurrency());
  if (count - 1 <= perChunk || workers == 1) {
    for (std::size_t i = 1; i < count && out; ++i) {
      text.clear();
      append(text, i);
      Write(out, text);
    }
    return;
  }
  ChunkedBatch batch(makeAppend, 1, count, perChunk, workers);
  batch.WriteTo(out);
}

}  // namespace vorneth::cli
