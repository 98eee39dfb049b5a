#include "cli/table_command.h"

#include <algorithm>

#include "cli/table_files.h"
#include "core/random_source.h"
#include "tables/check.h"
#include "tables/draw.h"
#include "tables/odds.h"

namespace vorneth::cli {

namespace {

constexpr std::size_t kWriteChunk = 1 << 16;

FileProblem CheckFiles(const std::vector<std::string>& paths, std::ostream& out) {
  FileProblem problem;
  for (const std::string& path : paths) {
    const TableFiles files = LoadTables(path);
    if (!files.unreadable.empty()) {
      return {1, files.unreadable};
    }
    for (const std::string& fault : files.faults) {
      out << fault << '\n';
    }
    if (files.faults.empty()) {
      for (const tables::Table& table : files.set) {
        out << tables::TableSummary(table) << '\n';
      }
    }
    problem.code = files.faults.empty() ? problem.code : 2;
  }
  return problem;
}

FileProblem Roll(const CliOptions& options, std::ostream& out) {
  TableFiles files;
  if (FileProblem problem = LoadChecked(*options.rollTable, files); problem.code != 0) {
    return problem;
  }
  const tables::TableDraws draws(files.set);
  const std::size_t top = tables::TopTable(files.set);
  RandomSource random(options.request.Seed);
  std::string text;
  for (std::uint32_t i = 0; i < options.times && out; ++i) {
    text += draws.Draw(top, random);
    text += '\n';
    if (text.size() >= kWriteChunk) {
      out << text;
      text.clear();
    }
  }
  out << text;
  return {};
}

FileProblem Odds(const CliOptions& options, std::ostream& out) {
  TableFiles files;
  if (FileProblem problem = LoadChecked(*options.oddsTable, files); problem.code != 0) {
    return problem;
  }
  const std::size_t top = tables::TopTable(files.set);
  const tables::TableOddsResult odds = tables::TableOdds(files.set, top);
  if (!odds.fault.empty()) {
    return {2, odds.fault};
  }
  std::vector<std::pair<std::string, std::string>> columns;
  std::size_t percentWidth = 0;
  std::size_t fractionWidth = 0;
  for (const tables::Outcome& outcome : odds.outcomes) {
    columns.emplace_back(tables::PercentText(outcome.chance), tables::FractionText(outcome.chance));
    percentWidth = std::max(percentWidth, columns.back().first.size());
    fractionWidth = std::max(fractionWidth, columns.back().second.size());
  }
  const tables::Table& table = files.set[top];
  std::string text = tables::TablePlace(table) + ", " + tables::DieText(table.die) + ", " +
                     std::to_string(odds.outcomes.size()) +
                     (odds.outcomes.size() == 1 ? " result" : " results") + "\n";
  for (std::size_t i = 0; i < odds.outcomes.size() && out; ++i) {
    const auto& [percent, fraction] = columns[i];
    text.append(percentWidth - percent.size(), ' ') += percent + "  " + fraction;
    text.append(fractionWidth - fraction.size() + 2, ' ') += odds.outcomes[i].line + "\n";
    if (text.size() >= kWriteChunk) {
      out << text;
      text.clear();
    }
  }
  out << text;
  return {};
}

}  // namespace

FileProblem RunTableCommand(const CliOptions& options, std::ostream& out) {
  if (options.rollTable) {
    return Roll(options, out);
  }
  if (options.oddsTable) {
    return Odds(options, out);
  }
  return CheckFiles(options.checkTables, out);
}

}  // namespace vorneth::cli
