#include "tables/row_text.h"

#include "core/utf8.h"

namespace vorneth::tables {

namespace {

constexpr std::size_t kShownCharacters = 60;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits, dice and arithmetic only, with a digit among them.
bool IsDiceExpression(std::string_view text) {
  bool digit = false;
  for (const char c : text) {
    digit = digit || IsDigit(c);
    if (!IsDigit(c) && std::string_view("dD+-*/() ").find(c) == std::string_view::npos) {
      return false;
    }
  }
  return digit;
}

}  // namespace

std::string CleanText(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  bool blank = false;
  while (!text.empty()) {
    const Utf8Step step = DecodeUtf8(text);
    const char32_t c = step.codePoint;
    const bool isBlank = step.valid && (c <= 0x20 || (c >= 0x7F && c <= 0x9F));
    if (isBlank) {
      blank = !clean.empty();
    } else {
      if (blank) {
        clean += ' ';
        blank = false;
      }
      clean += step.valid ? text.substr(0, step.length) : kReplacementCharacter;
    }
    text.remove_prefix(step.length);
  }
  return clean;
}

std::string Shown(std::string_view raw) {
  const std::string clean = CleanText(raw);
  const std::string_view text = clean;
  std::size_t at = 0;
  for (std::size_t characters = 0; at < text.size(); ++characters) {
    if (characters == kShownCharacters) {
      return std::string(text.substr(0, at)) + "...";
    }
    at += DecodeUtf8(text.substr(at)).length;
  }
  return std::string(text);
}

std::optional<std::int64_t> ReadGp(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  if (text.ends_with(" gp")) {
    text.remove_suffix(3);
  }
  const bool grouped = text.find(',') != std::string_view::npos;
  std::int64_t value = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // With commas, one stands before each group of three digits counted from the right.
    const bool commaPlace = grouped && (text.size() - i) % 4 == 0;
    if (commaPlace != (text[i] == ',') || (commaPlace && i == 0)) {
      return std::nullopt;
    }
    if (commaPlace) {
      continue;
    }
    if (!IsDigit(text[i]) || value > (kMostGp - (text[i] - '0')) / 10) {
      return std::nullopt;
    }
    value = value * 10 + (text[i] - '0');
  }
  return text.empty() ? std::nullopt : std::optional<std::int64_t>(value);
}

std::optional<std::int64_t> TrailingValue(std::string_view text) {
  if (!text.ends_with(" gp)")) {
    return std::nullopt;
  }
  const std::size_t open = text.rfind('(');
  if (open == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
  return inside.starts_with(' ') ? std::nullopt : ReadGp(inside);
}

std::vector<Reference> FindReferences(std::string_view text) {
  std::vector<Reference> references;
  for (std::size_t open = text.find("[["); open != std::string_view::npos;
       open = text.find("[[", open)) {
    const std::size_t close = text.find("]]", open + 2);
    if (close == std::string_view::npos) {
      break;
    }
    std::string name = CleanText(text.substr(open + 2, close - open - 2));
    if (!name.empty() && name[0] != '/' && !IsDiceExpression(name)) {
      Reference reference;
      reference.at = open;
      reference.length = close + 2 - open;
      reference.name = std::move(name);
      references.push_back(std::move(reference));
    }
    open = close + 2;
  }
  return references;
}

Row TextRow(int lo, int hi, std::string_view text) {
  Row row;
  row.lo = lo;
  row.hi = hi;
  row.text = CleanText(text);
  row.references = FindReferences(row.text);
  row.value = TrailingValue(row.text);
  return row;
}

}  // namespace vorneth::tables
