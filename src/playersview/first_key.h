#pragma once

// Finding the first key of an ordered list that occurs anywhere in a line, in one pass over
// the line. Testing every key by a substring search costs a scan of the line per key; here the
// keys are grouped by their first byte (at compile time), a bit per pair of bytes tells at
// once whether any key can start at a position, a position looks only at the keys that can
// start there, and only at keys earlier in the list than the best one found so far. The answer is
// the same as testing the keys one by one in list order.

#include <array>
#include <bit>
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

// The keys may form G groups of consecutive list positions (several lists searched in one pass):
// FindEach answers for each group as Find would for that group's list alone.
template <std::size_t N, std::size_t G = 1>
class FirstKeyIndex {
 public:
  static_assert(N < 255, "key positions are stored in one byte");

  constexpr explicit FirstKeyIndex(const std::array<std::string_view, N>& keys,
                                   const std::array<std::size_t, G>& groupSizes = {N}) {
    std::size_t end = 0;
    for (std::size_t g = 0; g < G; ++g) {
      groupStart_[g] = static_cast<std::uint8_t>(end);
      end += groupSizes[g];
      groupEnd_[g] = static_cast<std::uint8_t>(end);
      for (std::size_t k = groupStart_[g]; k < end; ++k) {
        groupOf_[k] = static_cast<std::uint8_t>(g);
      }
    }
    // Counting sort by first byte; within a bucket the keys keep their list order.
    std::array<std::uint8_t, 257> count{};
    for (std::string_view key : keys) {
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
      const auto b = static_cast<unsigned char>(keys[k].front());
      Entry& entry = entries_[fill[b]++];
      entry.key = keys[k];
      entry.index = static_cast<std::uint8_t>(k);
      entry.group = groupOf_[k];
      // The pairs of bytes a key can start with; a one-byte key starts with any pair.
      if (keys[k].size() == 1) {
        for (std::size_t second = 0; second < 256; ++second) {
          MarkPair(b, second);
        }
      } else {
        MarkPair(b, static_cast<unsigned char>(keys[k][1]));
      }
      // The key's first (up to) four bytes, for a cheap test before the full comparison.
      for (std::size_t j = 0; j < 4 && j < keys[k].size(); ++j) {
        const auto shift = static_cast<unsigned>(8 * j);
        entry.head |= static_cast<std::uint32_t>(static_cast<unsigned char>(keys[k][j])) << shift;
        entry.headMask |= std::uint32_t{0xFF} << shift;
      }
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
      const std::size_t next = i + 1 < n ? static_cast<unsigned char>(data[i + 1]) : 0;
      const std::size_t pair = std::size_t{b} << 8U | next;
      if ((pairs_[pair >> 6U] >> (pair & 63U) & 1U) == 0) {
        continue;  // no key starts with these two bytes
      }
      const std::size_t end = start_[b + 1];
      std::size_t e = start_[b];
      const std::uint32_t head = Head(data + i, n - i);
      for (; e < end; ++e) {
        const Entry& entry = entries_[e];
        if (entry.index >= best) {
          break;  // this key and the rest of the bucket come later in the list
        }
        if ((head & entry.headMask) == entry.head && entry.key.size() <= n - i &&
            std::memcmp(data + i, entry.key.data(), entry.key.size()) == 0) {
          // The first time a key can still win it is at its leftmost occurrence.
          best = entry.index;
          bestAt = i;
          break;
        }
      }
    }
    return {best, bestAt};
  }

  // For each group, the first key of the group (in list order) that occurs in `line` and where
  // it first occurs; `key` counts from the group's start (the group's size when none occurs).
  std::array<KeyMatch, G> FindEach(std::string_view line) const {
    const std::size_t n = line.size();
    const char* const data = line.data();
    std::array<std::uint8_t, G> best = groupEnd_;
    std::array<std::size_t, G> bestAt{};
    // Up to 64 positions at a time: first the positions where some key can start, without a
    // branch per byte, then only those.
    for (std::size_t base = 0; base < n; base += 64) {
      const std::size_t len = n - base < 64 ? n - base : 64;
      std::uint64_t candidates = 0;
      for (std::size_t j = 0; j < len; ++j) {
        const std::size_t i = base + j;
        const std::size_t next = i + 1 < n ? static_cast<unsigned char>(data[i + 1]) : 0;
        const std::size_t pair = std::size_t{static_cast<unsigned char>(data[i])} << 8U | next;
        candidates |= (pairs_[pair >> 6U] >> (pair & 63U) & 1U) << j;
      }
      for (; candidates != 0; candidates &= candidates - 1) {
        const std::size_t i = base + static_cast<std::size_t>(std::countr_zero(candidates));
        const auto b = static_cast<unsigned char>(data[i]);
        const std::uint32_t head = Head(data + i, n - i);
        for (std::size_t e = start_[b], end = start_[b + 1]; e < end; ++e) {
          const Entry& entry = entries_[e];
          // A group's keys stand in list order within the bucket: once one is found, the later
          // ones of its group cannot win any more.
          if (entry.index < best[entry.group] && (head & entry.headMask) == entry.head &&
              entry.key.size() <= n - i &&
              std::memcmp(data + i, entry.key.data(), entry.key.size()) == 0) {
            best[entry.group] = entry.index;
            bestAt[entry.group] = i;
          }
        }
      }
    }
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

  constexpr void MarkPair(std::size_t first, std::size_t second) {
    const std::size_t pair = first << 8U | second;
    pairs_[pair >> 6U] |= std::uint64_t{1} << (pair & 63U);
  }

  std::array<std::uint64_t, 1024> pairs_{};  // one bit per pair of leading bytes
  std::array<std::uint8_t, 257> start_{};    // bucket of byte b: entries_[start_[b] .. start_[b+1])
  std::array<Entry, N> entries_{};
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
