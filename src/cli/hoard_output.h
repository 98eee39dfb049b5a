#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "formats/replay.h"

namespace vorneth::cli {

// The hoard of the options' request, or a batch of --count hoards, in the options' format;
// with --split each divided among the party.
void WriteHoards(std::ostream& out, const CliOptions& options);

// The hoards of an export, rolled again from their recorded requests.
void WriteReplay(std::ostream& out, const CliOptions& options,
                 const std::vector<formats::RecordedRequest>& requests);

// The odds of the options' request over its --count seeds (--stats).
void WriteStats(std::ostream& out, const CliOptions& options);

// The worth of a list file's text: a saved DM list (title, empty line, "DM's List", empty line,
// lines) or a plain file of DM lines. False with `error` set for a players list.
bool WriteWorthOfFile(std::ostream& out, const CliOptions& options, std::string_view text,
                      std::string& error);

}  // namespace vorneth::cli
