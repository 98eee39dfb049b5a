#pragma once

// Finding the first key of an ordered list that occurs anywhere in a line, in one pass over
// the line. Testing every key by a substring search costs a scan of the line per key; here a
// vector pass finds the positions where some key's first two bytes stand, a table built at
// compile time gives the bucket of the keys that start with the two bytes found there, and a
// position looks only at that bucket's keys, and only at keys earlier in the list than the best
// one found so far. The answer is the same as testing the keys one by one in list order.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "playersview/key_start_filter.h"

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
      : starts_(keys) {
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
      for (char c : key) {
        if (c == '\0') {
          KeyHoldsZeroByte();  // not a constant expression: the index fails to compile
        }
      }
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
    ForEachStart(line, [&](std::size_t i, std::uint64_t head, const Entry* e, const Entry* end) {
      for (; e != end && e->index < best; ++e) {
        // Past the first entry at or after the best key, the rest come later in the list.
        if (Matches(*e, line, i, head)) {
          // The first time a key can still win it is at its leftmost occurrence.
          best = e->index;
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
    ForEachStart(line, [&](std::size_t i, std::uint64_t head, const Entry* e, const Entry* end) {
      for (; e != end; ++e) {
        // A group's keys stand in list order within the bucket: once one is found, the later
        // ones of its group cannot win any more.
        if (Matches(*e, line, i, head) && e->index < best[e->group]) {
          best[e->group] = e->index;
          bestAt[e->group] = i;
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
  // A key as the search compares it: words of its bytes, the first in the low byte, so that one
  // comparison settles a key of up to eight bytes and two settle one of up to sixteen.
  struct Entry {
    std::uint64_t head = 0;     // the first (up to) eight bytes
    std::uint64_t tail = 0;     // the last eight bytes, for a longer key
    const char* key = nullptr;  // all of it, for a key of more than sixteen bytes
    std::uint8_t size = 0;
    std::uint8_t headShift = 0;  // shifts the line's bytes past the head out of a word
    std::uint8_t index = 0;      // position in the list
    std::uint8_t group = 0;
  };

  // The bytes past a line's end read as zero, so no key may hold one.
  static void KeyHoldsZeroByte() {}

  // A bucket per key at most, and one shared per first byte. A one-byte key stands in every
  // bucket of its first byte: a list with more of them than this room fails to compile.
  static constexpr std::size_t kMaxBuckets = 2 * N;
  static constexpr std::size_t kMaxEntries = 2 * N;

  // A new bucket of the keys starting with byte `first` and then byte `second` (-1: the one-byte
  // keys only), in list order.
  constexpr std::uint8_t AddBucket(const std::array<std::string_view, N>& keys, std::size_t first,
                                   int second) {
    const std::size_t bucket = ++bucketCount_;
    const std::size_t start = bucketRange_[bucket - 1] >> 8U;  // where the last one ends
    std::size_t e = start;
    for (std::size_t k = 0; k < N; ++k) {
      const std::string_view key = keys[k];
      const bool starts = static_cast<unsigned char>(key.front()) == first &&
                          (key.size() == 1 || static_cast<unsigned char>(key[1]) == second);
      if (starts) {
        entries_[e++] = EntryOf(key, k);
      }
    }
    bucketRange_[bucket] = static_cast<std::uint16_t>(start | e << 8U);
    return static_cast<std::uint8_t>(bucket);
  }

  constexpr Entry EntryOf(std::string_view key, std::size_t k) const {
    Entry entry;
    entry.key = key.data();
    entry.size = static_cast<std::uint8_t>(key.size());
    entry.index = static_cast<std::uint8_t>(k);
    entry.group = groupOf_[k];
    for (std::size_t j = 0; j < 8 && j < key.size(); ++j) {
      const auto shift = static_cast<unsigned>(8 * j);
      entry.head |= std::uint64_t{static_cast<unsigned char>(key[j])} << shift;
    }
    entry.headShift = static_cast<std::uint8_t>(key.size() >= 8 ? 0 : 8 * (8 - key.size()));
    if (key.size() > 8) {
      for (std::size_t j = 0; j < 8; ++j) {
        entry.tail |= std::uint64_t{static_cast<unsigned char>(key[key.size() - 8 + j])}
                      << static_cast<unsigned>(8 * j);
      }
    }
    return entry;
  }

  // Calls visit(i, head, first, end), in ascending order, for each position i of `line` where
  // some key can start, with the line's first (up to) eight bytes from i and the entries
  // [first, end) of the bucket of their first two, while visit returns true.
  template <typename Visit>
  void ForEachStart(std::string_view line, Visit visit) const {
    const std::size_t n = line.size();
    const char* const data = line.data();
    const auto visitAll = [&](std::size_t base, std::uint32_t starts) {
      for (; starts != 0; starts &= starts - 1) {
        const std::size_t i = base + static_cast<std::size_t>(std::countr_zero(starts));
        const std::uint64_t head = Head(data, n, i);
        const std::uint32_t range =
            bucketRange_[buckets_[std::size_t{rowOf_[head & 0xFFU]} * 256 + (head >> 8U & 0xFFU)]];
        if (!visit(i, head, entries_.data() + (range & 0xFFU), entries_.data() + (range >> 8U))) {
          return false;
        }
      }
      return true;
    };
    // A block reads the byte after its sixteen: the last sixteen bytes or fewer are the tail.
    std::size_t base = 0;
    for (; n - base > KeyStartFilter::kBlock; base += KeyStartFilter::kBlock) {
      if (!visitAll(base, starts_.Block(data + base))) {
        return;
      }
    }
    if (base < n) {
      visitAll(base, starts_.Tail(data + base, n - base, n));
    }
  }

  // Whether `entry`'s key occurs at position i of `line`, whose first bytes from i are `head`.
  // The head is zero past the line's end, where a key, holding no zero byte, never matches.
  static bool Matches(const Entry& entry, std::string_view line, std::size_t i,
                      std::uint64_t head) {
    if ((head ^ entry.head) << entry.headShift != 0) {
      return false;
    }
    if (entry.size <= 8) {
      return true;
    }
    const std::size_t left = line.size() - i;
    if (entry.size > left) {
      return false;
    }
    const char* const at = line.data() + i;
    return Load(at + entry.size - 8) == entry.tail &&
           (entry.size <= 16 || std::memcmp(at + 8, entry.key + 8, entry.size - 16U) == 0);
  }

  // Eight bytes from p, the first in the low byte.
  static std::uint64_t Load(const char* p) {
    if constexpr (std::endian::native == std::endian::little) {
      std::uint64_t word = 0;
      std::memcpy(&word, p, 8);
      return word;
    } else {
      std::uint64_t word = 0;
      for (std::size_t j = 0; j < 8; ++j) {
        word |= std::uint64_t{static_cast<unsigned char>(p[j])} << static_cast<unsigned>(8 * j);
      }
      return word;
    }
  }

  // Up to eight bytes of `data` (of size n) from i, the first in the low byte, zero beyond its
  // end.
  static std::uint64_t Head(const char* data, std::size_t n, std::size_t i) {
    const std::size_t left = n - i;
    if (left >= 8) {
      return Load(data + i);
    }
    if (n >= 8) {
      // The word that ends where the line ends, shifted past the bytes before i.
      return Load(data + n - 8) >> static_cast<unsigned>(8 * (8 - left));
    }
    std::uint64_t head = 0;
    for (std::size_t j = 0; j < left; ++j) {
      head |= std::uint64_t{static_cast<unsigned char>(data[i + j])}
              << static_cast<unsigned>(8 * j);
    }
    return head;
  }

  KeyStartFilter starts_;
  std::array<std::uint8_t, 256> rowOf_{};  // row of the buckets of first byte b; 0: no key
  // The bucket of each pair of leading bytes, a row of 256 per first byte; 0: no key. Row 0
  // stays empty.
  std::array<std::uint8_t, (N + 1) * 256> buckets_{};
  std::array<bool, kMaxBuckets + 1> shared_{};  // the bucket of a first byte's one-byte keys
  // The entries of bucket b: from the low byte of bucketRange_[b] to its high byte. Bucket 0
  // has none.
  std::array<std::uint16_t, kMaxBuckets + 1> bucketRange_{};
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
