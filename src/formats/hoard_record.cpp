#include "formats/hoard_record.h"

#include <utility>

#include "playersview/hoard_lists.h"

namespace vorneth::formats {

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
  worth::ValueList(record.hoard.DMList, record.separator, exchange, record.dm);
}

HoardRecord RecordOf(const HoardRequest& request, std::string separator, Hoard hoard,
                     worth::Exchange exchange) {
  HoardRecord record{request, std::move(separator), std::move(hoard), {}};
  record.dm = worth::ValueList(record.hoard.DMList, record.separator, exchange);
  return record;
}

}  // namespace vorneth::formats
