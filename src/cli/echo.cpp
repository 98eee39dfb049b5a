#include "cli/echo.h"

#include "core/utf8.h"

namespace vorneth::cli {

namespace {

constexpr std::size_t kEchoWidth = 60;

std::string EscapedByte(char c) {
  constexpr std::string_view kHex = "0123456789abcdef";
  const auto byte = static_cast<unsigned char>(c);
  if (c == '\n') {
    return "\\n";
  }
  if (c == '\r') {
    return "\\r";
  }
  if (c == '\t') {
    return "\\t";
  }
  return {'\\', 'x', kHex[byte >> 4], kHex[byte & 0x0Fu]};
}

bool IsControl(char32_t codePoint) {
  return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace

std::string Echo(std::string_view text) {
  std::string out;
  std::size_t width = 0;
  while (!text.empty()) {
    const Utf8Step step = DecodeUtf8(text);
    // An ill-formed part is escaped a byte at a time; a character is printed or escaped whole.
    const std::size_t taken = step.valid ? step.length : 1;
    std::string piece;
    std::size_t pieceWidth = 1;
    if (step.valid && !IsControl(step.codePoint)) {
      piece = text.substr(0, taken);
    } else {
      for (char c : text.substr(0, taken)) {
        piece += EscapedByte(c);
      }
      pieceWidth = piece.size();
    }
    if (width + pieceWidth > kEchoWidth) {
      return out + "...";
    }
    out += piece;
    width += pieceWidth;
    text.remove_prefix(taken);
  }
  return out;
}

}  // namespace vorneth::cli
