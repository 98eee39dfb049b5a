#include "cli/json_output.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/utf8.h"

namespace vorneth::cli {

namespace {

// Appends one ASCII character, escaped as JSON requires.
void AppendAscii(std::string& out, char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (c == '"' || c == '\\') {
    out += '\\';
    out += c;
  } else if (c == '\n') {
    out += "\\n";
  } else if (c == '\r') {
    out += "\\r";
  } else if (c == '\t') {
    out += "\\t";
  } else if (byte < 0x20 || byte == 0x7F) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(byte));
    out += escaped;
  } else {
    out += c;
  }
}

// A JSON string literal. Well-formed UTF-8 passes unchanged; each ill-formed part becomes
// U+FFFD, so the document stays valid JSON whatever bytes a title or separator holds.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  while (!text.empty()) {
    const Utf8Step step = DecodeUtf8(text);
    if (!step.valid) {
      out += "\xEF\xBF\xBD";
    } else if (step.length == 1) {
      AppendAscii(out, text[0]);
    } else {
      out += text.substr(0, step.length);
    }
    text.remove_prefix(step.length);
  }
  out += '"';
  return out;
}

void WriteList(std::ostream& out, const std::vector<std::string>& lines) {
  out << '[';
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out << (i == 0 ? "\n    " : ",\n    ") << Quoted(lines[i]);
  }
  out << (lines.empty() ? "]" : "\n  ]");
}

}  // namespace

void WriteJson(std::ostream& out, const CliOptions& options, const Hoard& hoard) {
  const HoardRequest& r = options.request;
  out << "{\n  \"title\": " << Quoted(r.Title) << ",\n  \"seed\": " << r.Seed
      << ",\n  \"request\": {\n    \"types\": {";
  bool first = true;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (r.Count(letter) > 0) {
      out << (first ? "" : ", ") << '"' << letter << "\": " << r.Count(letter);
      first = false;
    }
  }
  out << "},\n    \"coins\": " << r.CustCoins << ",\n    \"gems\": " << r.CustGems
      << ",\n    \"jewelry\": " << r.CustJewelry << ",\n    \"magic\": " << r.CustMagic
      << "\n  },\n  \"caption\": " << Quoted(hoard.Caption) << ",\n  \"dm\": ";
  WriteList(out, hoard.DMList);
  out << ",\n  \"players\": ";
  WriteList(out, hoard.PlayersList);
  out << "\n}\n";
}

}  // namespace vorneth::cli
