#pragma once

// The writing under the JSON Lines record: a buffer its bytes gather in, a cursor that writes
// the parts of a piece of known greatest size without a check each, and the inside of a JSON
// string as the JSON library writes it.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vorneth::formats::jsonl {

// Numbers are written as the words that hold their digits.
static_assert(std::endian::native == std::endian::little);

// Gathers a record's bytes in a small buffer and appends them to the string a buffer at a time,
// so each of the many short pieces of a record costs a copy rather than a call into the string.
// Room hands out a cursor for up to kMaxPiece bytes; CommitTo takes what was written there.
class Sink {
 public:
  static constexpr std::size_t kMaxPiece = 2048;

  explicit Sink(std::string& out) : out_(out) {}
  Sink(const Sink&) = delete;
  Sink& operator=(const Sink&) = delete;
  ~Sink() { Flush(); }

  // Where `bytes` more, at most kMaxPiece, can be written.
  char* Room(std::size_t bytes) {
    if (bytes > buffer_.size() - used_) {
      Flush();
    }
    return buffer_.data() + used_;
  }
  void CommitTo(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }
  // Takes back the last `bytes` bytes, which the last piece added: a list's items are written
  // each with the comma after it, and the last comma taken back.
  void Back(std::size_t bytes) { used_ -= bytes; }

  Sink& operator+=(std::string_view text) {
    if (text.size() > buffer_.size() - used_) {
      Spill(text);
    } else {
      std::memcpy(buffer_.data() + used_, text.data(), text.size());
      used_ += text.size();
    }
    return *this;
  }

 private:
  void Flush() {
    out_.append(buffer_.data(), used_);
    used_ = 0;
  }

  // Text that does not fit in what is left of the buffer: out of line, so that adding a piece
  // stays a few instructions.
  [[gnu::noinline]] void Spill(std::string_view text) {
    Flush();
    if (text.size() > buffer_.size()) {
      out_ += text;
    } else {
      *this += text;
    }
  }

  std::string& out_;
  std::array<char, 2 * kMaxPiece> buffer_;  // written before it is read
  std::size_t used_ = 0;
};

// The inside of a JSON string as the JSON library writes it, without its quotes: escapes where
// JSON wants them, ill-formed UTF-8 replaced.
void AddBody(Sink& out, std::string_view text);

// Whether no byte of `text` needs more than a copy to stand inside a JSON string. With `copy`,
// the text is also copied there as it is looked at (room for at least kBlock bytes): whole when
// the answer is yes.
bool AllCopyable(std::string_view text, char* copy = nullptr);

// The cursor's writes: each returns where the next part goes. The room asked of the sink covers
// them all.

// A string literal, its terminator left out: a copy of known size, a few instructions. (An
// array of chars that is not a literal goes through std::string_view.)
template <std::size_t N>
char* Put(char* at, const char (&text)[N]) {
  std::memcpy(at, text, N - 1);
  return at + N - 1;
}

inline char* Put(char* at, char c) {
  *at = c;
  return at + 1;
}

inline char* Put(char* at, std::string_view text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

// A name of a few bytes: with four to eight, two copies of four bytes that overlap, a few
// instructions rather than a call.
inline char* PutName(char* at, std::string_view name) {
  if (name.size() < 4 || name.size() > 8) {
    return Put(at, name);
  }
  std::memcpy(at, name.data(), 4);
  std::memcpy(at + name.size() - 4, name.data() + name.size() - 4, 4);
  return at + name.size();
}

// Bytes of text looked at and copied at a time.
inline constexpr std::size_t kBlock = 16;

// Bytes a text is copied in at first, whatever its length: most lines of a hoard are shorter.
inline constexpr std::size_t kLineBlock = 64;

// Text that needs no more than a copy (see AllCopyable), taken from text readable up to
// `readableEnd`. Where kLineBlock bytes past its end can be read, it is copied kLineBlock bytes
// at a time: for a short text a few instructions whose count does not depend on its length,
// rather than a call. Writes up to kLineBlock bytes past its end.
inline char* PutCopied(char* at, std::string_view text, const char* readableEnd) {
  const char* from = text.data();
  if (static_cast<std::size_t>(readableEnd - from) >= text.size() + kLineBlock) {
    std::memcpy(at, from, kLineBlock);
    if (text.size() > kLineBlock) {
      for (std::size_t i = kLineBlock; i < text.size(); i += kLineBlock) {
        std::memcpy(at + i, from + i, kLineBlock);
      }
    }
  } else {
    std::memcpy(at, from, text.size());
  }
  return at + text.size();
}

// A short text of a few kinds (a name and the keys around it) held in a fixed room: copying the
// whole room, whatever the text's length, costs a few instructions rather than a call.
struct Piece {
  static constexpr std::size_t kRoom = 48;
  std::array<char, kRoom> bytes{};
  std::size_t size = 0;
};

// The parts written one after another; they must fit in the room.
Piece MakePiece(std::initializer_list<std::string_view> parts);

// Copies the piece's whole room: the cursor's room must hold Piece::kRoom bytes.
inline char* Put(char* at, const Piece& piece) {
  std::memcpy(at, piece.bytes.data(), Piece::kRoom);
  return at + piece.size;
}

// Room enough for any number Put writes: a sign and twenty digits, or a double's shortest form.
inline constexpr std::size_t kNumberRoom = 32;

namespace detail {

inline constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

inline constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The eight decimal digits of `value` (below 10^8) as ASCII, zeros in front, the first digit
// in the lowest byte: each step splits every lane of the word in two at once, multiplying by a
// reciprocal of 100 or 10 and keeping the quotient's bits.
constexpr std::uint64_t EightDigits(std::uint32_t value) {
  const std::uint64_t fours = value / 10000 | std::uint64_t{value % 10000} << 32U;
  const std::uint64_t hundreds = (fours * 10486 >> 20U) & 0x0000007F0000007FU;
  const std::uint64_t twos = hundreds | (fours - hundreds * 100) << 16U;
  const std::uint64_t tens = (twos * 103 >> 10U) & 0x000F000F000F000FU;
  return (tens | (twos - tens * 10) << 8U) + 0x3030303030303030U;
}

}  // namespace detail

// The decimal digits of `value`, the fewest that write it. Below 10^8 (nearly every number of a
// hoard) without a branch that depends on the digits: the eight digits are written whole, the
// zeros in front shifted out; the cursor's room holds them.
inline char* PutUnsigned(char* at, std::uint64_t value) {
  // log10 of the highest bit's power of two, 1233 / 4096 being just below log10(2): one less
  // than the count of digits or the count itself, which the power of ten tells.
  const auto width = static_cast<std::size_t>(std::bit_width(value | 1U));
  const std::size_t guess = (width * 1233U) >> 12U;
  const std::size_t digits = guess + ((value | 1U) >= detail::kPowersOfTen[guess] ? 1 : 0);
  if (value < detail::kPowersOfTen[8]) {
    const std::uint64_t eight =
        detail::EightDigits(static_cast<std::uint32_t>(value)) >> (8 * (8 - digits));
    std::memcpy(at, &eight, sizeof eight);
    return at + digits;
  }
  char* p = at + digits;
  while (value >= 100) {
    p -= 2;
    std::memcpy(p, detail::kDigitPairs.data() + value % 100 * 2, 2);
    value /= 100;
  }
  if (value >= 10) {
    std::memcpy(p - 2, detail::kDigitPairs.data() + value * 2, 2);
  } else {
    p[-1] = static_cast<char>('0' + value);
  }
  return at + digits;
}

// An integer as the JSON library writes it.
inline char* PutInteger(char* at, std::int64_t value) {
  if (value < 0) {
    *at++ = '-';
    return PutUnsigned(at, 0U - static_cast<std::uint64_t>(value));
  }
  return PutUnsigned(at, static_cast<std::uint64_t>(value));
}

// A count as PutInteger writes it, for counts nearly always below 100 (pieces, items, maps):
// those are one or two bytes of a table, behind a branch that nearly always goes the same way.
inline char* PutCount(char* at, std::int64_t value) {
  if (value >= 0 && value < 100) {
    const auto count = static_cast<std::size_t>(value);
    const std::size_t single = count < 10 ? 1 : 0;  // a single digit is the second of its pair
    std::memcpy(at, detail::kDigitPairs.data() + 2 * count + single, 2);
    return at + 2 - single;
  }
  return PutInteger(at, value);
}

}  // namespace vorneth::formats::jsonl
