#pragma once

// Where in a piece of text a key can start: the first pass of the key search, sixteen bytes at
// a time. A position passes when its byte is the first byte of some key and the byte after it
// is the second byte of a key with that first byte (any byte for a one-byte key). The keys'
// first bytes are few (blanks, brackets, capitals) and a blank is mostly followed by a digit or
// a word no key begins with, so the pair test leaves far fewer positions for the exact tests
// than the first byte alone.
// Both sets are held as a few ranges of byte values, each tested on sixteen bytes with one or
// two vector instructions (SSE2 on x86-64, SIMD128 in the browser); elsewhere a table of first
// bytes does, and the exact tests do the rest.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#define VORNETH_FILTER_SSE2 1
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#define VORNETH_FILTER_WASM 1
#endif

namespace vorneth::playersview {

class KeyStartFilter {
 public:
  static constexpr std::size_t kBlock = 16;

  // The ranges may cover a few bytes more than the keys' (the gaps merged to keep their number
  // small); the exact tests after this pass reject those.
  template <std::size_t N>
  constexpr explicit KeyStartFilter(const std::array<std::string_view, N>& keys) {
    for (std::string_view key : keys) {
      first_[static_cast<unsigned char>(key.front())] = 1;
      if (key.size() == 1) {
        oneByte_[static_cast<unsigned char>(key.front())] = 1;
      }
    }
#if defined(VORNETH_FILTER_SSE2) || defined(VORNETH_FILTER_WASM)
    std::array<bool, 256> member{};
    for (std::size_t b = 0; b < 256; ++b) {
      member[b] = first_[b] != 0;
    }
    firstCount_ = MergedRanges(member, firsts_.data(), kMaxFirsts);
    // The second bytes of each first range's keys, as ranges of their own. A range holding the
    // first byte of a one-byte key passes whatever follows, and so does one whose keys have
    // many second bytes: that test would pass most text (a capital is mostly followed by a
    // small letter) for the cost of several ranges.
    std::array<Range, 256> seconds{};
    std::array<std::size_t, 256> ownerOf{};
    std::size_t count = 0;
    for (std::size_t r = 0; r < firstCount_; ++r) {
      std::array<bool, 256> follows{};
      std::size_t followCount = 0;
      for (std::string_view key : keys) {
        const auto first = static_cast<unsigned char>(key.front());
        if (first < firsts_[r].lo || first > firsts_[r].hi) {
          continue;
        }
        if (key.size() == 1) {
          anySecond_[r] = true;
        } else if (!follows[static_cast<unsigned char>(key[1])]) {
          follows[static_cast<unsigned char>(key[1])] = true;
          ++followCount;
        }
      }
      if (anySecond_[r] || followCount > kFewSeconds) {
        anySecond_[r] = true;
        continue;
      }
      const std::size_t made = MergedRanges(follows, seconds.data() + count, 256);
      for (std::size_t s = count; s < count + made; ++s) {
        ownerOf[s] = r;
      }
      count += made;
    }
    // Merges the two neighbours of one first range with the narrowest gap until the ranges fit.
    while (count > kMaxSeconds) {
      std::size_t narrowest = count;
      for (std::size_t s = 0; s + 1 < count; ++s) {
        if (ownerOf[s] == ownerOf[s + 1] &&
            (narrowest == count || seconds[s + 1].lo - seconds[s].hi <
                                       seconds[narrowest + 1].lo - seconds[narrowest].hi)) {
          narrowest = s;
        }
      }
      if (narrowest == count) {
        // One range per first range already: the last first range goes untested.
        anySecond_[ownerOf[count - 1]] = true;
        --count;
        continue;
      }
      seconds[narrowest].hi = seconds[narrowest + 1].hi;
      for (std::size_t s = narrowest + 1; s + 1 < count; ++s) {
        seconds[s] = seconds[s + 1];
        ownerOf[s] = ownerOf[s + 1];
      }
      --count;
    }
    secondCount_ = count;
    for (std::size_t s = 0; s < count; ++s) {
      seconds_[s] = seconds[s];
      ownerOfSecond_[s] = static_cast<std::uint8_t>(ownerOf[s]);
    }
#endif
  }

  // Bit j set: a key may start at p[j] (followed by p[j + 1]), for the 16 bytes from p; reads
  // p[16] too.
  std::uint32_t Block(const char* p) const {
#if defined(VORNETH_FILTER_SSE2)
    return Starts(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                  _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1)));
#elif defined(VORNETH_FILTER_WASM)
    return Starts(wasm_v128_load(p), wasm_v128_load(p + 1));
#else
    return PortableBlock(p);
#endif
  }

  // The positions whose byte starts a key, by a table per byte, where no vector instructions
  // are at hand. Reads the 16 bytes from p only.
  std::uint32_t PortableBlock(const char* p) const {
    std::uint32_t bits = 0;
    for (std::size_t j = 0; j < kBlock; ++j) {
      bits |= std::uint32_t{first_[static_cast<unsigned char>(p[j])]} << j;
    }
    return bits;
  }

  // The same for the last `left` bytes of a text, 1 to 16, that begin at p and end at the
  // text's end; `size` is the length of the whole text, of which they are part. Reads no byte
  // past the text's end.
  std::uint32_t Tail(const char* p, std::size_t left, std::size_t size) const {
    const auto last = static_cast<unsigned char>(p[left - 1]);
    if (size > kBlock) {
      // The block that ends at the text's last byte, shifted past the bytes already seen; the
      // last byte, with nothing after it, can start a one-byte key only.
      return Block(p + left - kBlock - 1) >> (kBlock + 1 - left) | std::uint32_t{oneByte_[last]}
                                                                       << (left - 1);
    }
    const std::uint32_t inText = (std::uint32_t{1} << left) - 1;
#if defined(VORNETH_FILTER_SSE2) || defined(VORNETH_FILTER_WASM)
    // The text as two words padded with zero bytes, which no key holds, and the same a byte
    // further on, made into vectors in registers: a copy through memory would be read back
    // before its stores could be forwarded. (Both targets are little-endian.)
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    if (left >= 8) {
      low = Word<std::uint64_t>(p);
      high = left > 8 ? Word<std::uint64_t>(p + left - 8) >> (8 * (16 - left)) : 0;
    } else if (left >= 4) {
      low = Word<std::uint32_t>(p) | std::uint64_t{Word<std::uint32_t>(p + left - 4)}
                                         << (8 * (left - 4));
    } else {
      for (std::size_t j = 0; j < left; ++j) {
        low |= std::uint64_t{static_cast<unsigned char>(p[j])} << (8 * j);
      }
    }
    return Starts(Make(low, high), Make(low >> 8U | high << 56U, high >> 8U)) & inText;
#else
    std::array<char, kBlock> block{};
    std::memcpy(block.data(), p, left);
    return PortableBlock(block.data()) & inText;
#endif
  }

 private:
  static constexpr std::size_t kMaxFirsts = 6;
  static constexpr std::size_t kMaxSeconds = 8;
  static constexpr std::size_t kFewSeconds = 12;
  struct Range {
    std::uint8_t lo = 0;
    std::uint8_t hi = 0;
  };

  // The runs of `member` as ranges into `out`, the narrowest gaps merged until at most `most`
  // remain; returns how many.
  static constexpr std::size_t MergedRanges(const std::array<bool, 256>& member, Range* out,
                                            std::size_t most) {
    std::array<Range, 256> runs{};
    std::size_t count = 0;
    for (std::size_t b = 0; b < 256; ++b) {
      if (!member[b]) {
        continue;
      }
      if (count > 0 && std::size_t{runs[count - 1].hi} + 1 == b) {
        runs[count - 1].hi = static_cast<std::uint8_t>(b);
      } else {
        runs[count++] = {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(b)};
      }
    }
    while (count > most) {
      std::size_t narrowest = 0;
      for (std::size_t r = 1; r + 1 < count; ++r) {
        if (runs[r + 1].lo - runs[r].hi < runs[narrowest + 1].lo - runs[narrowest].hi) {
          narrowest = r;
        }
      }
      runs[narrowest].hi = runs[narrowest + 1].hi;
      for (std::size_t r = narrowest + 1; r + 1 < count; ++r) {
        runs[r] = runs[r + 1];
      }
      --count;
    }
    for (std::size_t r = 0; r < count; ++r) {
      out[r] = runs[r];
    }
    return count;
  }

#if defined(VORNETH_FILTER_SSE2)
  using Vec = __m128i;
  static Vec Or(Vec a, Vec b) {
    return _mm_or_si128(a, b);
  }
  static Vec And(Vec a, Vec b) {
    return _mm_and_si128(a, b);
  }
  static std::uint32_t Lanes(Vec v) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(v));
  }
  static Vec Make(std::uint64_t low, std::uint64_t high) {
    return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
  }

  // Lanes of `bytes` in [lo, hi]: b - lo, unsigned, is at most hi - lo, which the signed
  // comparison tests on b - lo - 128. No range is all 256 bytes: no key holds byte 0.
  static Vec In(Vec bytes, Range range) {
    if (range.lo == range.hi) {
      return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(range.lo)));
    }
    const __m128i shifted = _mm_add_epi8(bytes, _mm_set1_epi8(static_cast<char>(128 - range.lo)));
    return _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(range.hi - range.lo - 127)));
  }
#elif defined(VORNETH_FILTER_WASM)
  using Vec = v128_t;
  static Vec Or(Vec a, Vec b) {
    return wasm_v128_or(a, b);
  }
  static Vec And(Vec a, Vec b) {
    return wasm_v128_and(a, b);
  }
  static std::uint32_t Lanes(Vec v) {
    return wasm_i8x16_bitmask(v);
  }
  static Vec Make(std::uint64_t low, std::uint64_t high) {
    return wasm_u64x2_make(low, high);
  }

  static Vec In(Vec bytes, Range range) {
    if (range.lo == range.hi) {
      return wasm_i8x16_eq(bytes, wasm_u8x16_splat(range.lo));
    }
    const v128_t offset = wasm_i8x16_sub(bytes, wasm_u8x16_splat(range.lo));
    return wasm_u8x16_le(offset, wasm_u8x16_splat(static_cast<std::uint8_t>(range.hi - range.lo)));
  }
#endif

#if defined(VORNETH_FILTER_SSE2) || defined(VORNETH_FILTER_WASM)
  template <typename W>
  static W Word(const char* p) {
    W word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
  }

  // The start positions among `bytes`, whose next bytes are `next`. (Simple loops over the
  // ranges, which the compiler unrolls with the ranges as constants.)
  std::uint32_t Starts(Vec bytes, Vec next) const {
    Vec first[kMaxFirsts];
    Vec hits{};
    for (std::size_t r = 0; r < firstCount_; ++r) {
      first[r] = In(bytes, firsts_[r]);
      if (anySecond_[r]) {
        hits = Or(hits, first[r]);
      }
    }
    Vec second{};
    for (std::size_t s = 0; s < secondCount_; ++s) {
      second = Or(second, In(next, seconds_[s]));
      if (s + 1 == secondCount_ || ownerOfSecond_[s + 1] != ownerOfSecond_[s]) {
        hits = Or(hits, And(first[ownerOfSecond_[s]], second));
        second = Vec{};
      }
    }
    return Lanes(hits);
  }
#endif

#if defined(VORNETH_FILTER_SSE2) || defined(VORNETH_FILTER_WASM)
  std::array<Range, kMaxFirsts> firsts_{};
  std::size_t firstCount_ = 0;
  std::array<bool, kMaxFirsts> anySecond_{};  // first range r passes whatever byte follows
  std::array<Range, kMaxSeconds> seconds_{};
  std::array<std::uint8_t, kMaxSeconds> ownerOfSecond_{};  // the first range of each
  std::size_t secondCount_ = 0;
#endif
  std::array<std::uint8_t, 256> first_{};    // byte b starts a key
  std::array<std::uint8_t, 256> oneByte_{};  // byte b is a key
};

}  // namespace vorneth::playersview
