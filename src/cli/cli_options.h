#pragma once

#include <span>
#include <string>

#include "generator/hoard_request.h"

namespace vorneth::cli {

enum class ListChoice { DM, Players };
enum class OutputFormat { Text, Json };

struct CliOptions {
  HoardRequest request;
  ListChoice list = ListChoice::DM;
  OutputFormat format = OutputFormat::Text;
  std::string separator = ",";
  bool help = false;
  bool version = false;
};

struct ParsedArgs {
  CliOptions options;
  std::string error;  // empty when the arguments are good; otherwise one line saying what is wrong
};

// Reads the arguments after the program name. Nothing is half-applied: on any error the
// options are to be discarded.
ParsedArgs ParseArgs(std::span<const std::string> args);

}  // namespace vorneth::cli
