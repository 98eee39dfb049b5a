#include "cli/hoard_output.h"

#include <algorithm>

#include "cli/batch_pool.h"
#include "core/number_text.h"
#include "core/text_lines.h"
#include "core/utf8.h"
#include "formats/csv.h"
#include "formats/foundry.h"
#include "formats/json_export.h"
#include "formats/markdown.h"
#include "formats/split.h"
#include "formats/stats.h"
#include "worth/worth_text.h"

namespace vorneth::cli {

namespace {

using formats::HoardRecord;
using formats::Json;

// A JSON document indented one level deeper, as an element of an array.
std::string Indented(const std::string& text) {
  std::string out = "  ";
  for (char c : text) {
    out += c;
    if (c == '\n') {
      out += "  ";
    }
  }
  return out;
}

Json DocumentOf(const CliOptions& options, const HoardOutput& o) {
  if (options.format == OutputFormat::Foundry) {
    const formats::JournalLists lists = !options.list ? formats::JournalLists::Both
                                        : *options.list == ListChoice::DM
                                            ? formats::JournalLists::DM
                                            : formats::JournalLists::Players;
    return o.shares.empty() ? formats::FoundryJournal(o.record, lists)
                            : formats::SplitJournal(o.record, o.shares, lists);
  }
  return o.shares.empty() ? formats::HoardJson(o.record) : formats::SplitJson(o.record, o.shares);
}

void AppendText(std::string& out, const CliOptions& options, const HoardRecord& record) {
  const auto& lines = options.list.value_or(ListChoice::DM) == ListChoice::DM
                          ? record.hoard.DMList
                          : record.hoard.PlayersList;
  for (const std::string_view line : lines) {
    out += line;
    out += '\n';
  }
  if (options.worth) {
    out += '\n';
    for (const std::string_view line : worth::WorthBreakdown(record.dm.totals, options.separator)) {
      out += line;
      out += '\n';
    }
  }
}

// The list asked for, or each share's under its heading, shares apart by an empty line.
void AppendTextOf(std::string& out, const CliOptions& options, const HoardOutput& o) {
  if (o.shares.empty()) {
    AppendText(out, options, o.record);
    return;
  }
  const int count = static_cast<int>(o.shares.size());
  for (int k = 1; k <= count; ++k) {
    const HoardRecord& share = o.shares[static_cast<std::size_t>(k - 1)];
    out += k > 1 ? "\n" : "";
    out += formats::ShareHeading(k, count, share);
    out += '\n';
    AppendText(out, options, share);
  }
}

void AppendCsv(std::string& out, const HoardOutput& o, int hoardNumber) {
  if (o.shares.empty()) {
    out += formats::CsvRows(o.record, hoardNumber);
  }
  for (std::size_t k = 0; k < o.shares.size(); ++k) {
    out += formats::CsvRows(o.shares[k], hoardNumber, static_cast<int>(k + 1));
  }
}

}  // namespace

HoardWriter::HoardWriter(std::ostream& out, const CliOptions& options, std::size_t count,
                         const tables::HoardTables* tables)
    : out_(out),
      options_(options),
      count_(count),
      tables_(tables),
      batch_(count > 1 || options.count.has_value()) {
  array_ =
      batch_ && (options.format == OutputFormat::Json || options.format == OutputFormat::Foundry);
  if (options.format == OutputFormat::Csv) {
    out << formats::CsvHeader(options.split.has_value());
  }
  if (array_) {
    out << "[\n";
  }
}

void HoardWriter::Add(const HoardRequest& request, std::string_view separator) {
  text_.clear();
  AppendHoard(text_, written_++, request, separator, hoard_);
  out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
}

void HoardWriter::AppendHoard(std::string& out, std::size_t index, const HoardRequest& request,
                              std::string_view separator, HoardOutput& o) const {
  formats::MakeRecord(request, separator, options_.exchange, o.record, tables_);
  if (options_.split) {
    o.shares = formats::SplitHoard(o.record, *options_.split);
  }
  switch (options_.format) {
    case OutputFormat::Text:
      if (batch_) {
        out += "Hoard " + std::to_string(index + 1) + " of " + std::to_string(count_) + ", seed " +
               std::to_string(o.record.request.Seed) + '\n';
      }
      AppendTextOf(out, options_, o);
      if (batch_) {
        out += '\n';
      }
      break;
    case OutputFormat::Json:
    case OutputFormat::Foundry: {
      const std::string text = formats::JsonText(DocumentOf(options_, o));
      if (array_) {
        out += index > 0 ? ",\n" : "";
        out += Indented(text);
      } else {
        out += text;
        out += '\n';
      }
      break;
    }
    case OutputFormat::Jsonl:
      if (o.shares.empty()) {
        formats::AppendHoardJsonLine(out, o.record, o.jsonLineFrame);
      } else {
        out += formats::JsonText(DocumentOf(options_, o), -1);
      }
      out += '\n';
      break;
    case OutputFormat::Markdown:
      out += index > 0 ? "\n" : "";
      out += o.shares.empty() ? formats::Markdown(o.record)
                              : formats::SplitMarkdown(o.record, o.shares);
      break;
    case OutputFormat::Csv:
      AppendCsv(out, o, static_cast<int>(index + 1));
      break;
  }
}

void HoardWriter::Finish() const {
  if (array_) {
    out_ << "\n]\n";
  }
}

void WriteHoards(std::ostream& out, const CliOptions& options, const tables::HoardTables* tables) {
  const std::uint32_t count = options.count.value_or(1);
  const HoardWriter writer(out, options, count, tables);
  const MakeAppendItem makeAppend = [&writer, &options]() -> AppendItem {
    return [&writer, &options, request = options.request, hoard = HoardOutput{}](
               std::string& text, std::size_t i) mutable {
      request.Seed = options.request.Seed + static_cast<std::uint32_t>(i);  // modulo 2^32
      writer.AppendHoard(text, i, request, options.separator, hoard);
    };
  };
  WriteInOrder(out, count, makeAppend);
  writer.Finish();
}

void WriteStats(std::ostream& out, const CliOptions& options) {
  const formats::HoardStats stats =
      formats::ComputeStats(options.request, options.count.value_or(1), options.exchange);
  if (options.format == OutputFormat::Json) {
    out << formats::JsonText(formats::StatsJson(stats)) << '\n';
    return;
  }
  for (const std::string& line : formats::StatsText(stats, options.separator)) {
    out << line << '\n';
  }
}

bool WriteWorthOfFile(std::ostream& out, const CliOptions& options, std::string_view text,
                      std::string& error) {
  // A list is text: a file of NUL bytes (UTF-16 among them) or of bytes that are not UTF-8 is
  // some other file, whose "lines" would be valued as nonsense.
  if (text.find('\0') != std::string_view::npos) {
    error = "holds a NUL byte: not a list of a hoard";
    return false;
  }
  if (!IsWellFormedUtf8(text)) {
    error = "is not UTF-8 text: not a list of a hoard";
    return false;
  }
  LineList lines = SplitTextLines(text, kMaxFileLines);
  if (lines.size() > kMaxFileLines) {
    error = "holds more than " + NumberText(static_cast<long long>(kMaxFileLines), ",") +
            " lines, the most of a list";
    return false;
  }
  const bool saved = lines.size() >= 4 && lines[1].empty() && lines[3].empty();
  if (saved && lines[2] == "Player's List") {
    error = "is a players list: it carries no values";
    return false;
  }
  if (saved && lines[2] == "DM's List") {
    lines = LineList(lines.begin() + 4, lines.end());
  }
  const worth::Valuation valuation = worth::ValueList(lines, options.separator, options.exchange);
  const bool hoardLine =
      std::any_of(valuation.lines.begin(), valuation.lines.end(), [](const worth::LineValue& v) {
        return v.kind != worth::LineKind::Blank && v.kind != worth::LineKind::Other;
      });
  if (!hoardLine) {
    error = "holds no line of a hoard: no coins, gems, jewelry, map or magic item";
    return false;
  }
  if (options.format == OutputFormat::Json) {
    out << formats::JsonText(Json{{"worth", formats::WorthJson(valuation.totals)},
                                  {"dm_lines", formats::DMLinesJson(lines, valuation)}})
        << '\n';
  } else {
    for (const std::string_view line : worth::WorthBreakdown(valuation.totals, options.separator)) {
      out << line << '\n';
    }
  }
  return true;
}

}  // namespace vorneth::cli
