#include "formats/csv.h"

#include "worth/worth.h"

namespace vorneth::formats {

namespace {

// A spreadsheet takes a cell that begins with one of these for a formula. No generated line
// begins with them; an edited one gets a leading single quote, which makes the cell text.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

std::string Field(std::string_view line) {
  std::string text;
  if (!line.empty() && kFormulaStarts.find(line.front()) != std::string_view::npos) {
    text = "'";
  }
  text += line;
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return text;
  }
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') {
      out += '"';
    }
  }
  return out + "\"";
}

}  // namespace

std::string CsvHeader(bool shares) {
  return shares ? "hoard,seed,list,line,kind,pieces,gp,text,share,coin_weight_lb\r\n"
                : "hoard,seed,list,line,kind,pieces,gp,text,coin_weight_lb\r\n";
}

std::string CsvRows(const HoardRecord& record, int hoardNumber, int share) {
  std::string out;
  // What follows the text: the share, if any, and the comma before the weight.
  const std::string afterText = share > 0 ? "," + std::to_string(share) + "," : ",";
  const std::string prefix =
      std::to_string(hoardNumber) + "," + std::to_string(record.request.Seed) + ",";
  const auto& dm = record.hoard.DMList;
  for (std::size_t i = 0; i < dm.size(); ++i) {
    const worth::LineValue& value = record.dm.lines[i];
    std::string pieces;
    std::string pounds;
    if (value.kind == worth::LineKind::Coins) {
      pieces = std::to_string(value.amount);
      pounds = worth::PoundsText(value.amount);
    } else if (value.kind == worth::LineKind::Gems || value.kind == worth::LineKind::Jewelry) {
      pieces = std::to_string(value.pieces);
    }
    const std::string gp =
        value.value ? worth::GoldText(*value.value, record.dm.totals.exchange) : std::string();
    out += prefix + "dm," + std::to_string(i + 1) + "," + std::string(worth::KindName(value.kind)) +
           "," + pieces + "," + gp + "," + Field(dm[i]) + afterText + pounds + "\r\n";
  }
  const auto& players = record.hoard.PlayersList;
  for (std::size_t i = 0; i < players.size(); ++i) {
    out += prefix + "players," + std::to_string(i + 1) + ",,,," + Field(players[i]) + afterText +
           "\r\n";
  }
  return out;
}

}  // namespace vorneth::formats
