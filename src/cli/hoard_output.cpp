#include "cli/hoard_output.h"

#include <functional>

#include "formats/csv.h"
#include "formats/foundry.h"
#include "formats/json_export.h"
#include "formats/markdown.h"
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

Json DocumentOf(const CliOptions& options, const HoardRecord& record) {
  return options.format == OutputFormat::Foundry ? formats::FoundryJournal(record)
                                                 : formats::HoardJson(record);
}

void WriteText(std::ostream& out, const CliOptions& options, const HoardRecord& record) {
  const auto& lines =
      options.list == ListChoice::DM ? record.hoard.DMList : record.hoard.PlayersList;
  for (const std::string& line : lines) {
    out << line << '\n';
  }
  if (options.worth) {
    out << '\n';
    for (const std::string& line : worth::WorthBreakdown(record.dm.totals, options.separator)) {
      out << line << '\n';
    }
  }
}

// Writes `count` hoards made by `make`, one after another; `batch` when a batch was asked for
// (text heads each hoard, JSON makes an array).
void WriteRecords(std::ostream& out, const CliOptions& options, std::size_t count, bool batch,
                  const std::function<HoardRecord(std::size_t)>& make) {
  const bool array =
      batch && (options.format == OutputFormat::Json || options.format == OutputFormat::Foundry);
  if (options.format == OutputFormat::Csv) {
    out << formats::CsvHeader();
  }
  if (array) {
    out << "[\n";
  }
  for (std::size_t i = 0; i < count && out; ++i) {
    const HoardRecord record = make(i);
    switch (options.format) {
      case OutputFormat::Text:
        if (batch) {
          out << "Hoard " << i + 1 << " of " << count << ", seed " << record.request.Seed << '\n';
        }
        WriteText(out, options, record);
        if (batch) {
          out << '\n';
        }
        break;
      case OutputFormat::Json:
      case OutputFormat::Foundry: {
        const std::string text = formats::JsonText(DocumentOf(options, record));
        out << (array ? (i > 0 ? ",\n" : "") + Indented(text) : text + "\n");
        break;
      }
      case OutputFormat::Jsonl:
        out << formats::JsonText(formats::HoardJson(record), -1) << '\n';
        break;
      case OutputFormat::Markdown:
        out << (i > 0 ? "\n" : "") << formats::Markdown(record);
        break;
      case OutputFormat::Csv:
        out << formats::CsvRows(record, static_cast<int>(i + 1));
        break;
    }
  }
  if (array) {
    out << "\n]\n";
  }
}

// Splits a file's text into lines at CR LF, lone CR or lone LF.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
    } else {
      current += text[i];
    }
  }
  if (!current.empty()) {
    lines.push_back(std::move(current));
  }
  return lines;
}

}  // namespace

void WriteHoards(std::ostream& out, const CliOptions& options) {
  const std::uint32_t count = options.count.value_or(1);
  WriteRecords(out, options, count, options.count.has_value(), [&options](std::size_t i) {
    HoardRequest request = options.request;
    request.Seed += static_cast<std::uint32_t>(i);  // wraps round modulo 2^32
    return formats::MakeRecord(request, options.separator, options.exchange);
  });
}

void WriteReplay(std::ostream& out, const CliOptions& options,
                 const std::vector<formats::RecordedRequest>& requests) {
  WriteRecords(
      out, options, requests.size(), requests.size() > 1, [&options, &requests](std::size_t i) {
        return formats::MakeRecord(requests[i].request, requests[i].separator, options.exchange);
      });
}

bool WriteWorthOfFile(std::ostream& out, const CliOptions& options, std::string_view text,
                      std::string& error) {
  std::vector<std::string> lines = SplitLines(text);
  const bool saved = lines.size() >= 4 && lines[1].empty() && lines[3].empty();
  if (saved && lines[2] == "Player's List") {
    error = "is a players list: it carries no values";
    return false;
  }
  if (saved && lines[2] == "DM's List") {
    lines.erase(lines.begin(), lines.begin() + 4);
  }
  const worth::Valuation valuation = worth::ValueList(lines, options.separator, options.exchange);
  if (options.format == OutputFormat::Json) {
    out << formats::JsonText(Json{{"worth", formats::WorthJson(valuation.totals)},
                                  {"dm_lines", formats::DMLinesJson(lines, valuation)}})
        << '\n';
  } else {
    for (const std::string& line : worth::WorthBreakdown(valuation.totals, options.separator)) {
      out << line << '\n';
    }
  }
  return true;
}

}  // namespace vorneth::cli
