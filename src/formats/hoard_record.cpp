#include "formats/hoard_record.h"

#include <utility>

#include "core/random_source.h"
#include "playersview/players_view.h"

namespace vorneth::formats {

HoardRecord MakeRecord(const HoardRequest& request, std::string separator,
                       worth::Exchange exchange) {
  Hoard hoard = GenerateHoard(request, separator);
  return RecordOf(request, std::move(separator), std::move(hoard), exchange);
}

void MakeRecord(const HoardRequest& request, std::string_view separator, worth::Exchange exchange,
                HoardRecord& record) {
  record.request = request;
  record.separator = separator;
  // What GenerateHoard does, each list written over the last hoard's.
  Hoard& hoard = record.hoard;
  hoard.Caption = HoardCaption(request.Title);
  DMLines dm{std::move(hoard.DMList), std::move(hoard.DMOrigins)};
  RandomSource random(request.Seed);
  AssembleDMList(request, random, separator, dm);
  hoard.DMList = std::move(dm.lines);
  hoard.DMOrigins = std::move(dm.origins);
  playersview::ParsePlayers(hoard.DMList, hoard.PlayersList);
  worth::ValueList(hoard.DMList, record.separator, exchange, record.dm);
}

HoardRecord RecordOf(const HoardRequest& request, std::string separator, Hoard hoard,
                     worth::Exchange exchange) {
  HoardRecord record{request, std::move(separator), std::move(hoard), {}};
  record.dm = worth::ValueList(record.hoard.DMList, record.separator, exchange);
  return record;
}

}  // namespace vorneth::formats
