#pragma once

// Finding the first key of an ordered list that occurs anywhere in a line, in one pass over
// the line. Testing every key by a substring search costs a scan of the line per key; here a
// vector pass finds the positions holding a key's first byte, a table built at compile time
// gives the bucket of the keys that can start with the two bytes found there, and a position
// looks only at that bucket's keys, and only at keys earlier in the list than the best one
// found so far. The answer is the same as testing the keys one by one in list order.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "playersview/first_byte_filter.h"

namespace vorneth::playersview {

// Which key of the list decides, and the 0-based position of its leftmost occurrence.
struct KeyMatch {
  std::size_t key;       // list position; the list size when no key occurs
  std::size_t position;  // meaningful only when a key was found
};

// The keys may form G groups of consecutive list positions (several lists searched in one pass):
// FindEach answers for each group as Find would for that group's list alone.
template <std::size_t N, std::size_t G = 1>
class FirstKeyIndex {
 public:
  static_assert(N < 128, "key positions and buckets are stored in one byte");

  constexpr explicit FirstKeyIndex(const std::array<std::string_view, N>& keys,
                                   const std::array<std::size_t, G>& groupSizes = {N})
      : firstBytes_(FirstBytesOf(keys)) {
    std::size_t end = 0;
    for (std::size_t g = 0; g < G; ++g) {
      groupStart_[g] = static_cast<std::uint8_t>(end);
      end += groupSizes[g];
      groupEnd_[g] = static_cast<std::uint8_t>(end);
      for (std::size_t k = groupStart_[g]; k < end; ++k) {
        groupOf_[k] = static_cast<std::uint8_t>(g);
      }
    }
    std::size_t rows = 0;
    for (std::string_view key : keys) {
      std::uint8_t& row = rowOf_[static_cast<unsigned char>(key.front())];
      if (row == 0) {
        row = static_cast<std::uint8_t>(++rows);
      }
    }
    // Each pair of leading bytes gets the bucket of the keys that can start with it, in list
    // order: the keys with these two first bytes and the one-byte keys of that first byte.
    // Pairs whose keys are the one-byte keys alone share one bucket.
    std::array<bool, 256> sharedMade{};
    for (std::size_t k = 0; k < N; ++k) {
      const auto first = static_cast<unsigned char>(keys[k].front());
      const std::size_t row = std::size_t{rowOf_[first]} * 256;
      if (keys[k].size() == 1) {
        if (!sharedMade[first]) {
          sharedMade[first] = true;
          const std::uint8_t shared = AddBucket(keys, first, -1);
          shared_[shared] = true;
          for (std::size_t second = 0; second < 256; ++second) {
            if (buckets_[row + second] == 0) {
              buckets_[row + second] = shared;
            }
          }
        }
        continue;
      }
      std::uint8_t& bucket = buckets_[row + static_cast<unsigned char>(keys[k][1])];
      if (bucket == 0 || shared_[bucket]) {
        bucket = AddBucket(keys, first, static_cast<unsigned char>(keys[k][1]));
      }
    }
  }

  // The first key in list order that occurs in `line`, and where it first occurs.
  KeyMatch Find(std::string_view line) const {
    std::size_t best = N;
    std::size_t bestAt = 0;
    ForEachStart(line, [&](std::size_t i, std::uint32_t head, std::size_t bucket) {
      for (std::size_t e = bucketStart_[bucket], end = bucketStart_[bucket + 1]; e < end; ++e) {
        const Entry& entry = entries_[e];
        if (entry.index >= best) {
          break;  // this key and the rest of the bucket come later in the list
        }
        if (Matches(entry, line, i, head)) {
          // The first time a key can still win it is at its leftmost occurrence.
          best = entry.index;
          bestAt = i;
          break;
        }
      }
      return best != 0;
    });
    return {best, bestAt};
  }

  // For each group, the first key of the group (in list order) that occurs in `line` and where
  // it first occurs; `key` counts from the group's start (the group's size when none occurs).
  std::array<KeyMatch, G> FindEach(std::string_view line) const {
    std::array<std::uint8_t, G> best = groupEnd_;
    std::array<std::size_t, G> bestAt{};
    ForEachStart(line, [&](std::size_t i, std::uint32_t head, std::size_t bucket) {
      for (std::size_t e = bucketStart_[bucket], end = bucketStart_[bucket + 1]; e < end; ++e) {
        const Entry& entry = entries_[e];
        // A group's keys stand in list order within the bucket: once one is found, the later
        // ones of its group cannot win any more.
        if (entry.index < best[entry.group] && Matches(entry, line, i, head)) {
          best[entry.group] = entry.index;
          bestAt[entry.group] = i;
        }
      }
      return true;
    });
    std::array<KeyMatch, G> found{};
    for (std::size_t g = 0; g < G; ++g) {
      found[g] = {static_cast<std::size_t>(best[g] - groupStart_[g]), bestAt[g]};
    }
    return found;
  }

 private:
  struct Entry {
    std::string_view key;
    std::uint32_t head = 0;  // first bytes of the key, the first in the low byte
    std::uint32_t headMask = 0;
    std::uint8_t index = 0;  // position in the list
    std::uint8_t group = 0;
  };

  // A bucket per key at most, and one shared per first byte. A one-byte key stands in every
  // bucket of its first byte: a list with more of them than this room fails to compile.
  static constexpr std::size_t kMaxBuckets = 2 * N;
  static constexpr std::size_t kMaxEntries = 2 * N;

  // A new bucket of the keys starting with byte `first` and then byte `second` (-1: the one-byte
  // keys only), in list order.
  constexpr std::uint8_t AddBucket(const std::array<std::string_view, N>& keys, std::size_t first,
                                   int second) {
    const std::size_t bucket = ++bucketCount_;
    std::size_t e = bucketStart_[bucket];
    for (std::size_t k = 0; k < N; ++k) {
      const std::string_view key = keys[k];
      const bool starts = static_cast<unsigned char>(key.front()) == first &&
                          (key.size() == 1 || static_cast<unsigned char>(key[1]) == second);
      if (starts) {
        entries_[e++] = EntryOf(key, k);
      }
    }
    bucketStart_[bucket + 1] = static_cast<std::uint16_t>(e);
    return static_cast<std::uint8_t>(bucket);
  }

  constexpr Entry EntryOf(std::string_view key, std::size_t k) const {
    Entry entry;
    entry.key = key;
    entry.index = static_cast<std::uint8_t>(k);
    entry.group = groupOf_[k];
    // The key's first (up to) four bytes, for a cheap test before the full comparison.
    for (std::size_t j = 0; j < 4 && j < key.size(); ++j) {
      const auto shift = static_cast<unsigned>(8 * j);
      entry.head |= static_cast<std::uint32_t>(static_cast<unsigned char>(key[j])) << shift;
      entry.headMask |= std::uint32_t{0xFF} << shift;
    }
    return entry;
  }

  // Calls visit(i, head, bucket), in ascending order, for each position i of `line` where some
  // key can start, with the line's first (up to) four bytes from i and the bucket of their
  // first two, while visit returns true.
  template <typename Visit>
  void ForEachStart(std::string_view line, Visit visit) const {
    const std::size_t n = line.size();
    const char* const data = line.data();
    for (std::size_t base = 0; base < n; base += FirstByteFilter::kBlock) {
      const std::size_t left = n - base;
      std::uint32_t starts = left >= FirstByteFilter::kBlock
                                 ? firstBytes_.Block(data + base)
                                 : firstBytes_.Tail(data + base, left, n);
      for (; starts != 0; starts &= starts - 1) {
        const std::size_t i = base + static_cast<std::size_t>(std::countr_zero(starts));
        const std::uint32_t head = Head(data + i, n - i);
        const std::size_t bucket =
            buckets_[std::size_t{rowOf_[head & 0xFFU]} * 256 + (head >> 8U & 0xFFU)];
        if (bucket != 0 && !visit(i, head, bucket)) {
          return;
        }
      }
    }
  }

  // Whether `entry`'s key occurs at position i of `line`, whose first bytes from i are `head`.
  static bool Matches(const Entry& entry, std::string_view line, std::size_t i,
                      std::uint32_t head) {
    return (head & entry.headMask) == entry.head && entry.key.size() <= line.size() - i &&
           std::memcmp(line.data() + i, entry.key.data(), entry.key.size()) == 0;
  }

  // Up to four bytes from p, the first in the low byte, zero beyond the line's end.
  static std::uint32_t Head(const char* p, std::size_t left) {
    std::uint32_t head = 0;
    if (left >= 4) {
      unsigned char bytes[4];
      std::memcpy(bytes, p, 4);
      head = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8U |
             static_cast<std::uint32_t>(bytes[2]) << 16U |
             static_cast<std::uint32_t>(bytes[3]) << 24U;
    } else {
      for (std::size_t j = 0; j < left; ++j) {
        head |= static_cast<std::uint32_t>(static_cast<unsigned char>(p[j]))
                << static_cast<unsigned>(8 * j);
      }
    }
    return head;
  }

  // The set of the keys' first bytes.
  static constexpr std::array<bool, 256> FirstBytesOf(const std::array<std::string_view, N>& keys) {
    std::array<bool, 256> member{};
    for (std::string_view key : keys) {
      member[static_cast<unsigned char>(key.front())] = true;
    }
    return member;
  }

  FirstByteFilter firstBytes_;
  std::array<std::uint8_t, 256> rowOf_{};  // row of the buckets of first byte b; 0: no key
  // The bucket of each pair of leading bytes, a row of 256 per first byte; 0: no key. Row 0
  // stays empty.
  std::array<std::uint8_t, (N + 1) * 256> buckets_{};
  std::array<bool, kMaxBuckets + 1> shared_{};  // the bucket of a first byte's one-byte keys
  std::array<std::uint16_t, kMaxBuckets + 2> bucketStart_{};  // entries_ of bucket b from here
  std::size_t bucketCount_ = 0;
  std::array<Entry, kMaxEntries> entries_{};
  std::array<std::uint8_t, G> groupStart_{};
  std::array<std::uint8_t, G> groupEnd_{};
  std::array<std::uint8_t, N> groupOf_{};
};

// The keys of a table, in table order, taken by `project` from each row.
template <typename Row, std::size_t N, typename Project>
constexpr std::array<std::string_view, N> KeysOf(const Row (&rows)[N], Project project) {
  std::array<std::string_view, N> keys{};
  for (std::size_t k = 0; k < N; ++k) {
    keys[k] = project(rows[k]);
  }
  return keys;
}

}  // namespace vorneth::playersview
