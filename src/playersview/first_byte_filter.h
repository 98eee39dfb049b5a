#pragma once

// Which bytes of a piece of text can start a key: the first pass of the key search, sixteen
// bytes at a time. The keys' first bytes are few (blanks, brackets, capitals) and most bytes of
// a line are none of them, so this pass leaves a handful of positions for the exact tests.
// The set is held as a few ranges of byte values, each tested on sixteen bytes with three
// vector instructions (SSE2 on x86-64, SIMD128 in the browser); elsewhere a table per byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#define VORNETH_FILTER_SSE2 1
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#define VORNETH_FILTER_WASM 1
#endif

namespace vorneth::playersview {

class FirstByteFilter {
 public:
  static constexpr std::size_t kBlock = 16;

  // `member[b]`: byte b starts a key. The ranges may cover a few bytes more (the gaps merged to
  // keep their number small); the exact tests after this pass reject those.
  constexpr explicit FirstByteFilter(const std::array<bool, 256>& member) {
    for (std::size_t b = 0; b < 256; ++b) {
      table_[b] = member[b] ? 1 : 0;
    }
#if defined(VORNETH_FILTER_SSE2) || defined(VORNETH_FILTER_WASM)
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
    // Merges the two neighbours with the narrowest gap until the ranges fit.
    while (count > kMaxRanges) {
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
    // Unused ranges repeat the first, which changes nothing.
    for (std::size_t r = 0; r < kMaxRanges; ++r) {
      ranges_[r] = runs[r < count ? r : 0];
    }
#endif
  }

  // Bit j set: byte p[j] may start a key, for the 16 bytes from p.
  std::uint32_t Block(const char* p) const {
#if defined(VORNETH_FILTER_SSE2)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hits = _mm_setzero_si128();
    for (const Range& range : ranges_) {
      // b in [lo, hi] exactly when b - lo, unsigned, is at most hi - lo.
      const __m128i offset = _mm_sub_epi8(bytes, _mm_set1_epi8(static_cast<char>(range.lo)));
      const __m128i width = _mm_set1_epi8(static_cast<char>(range.hi - range.lo));
      hits = _mm_or_si128(hits, _mm_cmpeq_epi8(_mm_min_epu8(offset, width), offset));
    }
    return static_cast<std::uint32_t>(_mm_movemask_epi8(hits));
#elif defined(VORNETH_FILTER_WASM)
    const v128_t bytes = wasm_v128_load(p);
    v128_t hits = wasm_i8x16_splat(0);
    for (const Range& range : ranges_) {
      const v128_t offset = wasm_i8x16_sub(bytes, wasm_u8x16_splat(range.lo));
      hits = wasm_v128_or(hits, wasm_u8x16_le(offset, wasm_u8x16_splat(range.hi - range.lo)));
    }
    return wasm_i8x16_bitmask(hits);
#else
    return PortableBlock(p);
#endif
  }

  // Block by a table per byte, where no vector instructions are at hand.
  std::uint32_t PortableBlock(const char* p) const {
    std::uint32_t bits = 0;
    for (std::size_t j = 0; j < kBlock; ++j) {
      bits |= std::uint32_t{table_[static_cast<unsigned char>(p[j])]} << j;
    }
    return bits;
  }

  // The same for the last `left` bytes of a text, fewer than 16, that begin at p and end at
  // the text's end; `size` is the length of the whole text, of which they are part.
  std::uint32_t Tail(const char* p, std::size_t left, std::size_t size) const {
    if (size >= kBlock) {
      // The block that ends where the text ends, shifted past the bytes already seen.
      return Block(p + left - kBlock) >> (kBlock - left);
    }
    std::array<char, kBlock> block{};
    std::memcpy(block.data(), p, left);
    return Block(block.data()) & ((std::uint32_t{1} << left) - 1);
  }

 private:
#if defined(VORNETH_FILTER_SSE2) || defined(VORNETH_FILTER_WASM)
  static constexpr std::size_t kMaxRanges = 6;
  struct Range {
    std::uint8_t lo = 0;
    std::uint8_t hi = 0;
  };
  std::array<Range, kMaxRanges> ranges_{};
#endif
  std::array<std::uint8_t, 256> table_{};
};

}  // namespace vorneth::playersview
