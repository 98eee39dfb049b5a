#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "formats/hoard_record.h"

namespace vorneth::formats {

// The bytes of a JSON Lines record that the hoards of a batch share: all before the seed
// ({"title":"…","seed":) and all from the seed to the DM list (,"request":{…},"caption":"…",
// "dm":), which the request (its seed aside), the separator and the caption decide. A thread
// keeps one from one hoard to the next: written for the first hoard, copied for the others.
class JsonLineFrame {
 public:
  // Makes these the bytes of `record`, writing them again unless they already are.
  void Fit(const HoardRecord& record);

  // The bytes before the seed and after it; kReadablePast bytes past the end of each can be
  // read.
  static constexpr std::size_t kReadablePast = 64;
  std::string_view BeforeSeed() const { return {bytes_.data(), seedAt_}; }
  std::string_view AfterSeed() const { return {bytes_.data() + seedAt_, size_ - seedAt_}; }

 private:
  bool Fits(const HoardRecord& record) const;

  bool made_ = false;
  HoardRequest request_;  // what the bytes were written for, its seed left as it came
  std::string separator_;
  std::string caption_;
  std::string bytes_;  // both, one after the other, then kReadablePast bytes more
  std::size_t seedAt_ = 0;
  std::size_t size_ = 0;
};

// Appends the hoard's JSON Lines record, byte for byte JsonText(HoardJson(record), -1), without
// building the JSON document first: a batch of many hoards spends its time writing, not
// allocating nodes.
void AppendHoardJsonLine(std::string& out, const HoardRecord& record);

// The same, the bytes the record shares with the others of its batch copied from `frame`,
// which is fitted to the record first.
void AppendHoardJsonLine(std::string& out, const HoardRecord& record, JsonLineFrame& frame);

// Appends gold pieces as a JSON number, byte for byte JsonText(GoldJson(value, exchange), -1).
void AppendGold(std::string& out, worth::Copper value, worth::Exchange exchange);

}  // namespace vorneth::formats
