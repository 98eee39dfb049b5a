#pragma once

// Finding the first key of an ordered list that occurs anywhere in a line, in one pass over
// the line. Testing every key by a substring search costs a scan of the line per key; here the
// keys are grouped by their first byte (at compile time), each line byte looks only at the
// keys that can start there, and only at keys earlier in the list than the best one found so
// far. The answer is the same as testing the keys one by one in list order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vorneth::playersview {

// Which key of the list decides, and the 0-based position of its leftmost occurrence.
struct KeyMatch {
  std::size_t key;       // list position; the list size when no key occurs
  std::size_t position;  // meaningful only when a key was found
};

template <std::size_t N>
class FirstKeyIndex {
 public:
  static_assert(N < 255, "key positions are stored in one byte");

  template <typename Row, typename Project>
  constexpr FirstKeyIndex(const Row (&rows)[N], Project project) {
    for (std::size_t k = 0; k < N; ++k) {
      keys_[k] = project(rows[k]);
    }
    // Counting sort by first byte; within a bucket the keys keep their list order.
    std::array<std::uint8_t, 257> count{};
    for (std::string_view key : keys_) {
      ++count[static_cast<unsigned char>(key.front())];
    }
    std::uint8_t running = 0;
    for (std::size_t b = 0; b < 256; ++b) {
      start_[b] = running;
      running = static_cast<std::uint8_t>(running + count[b]);
    }
    start_[256] = running;
    std::array<std::uint8_t, 257> fill = start_;
    for (std::size_t k = 0; k < N; ++k) {
      const auto b = static_cast<unsigned char>(keys_[k].front());
      bucket_[fill[b]++] = static_cast<std::uint8_t>(k);
    }
  }

  // The first key in list order that occurs in `line`, and where it first occurs.
  KeyMatch Find(std::string_view line) const {
    const std::size_t n = line.size();
    const char* const data = line.data();
    std::size_t best = N;
    std::size_t bestAt = 0;
    for (std::size_t i = 0; i < n && best != 0; ++i) {
      const auto b = static_cast<unsigned char>(data[i]);
      const std::size_t end = start_[b + 1];
      for (std::size_t e = start_[b]; e < end; ++e) {
        const std::size_t k = bucket_[e];
        if (k >= best) {
          break;  // this key and the rest of the bucket come later in the list
        }
        const std::string_view key = keys_[k];
        if (key.size() <= n - i && std::memcmp(data + i, key.data(), key.size()) == 0) {
          // The first time a key can still win it is at its leftmost occurrence.
          best = k;
          bestAt = i;
          break;
        }
      }
    }
    return {best, bestAt};
  }

 private:
  std::array<std::string_view, N> keys_{};
  std::array<std::uint8_t, 257> start_{};  // bucket of byte b: bucket_[start_[b] .. start_[b+1])
  std::array<std::uint8_t, N> bucket_{};
};

}  // namespace vorneth::playersview
