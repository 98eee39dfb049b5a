// Arbitrary bytes as a command line, split into arguments at NUL bytes (argv can hold no NUL).
// Besides memory and undefined-behaviour faults this checks that the arguments are either
// refused with one printable line or give options within every limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "core/separator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  for (std::size_t begin = 0; begin < input.size();) {
    const std::size_t end = std::min(input.find('\0', begin), input.size());
    args.emplace_back(input.substr(begin, end - begin));
    begin = end + 1;
  }
  const vorneth::cli::ParsedArgs parsed = vorneth::cli::ParseArgs(args);
  if (!parsed.error.empty()) {
    for (const char c : parsed.error) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
        std::abort();  // escaped, so that nothing reaches the terminal raw
      }
    }
    return 0;
  }
  const vorneth::cli::CliOptions& o = parsed.options;
  const vorneth::HoardRequest& r = o.request;
  bool good = vorneth::SeparatorProblem(o.separator).empty() && r.CustCoins >= 0 &&
              r.CustCoins <= vorneth::kMaxCustCoins && r.CustMagic <= vorneth::kMaxCustMagic &&
              (!o.count || (*o.count >= 1 && *o.count <= vorneth::formats::kMaxBatch)) &&
              !(o.replay && o.worthOf) && !(o.stats && !o.count);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    good = good && r.Count(letter) >= 0 && r.Count(letter) <= vorneth::kMaxTypeCount;
  }
  if (!good) {
    std::abort();
  }
  return 0;
}
