#include "cli/find_options.h"

#include "cli/echo.h"

namespace vorneth::cli {

void AddFindOptions(CLI::App& app, bool& find, ConditionArgs& args) {
  app.add_flag("--find", find);
  for (std::size_t i = 0; i < args.size(); ++i) {
    // One value an option, every time it is given.
    app.add_option(std::string(search::kConditionOptions[i]), args[i])
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  }
}

std::string ApplyFindOptions(const ConditionArgs& args, bool triesGiven, CliOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].empty() && !options.find) {
      return std::string(search::kConditionOptions[i]) +
             " needs --find, which searches for hoards that meet it";
    }
    for (const std::string& value : args[i]) {
      const std::string problem = search::AddCondition(
          options.conditions, static_cast<search::ConditionOption>(i), value, Echo);
      if (!problem.empty()) {
        return problem;
      }
    }
  }
  if (triesGiven && !options.find) {
    return "--tries needs --find: it is how many seeds the search tries";
  }
  if (options.find && options.stats && options.count) {
    return "--find --stats counts the matches among the --tries seeds: it takes no --count";
  }
  if (options.find && (options.replay || options.worthOf || options.split)) {
    return "--find rolls the request's own seeds: it takes no --replay, --worth-of or --split";
  }
  return search::ConditionsProblem(options.conditions, Echo);
}

}  // namespace vorneth::cli
