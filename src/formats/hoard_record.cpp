#include "formats/hoard_record.h"

#include <utility>

#include "playersview/hoard_lists.h"

namespace vorneth::formats {

namespace {

// Values the record's DM list. A line drawn from a game master's table is a magic item even
// when it has no price and reads as no line of the built-in tables.
void Value(HoardRecord& record, worth::Exchange exchange) {
  worth::ValueList(record.hoard.DMList, record.separator, exchange, record.dm);
  const auto& drawn = record.hoard.TablePlayers;
  for (std::size_t i = 0; i < drawn.size() && i < record.dm.lines.size(); ++i) {
    if (drawn[i] && record.dm.lines[i].kind == worth::LineKind::Other) {
      record.dm.lines[i].kind = worth::LineKind::Magic;
      --record.dm.totals.otherLines;
      ++record.dm.totals.magicItems;
    }
  }
}

}  // namespace

HoardRecord MakeRecord(const HoardRequest& request, std::string separator,
                       worth::Exchange exchange) {
  Hoard hoard = GenerateHoard(request, separator);
  return RecordOf(request, std::move(separator), std::move(hoard), exchange);
}

void MakeRecord(const HoardRequest& request, std::string_view separator, worth::Exchange exchange,
                HoardRecord& record, const tables::HoardTables* tables) {
  record.request = request;
  // What the hoard was drawn with, whatever the request recorded before.
  record.request.Tables = tables != nullptr ? tables->Choices() : std::vector<TableChoice>();
  record.separator = separator;
  GenerateHoard(request, separator, record.hoard, tables);
  Value(record, exchange);
}

HoardRecord RecordOf(const HoardRequest& request, std::string separator, Hoard hoard,
                     worth::Exchange exchange) {
  HoardRecord record{request, std::move(separator), std::move(hoard), {}};
  Value(record, exchange);
  return record;
}

}  // namespace vorneth::formats
