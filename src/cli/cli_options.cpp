#include "cli/cli_options.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cli/echo.h"

namespace vorneth::cli {

namespace {

// Parses a whole decimal number from 0 to max; on failure says why, naming `what`.
std::optional<std::uint64_t> ParseNumber(std::string_view text, std::uint64_t max,
                                         std::string_view what, std::string& error) {
  if (!text.empty() && text[0] == '-') {
    error = std::string(what) + " must not be negative: " + Echo(text);
    return std::nullopt;
  }
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    error = std::string(what) + " is not a number: '" + Echo(text) + "'";
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (char c : text) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > max) {
      error =
          std::string(what) + " is above its maximum " + std::to_string(max) + ": " + Echo(text);
      return std::nullopt;
    }
  }
  return value;
}

struct NumberOption {
  std::string_view name;
  std::uint64_t max;
};

constexpr std::array<NumberOption, 5> kNumberOptions = {{{"--coins", 99999999},
                                                         {"--gems", 9999},
                                                         {"--jewelry", 9999},
                                                         {"--magic", 999},
                                                         {"--seed", 4294967295u}}};

void ApplyNumber(CliOptions& o, std::string_view name, std::uint64_t value) {
  if (name == "--coins") {
    o.request.CustCoins = static_cast<long long>(value);
  } else if (name == "--gems") {
    o.request.CustGems = static_cast<int>(value);
  } else if (name == "--jewelry") {
    o.request.CustJewelry = static_cast<int>(value);
  } else if (name == "--magic") {
    o.request.CustMagic = static_cast<int>(value);
  } else {
    o.request.Seed = static_cast<std::uint32_t>(value);
  }
}

bool IsValueOption(std::string_view name) {
  for (const NumberOption& n : kNumberOptions) {
    if (n.name == name) {
      return true;
    }
  }
  return name == "--title" || name == "--list" || name == "--format" || name == "--separator";
}

// Applies one option with its value; returns false with `error` set when it is bad.
bool ApplyOption(CliOptions& o, std::string_view name, std::string_view value, std::string& error) {
  for (const NumberOption& n : kNumberOptions) {
    if (n.name == name) {
      auto number = ParseNumber(value, n.max, std::string(name.substr(2)), error);
      if (!number) {
        return false;
      }
      ApplyNumber(o, name, *number);
      return true;
    }
  }
  if (name == "--title") {
    o.request.Title = std::string(value);
  } else if (name == "--separator") {
    o.separator = std::string(value);
  } else if (name == "--list") {
    if (value != "dm" && value != "players") {
      error = "--list takes dm or players, not '" + Echo(value) + "'";
      return false;
    }
    o.list = value == "dm" ? ListChoice::DM : ListChoice::Players;
  } else if (name == "--format") {
    if (value != "text" && value != "json") {
      error = "--format takes text or json, not '" + Echo(value) + "'";
      return false;
    }
    o.format = value == "text" ? OutputFormat::Text : OutputFormat::Json;
  }
  return true;
}

// LETTER=COUNT: a treasure type and how many times it is rolled.
bool ApplyTypeCount(CliOptions& o, std::string_view arg, std::array<bool, 26>& seen,
                    std::string& error) {
  const auto eq = arg.find('=');
  const std::string_view letterText = arg.substr(0, eq);
  if (eq == std::string_view::npos || letterText.size() != 1) {
    error = "expected LETTER=COUNT, not '" + Echo(arg) + "'";
    return false;
  }
  char letter = letterText[0];
  if (letter >= 'a' && letter <= 'z') {
    letter = static_cast<char>(letter - 'a' + 'A');
  }
  if (letter < 'A' || letter > 'Z') {
    error = "treasure type '" + Echo(letterText) + "' is not a letter A to Z";
    return false;
  }
  auto index = static_cast<std::size_t>(letter - 'A');
  if (seen[index]) {
    error = std::string("treasure type ") + letter + " is given twice";
    return false;
  }
  seen[index] = true;
  auto count = ParseNumber(arg.substr(eq + 1), 99, std::string("count of type ") + letter, error);
  if (!count) {
    return false;
  }
  o.request.Count(letter) = static_cast<int>(*count);
  return true;
}

}  // namespace

ParsedArgs ParseArgs(std::span<const std::string> args) {
  ParsedArgs result;
  CliOptions& o = result.options;
  std::array<bool, 26> seen{};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "-h" || arg == "--help") {
      o.help = true;
    } else if (arg == "--version") {
      o.version = true;
    } else if (arg.starts_with("--")) {
      const auto eq = arg.find('=');
      const std::string_view name = arg.substr(0, eq);
      if (!IsValueOption(name)) {
        result.error = "unknown option '" + Echo(name) + "'";
        return result;
      }
      std::string_view value;
      if (eq != std::string_view::npos) {
        value = arg.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        result.error = "option " + Echo(name) + " needs a value";
        return result;
      }
      if (!ApplyOption(o, name, value, result.error)) {
        return result;
      }
    } else if (arg.starts_with("-") && arg.size() > 1) {
      result.error = "unknown option '" + Echo(arg) + "'";
      return result;
    } else if (!ApplyTypeCount(o, arg, seen, result.error)) {
      return result;
    }
  }
  return result;
}

}  // namespace vorneth::cli
