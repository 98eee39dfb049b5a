// The search on several threads, left out of the browser's build, which has none: there each
// worker of the page takes its own range of tries.
#include "search/find_seeds.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

namespace vorneth::search {

namespace {

// Tries per chunk: enough that taking a chunk costs nothing beside it, few enough that a search
// whose seeds come early stops soon.
constexpr std::uint64_t kChunkTries = 2048;

// How often a worker looks whether its chunk is still needed.
constexpr std::uint64_t kCheckEvery = 64;

class Search {
 public:
  Search(const HoardRequest& request, worth::Exchange exchange, const Conditions& conditions,
         const SearchLimits& limits)
      : request_(request),
        exchange_(exchange),
        conditions_(conditions),
        limits_(limits),
        chunks_((limits.tries + kChunkTries - 1) / kChunkTries),
        stopAt_(chunks_) {}

  std::uint64_t Chunks() const { return chunks_; }

  void Work() {
    try {
      HoardFilter filter(request_, exchange_, conditions_);
      for (;;) {
        const std::uint64_t chunk = next_.fetch_add(1);
        Found found;
        if (chunk >= stopAt_.load() || !Scan(filter, chunk, found)) {
          return;
        }
        Merge(chunk, std::move(found));
      }
    } catch (...) {
      std::lock_guard lock(mutex_);
      failure_ = failure_ ? failure_ : std::current_exception();
      stopAt_ = 0;
    }
  }

  SearchResult Result() {
    if (failure_) {
      std::rethrow_exception(failure_);
    }
    return std::move(result_);
  }

 private:
  // Tries the chunk's seeds; false when it was given up, its seeds coming after those wanted.
  bool Scan(HoardFilter& filter, std::uint64_t chunk, Found& found) {
    const std::uint64_t first = chunk * kChunkTries;
    const std::uint64_t last = std::min(limits_.tries, first + kChunkTries);
    for (std::uint64_t i = first; i < last; ++i) {
      if ((i - first) % kCheckEvery == 0 && chunk >= stopAt_.load(std::memory_order_relaxed)) {
        return false;
      }
      const auto seed = static_cast<std::uint32_t>(request_.Seed + i);  // modulo 2^32
      if (!filter.Meets(seed)) {
        continue;
      }
      ++found.matches;
      if (found.seeds.size() < limits_.wanted) {
        found.seeds.push_back(seed);
      } else if (!limits_.countAll) {
        break;  // this chunk alone holds all the seeds wanted
      }
    }
    return true;
  }

  // Takes in the finds of every chunk done since the last one merged, in order.
  void Merge(std::uint64_t chunk, Found found) {
    std::lock_guard lock(mutex_);
    done_.emplace(chunk, std::move(found));
    while (!done_.empty() && done_.begin()->first == merged_) {
      const Found& next = done_.begin()->second;
      const std::size_t room = limits_.wanted - result_.seeds.size();
      result_.seeds.insert(
          result_.seeds.end(), next.seeds.begin(),
          next.seeds.begin() + static_cast<std::ptrdiff_t>(std::min(room, next.seeds.size())));
      result_.matches += next.matches;
      done_.erase(done_.begin());
      ++merged_;
      if (!limits_.countAll && result_.seeds.size() == limits_.wanted) {
        stopAt_ = std::min(stopAt_.load(), merged_);
        return;
      }
    }
  }

  const HoardRequest& request_;
  const worth::Exchange exchange_;
  const Conditions& conditions_;
  const SearchLimits limits_;
  const std::uint64_t chunks_;
  std::atomic<std::uint64_t> next_ = 0;  // the next chunk a worker takes
  std::atomic<std::uint64_t> stopAt_;    // no chunk from here on is needed
  std::mutex mutex_;                     // guards what follows
  std::map<std::uint64_t, Found> done_;  // chunks done but not merged: one comes before them
  std::uint64_t merged_ = 0;             // chunks merged, from the first
  SearchResult result_;
  std::exception_ptr failure_;
};

}  // namespace

SearchResult FindSeeds(const HoardRequest& request, worth::Exchange exchange,
                       const Conditions& conditions, const SearchLimits& limits, unsigned threads) {
  Search search(request, exchange, conditions, limits);
  if (threads == 0) {
    threads = std::max(1u, std::thread::hardware_concurrency());
  }
  threads = static_cast<unsigned>(std::min<std::uint64_t>(threads, search.Chunks()));
  {
    std::vector<std::jthread> workers;
    for (unsigned t = 1; t < threads; ++t) {
      workers.emplace_back([&search] { search.Work(); });
    }
    search.Work();  // the calling thread is one of the workers
  }                 // the workers join here
  return search.Result();
}

}  // namespace vorneth::search
