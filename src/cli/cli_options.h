#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/hoard_request.h"
#include "formats/batch.h"
#include "search/conditions.h"
#include "search/find_range.h"
#include "worth/worth.h"

namespace vorneth::cli {

enum class ListChoice { DM, Players };
enum class OutputFormat { Text, Json, Markdown, Csv, Jsonl, Foundry };

// Foundry's Import Data takes one journal entry a file.
inline constexpr char kFoundryBatch[] =
    "--format foundry writes one journal entry, as Foundry's Import Data takes it: for a batch "
    "use --format jsonl, or one --seed a file";

struct CliOptions {
  HoardRequest request;
  std::optional<ListChoice> list;  // text: the DM list unless given; foundry: both unless given
  OutputFormat format = OutputFormat::Text;
  std::string separator = ",";
  bool separatorGiven = false;
  bool worth = false;  // text: the worth after the list
  worth::Exchange exchange = worth::Exchange::FirstEdition;
  std::optional<std::uint32_t> count;  // a batch: seeds S, S+1, ...
  std::optional<std::string> worthOf;  // value this list file instead of generating
  std::optional<std::string> replay;   // roll again the hoards of this export
  std::optional<int> split;            // divide each hoard among this many characters
  bool stats = false;                  // with count: the odds of the request, not the hoards
  bool describeTypes = false;          // what each treasure type holds, instead of a hoard
  bool find = false;                   // the first --count seeds whose hoards meet conditions
  search::Conditions conditions;       // of --find
  std::uint64_t tries = search::kDefaultTries;  // the seeds --find tries
  std::vector<std::string> checkTables;         // check these table files instead
  std::optional<std::string> rollTable;         // draw from this table file instead
  std::optional<std::string> oddsTable;         // the chances of this table file's results
  std::uint32_t times = 1;                      // the draws of --roll-table
  std::vector<TableChoice> tables;              // --table FAMILY=FILE: each file's path as given
  bool help = false;
  bool version = false;
};

struct ParsedArgs {
  CliOptions options;
  std::string error;  // empty when the arguments are good; otherwise one line saying what is wrong
};

// Reads the arguments after the program name. On an error the options are to be discarded.
ParsedArgs ParseArgs(std::span<const std::string> args);

}  // namespace vorneth::cli
