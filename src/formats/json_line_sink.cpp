#include "formats/json_line_sink.h"

#include <algorithm>
#include <cstdlib>

#include "core/utf8.h"
#include "formats/json_export.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define VORNETH_JSON_SSE2 1
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#define VORNETH_JSON_WASM 1
#endif

namespace vorneth::formats::jsonl {

namespace {

using namespace std::string_view_literals;

// What a byte of a string needs: nothing (copied as it is), an escape, or a look at the UTF-8
// character it starts.
enum class ByteNeed : unsigned char { Copy, Escape, Utf8 };

constexpr std::array<ByteNeed, 256> kByteNeeds = [] {
  std::array<ByteNeed, 256> needs{};
  for (std::size_t b = 0; b < 256; ++b) {
    needs[b] = b < 0x20 || b == '"' || b == '\\' ? ByteNeed::Escape
               : b >= 0x80                       ? ByteNeed::Utf8
                                                 : ByteNeed::Copy;
  }
  return needs;
}();

void AddEscape(Sink& out, char c) {
  switch (c) {
    case '"':
      out += "\\\""sv;
      break;
    case '\\':
      out += "\\\\"sv;
      break;
    case '\b':
      out += "\\b"sv;
      break;
    case '\f':
      out += "\\f"sv;
      break;
    case '\n':
      out += "\\n"sv;
      break;
    case '\r':
      out += "\\r"sv;
      break;
    case '\t':
      out += "\\t"sv;
      break;
    default: {
      constexpr char kHex[] = "0123456789abcdef";
      const char code[] = {'\\',
                           'u',
                           '0',
                           '0',
                           kHex[static_cast<unsigned char>(c) >> 4U],
                           kHex[static_cast<unsigned char>(c) & 0xFU]};
      out += std::string_view(code, sizeof code);
    }
  }
}

// Copies the sixteen bytes at `from` to `to` and returns a bit per byte (the first byte's the
// lowest) set where the byte needs more than a copy: one below 0x20, a quote, a backslash, or
// one of 0x80 and above. Compared as signed bytes, those of 0x80 and above are below 0x20 too.
unsigned CopyBlock(char* to, const char* from) {
#if defined(VORNETH_JSON_SSE2)
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to), bytes);
  const __m128i special = _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)),
                                       _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')),
                                                    _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\'))));
  return static_cast<unsigned>(_mm_movemask_epi8(special));
#elif defined(VORNETH_JSON_WASM)
  const v128_t bytes = wasm_v128_load(from);
  wasm_v128_store(to, bytes);
  const v128_t special = wasm_v128_or(wasm_i8x16_lt(bytes, wasm_i8x16_splat(0x20)),
                                      wasm_v128_or(wasm_i8x16_eq(bytes, wasm_i8x16_splat('"')),
                                                   wasm_i8x16_eq(bytes, wasm_i8x16_splat('\\'))));
  return static_cast<unsigned>(wasm_i8x16_bitmask(special));
#else
  std::memcpy(to, from, kBlock);
  unsigned special = 0;
  for (std::size_t i = 0; i < kBlock; ++i) {
    if (kByteNeeds[static_cast<unsigned char>(from[i])] != ByteNeed::Copy) {
      special |= 1U << i;
    }
  }
  return special;
#endif
}

// Whether any of the eight bytes of `word` needs more than a copy.
constexpr bool NeedsMoreThanCopy(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101U;
  const auto anyZero = [](std::uint64_t w) { return (w - kOnes) & ~w; };
  return (((word - kOnes * 0x20U) & ~word) | anyZero(word ^ (kOnes * '"')) |
          anyZero(word ^ (kOnes * '\\')) | word) &
         (kOnes * 0x80U);
}

// How many bytes at the front of `text` need no more than a copy, when fewer than kBlock.
std::size_t ShortCopyable(std::string_view text) {
  if (text.size() >= sizeof(std::uint64_t)) {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::memcpy(&first, text.data(), sizeof first);
    std::memcpy(&last, text.data() + text.size() - sizeof last, sizeof last);
    if (!NeedsMoreThanCopy(first) && !NeedsMoreThanCopy(last)) {
      return text.size();
    }
  }
  std::size_t i = 0;
  while (i < text.size() && kByteNeeds[static_cast<unsigned char>(text[i])] == ByteNeed::Copy) {
    ++i;
  }
  return i;
}

// Copies the front of `text` up to its first byte that needs more than a copy, or a piece of
// kMaxPiece bytes; returns how many bytes it took. A long text is copied a block at a time
// straight into the sink's buffer while the block is looked at; the last block overlaps the one
// before it rather than reading past the text.
std::size_t AddCopyable(Sink& out, std::string_view text) {
  const std::size_t size = std::min(text.size(), Sink::kMaxPiece);
  if (size < kBlock) {
    const std::size_t copyable = ShortCopyable(text.substr(0, size));
    out += text.substr(0, copyable);
    return copyable;
  }
  char* to = out.Room(size);
  const char* from = text.data();
  std::size_t i = 0;
  for (; i + kBlock < size; i += kBlock) {
    if (const unsigned special = CopyBlock(to + i, from + i)) {
      i += static_cast<std::size_t>(std::countr_zero(special));
      out.CommitTo(to + i);
      return i;
    }
  }
  const std::size_t last = size - kBlock;
  if (const unsigned special = CopyBlock(to + last, from + last) >> (i - last)) {
    i += static_cast<std::size_t>(std::countr_zero(special));
    out.CommitTo(to + i);
    return i;
  }
  out.CommitTo(to + size);
  return size;
}

// From its first byte that is not UTF-8 on, text as the JSON library writes it, which replaces
// what is ill-formed. Out of line, as text is seldom ill-formed.
[[gnu::noinline]] void AddIllFormed(Sink& out, std::string_view text) {
  const std::string quoted =
      Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
  out += std::string_view(quoted).substr(1, quoted.size() - 2);
}

}  // namespace

// Plain ASCII and well-formed UTF-8 are copied, escapes written here.
void AddBody(Sink& out, std::string_view text) {
  for (;;) {
    text.remove_prefix(AddCopyable(out, text));
    if (text.empty()) {
      return;
    }
    const ByteNeed need = kByteNeeds[static_cast<unsigned char>(text.front())];
    if (need == ByteNeed::Escape) {
      AddEscape(out, text.front());
      text.remove_prefix(1);
    } else if (need == ByteNeed::Utf8) {
      const Utf8Step step = DecodeUtf8(text);
      if (!step.valid) {
        AddIllFormed(out, text);
        return;
      }
      out += text.substr(0, step.length);
      text.remove_prefix(step.length);
    }
  }
}

bool AllCopyable(std::string_view text, char* copy) {
  std::array<char, kBlock> scratch;  // CopyBlock's copy when none is asked for, unused
  // Each block goes to its place in the copy, or every one to the scratch.
  char* const to = copy != nullptr ? copy : scratch.data();
  const std::size_t step = copy != nullptr ? 1 : 0;
  if (text.size() < kBlock) {
    if (copy != nullptr) {
      std::memcpy(copy, text.data(), text.size());
    }
    return ShortCopyable(text) == text.size();
  }
  // Four blocks at a time, and the four that end with the text: the blocks at the end overlap
  // those before them, or each other in a short text, so that how many are looked at does not
  // depend on the length of a text of up to four blocks.
  constexpr std::size_t kRun = 4 * kBlock;
  const char* const from = text.data();
  const std::size_t last = text.size() - kBlock;
  std::size_t i = 0;
  for (; i + kRun < text.size(); i += kRun) {
    unsigned special = 0;
    for (std::size_t at = i; at < i + kRun; at += kBlock) {
      special |= CopyBlock(to + at * step, from + at);
    }
    if (special != 0) {
      return false;
    }
  }
  unsigned special = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    const std::size_t at = std::min(i + k * kBlock, last);
    special |= CopyBlock(to + at * step, from + at);
  }
  return (special | CopyBlock(to + last * step, from + last)) == 0;
}

Piece MakePiece(std::initializer_list<std::string_view> parts) {
  Piece piece;
  for (std::string_view part : parts) {
    if (part.size() > Piece::kRoom - piece.size) {
      std::abort();  // a name of our own grew past the room: make the room larger
    }
    std::memcpy(piece.bytes.data() + piece.size, part.data(), part.size());
    piece.size += part.size();
  }
  return piece;
}

}  // namespace vorneth::formats::jsonl
