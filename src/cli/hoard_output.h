#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "formats/hoard_record.h"
#include "formats/json_line.h"
#include "formats/replay.h"
#include "tables/hoard_tables.h"

namespace vorneth::cli {

// The hoard of the options' request, or a batch of --count hoards, in the options' format;
// with --split each divided among the party.
// With `tables`, the items of their families are drawn from the game master's tables.
void WriteHoards(std::ostream& out, const CliOptions& options,
                 const tables::HoardTables* tables = nullptr);

// A hoard as it is written and, when it is divided among a party, its shares: kept by a thread
// from one hoard to the next, so that each hoard is written over the storage of the last.
struct HoardOutput {
  formats::HoardRecord record;
  std::vector<formats::HoardRecord> shares;
  formats::JsonLineFrame jsonLineFrame;  // what the batch's JSON Lines records share
};

// Writes hoards one after another in the options' format, each divided among the party with
// --split: a batch (more than one hoard, or --count) heads each hoard in text and makes a JSON
// array. The hoards of a replay come in as their lines are read.
class HoardWriter {
 public:
  // Writes what comes before the first of `count` hoards.
  HoardWriter(std::ostream& out, const CliOptions& options, std::size_t count,
              const tables::HoardTables* tables = nullptr);
  // Generates and writes the next hoard.
  void Add(const HoardRequest& request, std::string_view separator);
  // Appends what Add writes for the hoard at `index` of the batch, made in `hoard`; safe to call
  // from several threads at once, each with a HoardOutput of its own.
  void AppendHoard(std::string& out, std::size_t index, const HoardRequest& request,
                   std::string_view separator, HoardOutput& hoard) const;
  // Writes what comes after the last hoard.
  void Finish() const;

 private:
  std::ostream& out_;
  const CliOptions& options_;
  std::size_t count_;
  const tables::HoardTables* tables_;
  bool batch_;
  bool array_ = false;
  std::size_t written_ = 0;
  std::string text_;   // the hoard Add writes, its room kept from one hoard to the next
  HoardOutput hoard_;  // the same for the hoard itself
};

// The odds of the options' request over its --count seeds (--stats).
void WriteStats(std::ostream& out, const CliOptions& options);

// The worth of a list file's text: a saved DM list (title, empty line, "DM's List", empty line,
// lines) or a plain file of DM lines. False with `error` set for a players list.
bool WriteWorthOfFile(std::ostream& out, const CliOptions& options, std::string_view text,
                      std::string& error);

}  // namespace vorneth::cli
