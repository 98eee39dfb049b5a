#include "tables/odds.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "core/number_text.h"

namespace vorneth::tables {

namespace {

// In how many of the die's `throws` (sides^count) each total comes up, from its lowest total
// on; nothing when `throws` outgrows 64 bits.
std::optional<std::vector<std::uint64_t>> TotalCounts(const Die& die, std::uint64_t& throws) {
  const auto sides = static_cast<std::size_t>(die.sides);
  throws = 1;
  for (int i = 0; i < die.count; ++i) {
    if (__builtin_mul_overflow(throws, std::uint64_t{sides}, &throws)) {
      return std::nullopt;
    }
  }
  std::vector<std::uint64_t> counts{1};  // no dice yet: one way to make nothing
  for (int i = 0; i < die.count; ++i) {
    // Each new total adds up the ways of the `sides` totals one die below it.
    std::vector<std::uint64_t> next(counts.size() + sides - 1);
    std::uint64_t window = 0;
    for (std::size_t s = 0; s < next.size(); ++s) {
      window += s < counts.size() ? counts[s] : 0;
      window -= s >= sides ? counts[s - sides] : 0;
      next[s] = window;
    }
    counts = std::move(next);
  }
  return counts;
}

// The outcomes of each table reached, each worked out once.
class OddsWalk {
 public:
  explicit OddsWalk(const TableSet& set) : set_(set), memo_(set.size()) {}

  // The outcomes of table `t`, or nothing with `fault` set.
  std::vector<Outcome>* Of(std::size_t t) {
    if (!memo_[t]) {
      std::optional<std::vector<Outcome>> outcomes = Work(set_[t]);
      if (!outcomes) {
        return nullptr;
      }
      memo_[t] = std::move(outcomes);
    }
    return &*memo_[t];
  }

  std::string fault;

 private:
  std::optional<std::vector<Outcome>> Work(const Table& table) {
    std::uint64_t throws = 0;
    const std::optional<std::vector<std::uint64_t>> counts = TotalCounts(table.die, throws);
    if (!counts) {
      fault = TablePlace(table) + ": the chances of " + DieText(table.die) + " outgrow exact " +
              "64-bit fractions";
      return std::nullopt;
    }
    std::vector<std::size_t> order(table.rows.size());
    for (std::size_t r = 0; r < order.size(); ++r) {
      order[r] = r;
    }
    std::sort(order.begin(), order.end(), [&table](std::size_t a, std::size_t b) {
      return table.rows[a].lo < table.rows[b].lo;
    });
    std::vector<Outcome> outcomes;
    std::unordered_map<std::string, std::size_t> seen;
    for (const std::size_t r : order) {
      const Row& row = table.rows[r];
      const auto first = counts->begin() + (row.lo - table.die.Lowest());
      const std::uint64_t ways =
          std::accumulate(first, first + (row.hi - row.lo + 1), std::uint64_t{0});
      std::vector<const std::vector<Outcome>*> nested;
      for (const Reference& reference : row.references) {
        nested.push_back(Of(reference.table));
        if (nested.back() == nullptr) {
          return std::nullopt;
        }
      }
      if (!AddRow(table, r, Lowest(ways, throws), nested, outcomes, seen)) {
        return std::nullopt;
      }
    }
    return outcomes;
  }

  // Adds the lines of row `r`, one for each combination of its nested draws' outcomes.
  bool AddRow(const Table& table, std::size_t r, Fraction chance,
              const std::vector<const std::vector<Outcome>*>& nested,
              std::vector<Outcome>& outcomes, std::unordered_map<std::string, std::size_t>& seen) {
    const Row& row = table.rows[r];
    const auto outgrown = [&] {
      fault = TablePlace(table) + ", " + RowPlace(table, r) +
              ": a chance outgrows exact 64-bit fractions";
      return false;
    };
    const auto tooMany = [&] {
      fault = TablePlace(table) + ": more than " + NumberText(kMostResults, ",") + " results (or " +
              std::to_string(kMostResultBytes / (1024 * 1024)) + " MiB of them) to list";
      return false;
    };
    std::size_t combinations = 1;
    for (const std::vector<Outcome>* drawn : nested) {  // none is empty
      combinations = combinations > kMostResults / drawn->size() ? kMostResults + 1
                                                                 : combinations * drawn->size();
    }
    results_ += combinations;
    if (results_ > kMostResults) {
      return tooMany();
    }
    std::vector<std::size_t> pick(nested.size(), 0);
    for (bool more = true; more;) {
      Outcome outcome{std::string(), chance};
      std::size_t at = 0;
      for (std::size_t k = 0; k < nested.size(); ++k) {
        const Outcome& drawn = (*nested[k])[pick[k]];
        outcome.line.append(row.text, at, row.references[k].at - at);
        outcome.line += drawn.line;
        at = row.references[k].at + row.references[k].length;
        const std::optional<Fraction> times = Times(outcome.chance, drawn.chance);
        if (!times) {
          return outgrown();
        }
        outcome.chance = *times;
      }
      outcome.line.append(row.text, at);
      bytes_ += outcome.line.size();
      if (bytes_ > kMostResultBytes) {
        return tooMany();
      }
      const auto [it, added] = seen.try_emplace(outcome.line, outcomes.size());
      if (added) {
        outcomes.push_back(std::move(outcome));
      } else {
        const std::optional<Fraction> sum = Plus(outcomes[it->second].chance, outcome.chance);
        if (!sum) {
          return outgrown();
        }
        outcomes[it->second].chance = *sum;
      }
      // The next combination, the last nested draw turning fastest.
      more = false;
      for (std::size_t k = nested.size(); k > 0 && !more; --k) {
        more = ++pick[k - 1] < nested[k - 1]->size();
        pick[k - 1] = more ? pick[k - 1] : 0;
      }
    }
    return true;
  }

  const TableSet& set_;
  std::vector<std::optional<std::vector<Outcome>>> memo_;
  std::size_t results_ = 0;  // the combinations made so far, against kMostResults
  std::size_t bytes_ = 0;    // and their bytes
};

}  // namespace

TableOddsResult TableOdds(const TableSet& set, std::size_t table) {
  OddsWalk walk(set);
  std::vector<Outcome>* outcomes = walk.Of(table);
  if (outcomes == nullptr) {
    return {{}, walk.fault};
  }
  return {std::move(*outcomes), {}};
}

}  // namespace vorneth::tables
