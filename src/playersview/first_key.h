#pragma once

// Finding the first key of an ordered list that occurs anywhere in a line, in one pass over
// the line. Testing every key by a substring search costs a scan of the line per key; here a
// vector pass finds the positions where some key's first two bytes stand, a hash table built at
// compile time gives the bucket of the keys that can start with the three bytes found there
// (none, mostly: a capital followed by a small letter passes the vector pass), and a position
// looks only at that bucket's keys, and only at keys earlier in the list than the best one found
// so far. The answer is the same as testing the keys one by one in list order.

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
  static_assert(N < 128, "key positions and bucket ends are stored in one byte");

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
    // The distinct prefixes of the keys of kPrefix bytes or more.
    std::array<std::uint32_t, N> prefixes{};
    std::size_t prefixCount = 0;
    for (std::string_view key : keys) {
      for (char c : key) {
        if (c == '\0') {
          KeyHoldsZeroByte();  // not a constant expression: the index fails to compile
        }
      }
      if (key.size() >= kPrefix) {
        const std::uint32_t prefix = WordOf(key, kPrefix);
        bool seen = false;
        for (std::size_t p = 0; p < prefixCount; ++p) {
          seen = seen || prefixes[p] == prefix;
        }
        if (!seen) {
          prefixes[prefixCount++] = prefix;
        }
      }
    }
    // Each prefix gets the bucket of the keys that can start with it, in list order: the keys
    // with this prefix and the shorter keys it starts with. Other text starting with a short
    // key's first byte gets the bucket of that byte's short keys.
    multiplier_ = MultiplierFor(prefixes, prefixCount);
    for (std::size_t p = 0; p < prefixCount; ++p) {
      slots_[SlotOf(prefixes[p])] =
          prefixes[p] | std::uint64_t{AddBucket(keys, prefixes[p], kPrefix)} << 32U;
    }
    for (std::string_view key : keys) {
      const auto first = static_cast<unsigned char>(key.front());
      if (key.size() < kPrefix && shortRange_[first] == 0) {
        shortRange_[first] = static_cast<std::uint16_t>(AddBucket(keys, first, 1));
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

  // A key of kPrefix bytes or more stands in one bucket, a shorter key in every bucket of its
  // first bytes: a list with more of them than this room fails to compile.
  static constexpr std::size_t kMaxEntries = 2 * N;
  // The bytes of a bucket's tag: the keys shorter than this are the short keys.
  static constexpr std::size_t kPrefix = 3;
  static constexpr std::uint64_t kPrefixMask = (std::uint64_t{1} << (8 * kPrefix)) - 1;
  // The table of the prefixes' buckets: mostly empty, so that a multiplier is soon found that
  // puts every prefix in a slot of its own.
  static constexpr std::size_t kSlots = std::bit_ceil(16 * N);
  static constexpr int kSlotBits = std::countr_zero(kSlots);

  // The first `length` bytes of `text`, the first in the low byte.
  static constexpr std::uint32_t WordOf(std::string_view text, std::size_t length) {
    std::uint32_t word = 0;
    for (std::size_t j = 0; j < length; ++j) {
      word |= std::uint32_t{static_cast<unsigned char>(text[j])} << static_cast<unsigned>(8 * j);
    }
    return word;
  }

  constexpr std::size_t SlotOf(std::uint32_t prefix) const {
    return static_cast<std::size_t>((prefix * multiplier_) >> (32 - kSlotBits));
  }

  // The first multiplier (of a fixed sequence) that sends no two prefixes to one slot.
  static constexpr std::uint32_t MultiplierFor(const std::array<std::uint32_t, N>& prefixes,
                                               std::size_t count) {
    for (std::uint32_t t = 0; t < 100000; ++t) {
      const std::uint32_t multiplier = 0x9E3779B1U * (2 * t + 1);
      std::array<bool, kSlots> taken{};
      bool clash = false;
      for (std::size_t p = 0; p < count && !clash; ++p) {
        const auto slot = static_cast<std::size_t>((prefixes[p] * multiplier) >> (32 - kSlotBits));
        clash = taken[slot];
        taken[slot] = true;
      }
      if (!clash) {
        return multiplier;
      }
    }
    KeyHoldsZeroByte();  // never comes to this: no multiplier, no index
    return 0;
  }

  // Adds the bucket, in list order, of the keys that can start where a line's first `length`
  // bytes are `start`: those with this prefix and the short keys the prefix starts with; or,
  // for length 1, the short keys of that byte. Returns its entries, from the low byte of the
  // result to its high byte.
  constexpr std::uint32_t AddBucket(const std::array<std::string_view, N>& keys,
                                    std::uint32_t start, std::size_t length) {
    const std::size_t first = entryCount_;
    for (std::size_t k = 0; k < N; ++k) {
      const std::string_view key = keys[k];
      bool starts = false;
      if (length < kPrefix) {
        starts = key.size() < kPrefix && static_cast<unsigned char>(key.front()) == start;
      } else if (key.size() < kPrefix) {
        starts = WordOf(key, key.size()) == (start & ((1U << (8 * key.size())) - 1));
      } else {
        starts = WordOf(key, kPrefix) == start;
      }
      if (starts) {
        entries_[entryCount_++] = EntryOf(key, k);
      }
    }
    return static_cast<std::uint32_t>(first | entryCount_ << 8U);
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
  // [first, end) of the keys that can start with them, while visit returns true.
  template <typename Visit>
  void ForEachStart(std::string_view line, Visit visit) const {
    const std::size_t n = line.size();
    const char* const data = line.data();
    const auto visitAll = [&](std::size_t base, std::uint32_t starts) {
      for (; starts != 0; starts &= starts - 1) {
        const std::size_t i = base + static_cast<std::size_t>(std::countr_zero(starts));
        const std::uint64_t head = Head(data, n, i);
        // The bucket of the prefix at i, or else the short keys of its first byte (if any).
        const auto prefix = static_cast<std::uint32_t>(head & kPrefixMask);
        const std::uint64_t slot = slots_[SlotOf(prefix)];
        const std::uint32_t range = static_cast<std::uint32_t>(slot) == prefix
                                        ? static_cast<std::uint32_t>(slot >> 32U)
                                        : shortRange_[head & 0xFFU];
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
  // Per slot: a prefix (none: 0) and, in the high half, its bucket's entries.
  std::array<std::uint64_t, kSlots> slots_{};
  std::uint32_t multiplier_ = 0;
  // Per first byte: the entries of the bucket of its short keys; 0: none.
  std::array<std::uint16_t, 256> shortRange_{};
  std::size_t entryCount_ = 0;
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
