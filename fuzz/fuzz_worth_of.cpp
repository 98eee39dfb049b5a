// Arbitrary bytes as a list file to value, as --worth-of reads it, in text and JSON, under one of
// the separators the first byte picks. Besides memory and undefined-behaviour faults (an amount
// too large for its type among them) this checks that every line gets one valuation and that
// the output is written or refused with a reason.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/hoard_output.h"
#include "core/text_lines.h"
#include "worth/worth.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  constexpr std::array<std::string_view, 5> kSeparators = {",", ".", " ", "", "\u202f"};
  const std::string_view separator = kSeparators[data[0] % kSeparators.size()];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  const vorneth::LineList lines = vorneth::SplitTextLines(text);
  const vorneth::worth::Valuation valuation = vorneth::worth::ValueList(lines, separator);
  if (valuation.lines.size() != lines.size()) {
    std::abort();
  }
  for (const auto format : {vorneth::cli::OutputFormat::Text, vorneth::cli::OutputFormat::Json}) {
    vorneth::cli::CliOptions options;
    options.separator = separator;
    options.format = format;
    std::ostringstream out;
    std::string error;
    const bool written = vorneth::cli::WriteWorthOfFile(out, options, text, error);
    if (written != error.empty() || written == out.str().empty()) {
      std::abort();
    }
  }
  return 0;
}
