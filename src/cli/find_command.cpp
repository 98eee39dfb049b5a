#include "cli/find_command.h"

#include <cmath>
#include <vector>

#include "cli/batch_pool.h"
#include "cli/echo.h"
#include "cli/hoard_output.h"
#include "core/number_text.h"
#include "formats/json_export.h"
#include "search/find_seeds.h"

namespace vorneth::cli {

namespace {

std::string ConditionsText(const CliOptions& options) {
  return search::ConditionsWords(options.conditions, options.separator, Echo);
}

// The share of the tries that met the conditions, in text: "Matches: 1,234 of 1,000,000 tries
// (0.1%, 1 in 810)", then the conditions.
void WriteMatches(std::ostream& out, const CliOptions& options, std::uint64_t matches) {
  const auto tries = static_cast<double>(options.tries);
  const double share = static_cast<double>(matches) / tries;
  if (options.format == OutputFormat::Json) {
    out << formats::JsonText(formats::Json{{"tries", options.tries},
                                           {"matches", matches},
                                           {"chance", std::round(share * 1e6) / 1e6},
                                           {"seed", options.request.Seed},
                                           {"conditions", ConditionsText(options)}})
        << '\n';
    return;
  }
  const auto number = [&options](double n) {
    return NumberText(std::llround(n), options.separator);
  };
  out << "Matches: " << number(static_cast<double>(matches)) << " of " << number(tries)
      << " tries (" << PercentText(share)
      << (matches > 0 ? ", 1 in " + number(tries / static_cast<double>(matches)) : "") << ")\n"
      << "Conditions: " << ConditionsText(options) << '\n';
}

// The hoards of the seeds found, as the request with --count writes them; the text form says
// each hoard's seed on a line of its own before its list, hoards apart by an empty line.
void WriteHoardsOf(std::ostream& out, const CliOptions& options,
                   const std::vector<std::uint32_t>& seeds) {
  const bool text = options.format == OutputFormat::Text;
  CliOptions each = options;
  if (text) {
    each.count.reset();  // each hoard written alone, without a batch's heading
  }
  const HoardWriter writer(out, each, text ? 1 : seeds.size());
  const MakeAppendItem makeAppend = [&]() -> AppendItem {
    return [&, request = options.request, hoard = HoardOutput{}](std::string& bytes,
                                                                 std::size_t i) mutable {
      request.Seed = seeds[i];
      if (text) {
        bytes += i > 0 ? "\nSeed " : "Seed ";
        bytes += std::to_string(seeds[i]) + '\n';
      }
      writer.AppendHoard(bytes, text ? 0 : i, request, options.separator, hoard);
    };
  };
  WriteInOrder(out, seeds.size(), makeAppend);
  writer.Finish();
}

}  // namespace

std::string WriteFound(std::ostream& out, const CliOptions& options) {
  search::SearchLimits limits;
  limits.tries = options.tries;
  limits.wanted = options.stats ? 0 : options.count.value_or(1);
  limits.countAll = options.stats;
  const search::SearchResult found =
      search::FindSeeds(options.request, options.exchange, options.conditions, limits);
  if (options.stats) {
    WriteMatches(out, options, found.matches);
    return {};
  }
  if (found.seeds.empty()) {
    return "no hoard of " + NumberText(static_cast<long long>(options.tries), options.separator) +
           " tries meets " + ConditionsText(options);
  }
  WriteHoardsOf(out, options, found.seeds);
  return {};
}

}  // namespace vorneth::cli
