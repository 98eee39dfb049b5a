#include "formats/replay.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "core/separator.h"
#include "formats/batch.h"
#include "formats/json_export.h"

namespace vorneth::formats {

namespace {

// A whole number from 0 to max at `key` of `object`, or an error naming it.
template <typename T>
bool ReadNumber(const Json& object, const char* key, long long max, T& into, std::string& error) {
  const auto it = object.find(key);
  if (it == object.end()) {
    return true;  // absent: the request's default
  }
  if (!it->is_number_integer() || it->get<long long>() < 0 || it->get<long long>() > max) {
    error = std::string("\"") + key + "\" is not a whole number from 0 to " + std::to_string(max);
    return false;
  }
  into = static_cast<T>(it->get<long long>());
  return true;
}

bool ReadText(const Json& object, const char* key, std::string& into, std::string& error) {
  const auto it = object.find(key);
  if (it == object.end()) {
    return true;
  }
  if (!it->is_string()) {
    error = std::string("\"") + key + "\" is not a text";
    return false;
  }
  into = it->get<std::string>();
  return true;
}

// The game master's tables a hoard was drawn with: {"potion": "potions.txt", ...}, by the
// families' script names.
bool ReadTables(const Json& request, HoardRequest& r, std::string& error) {
  const auto it = request.find("tables");
  if (it == request.end()) {
    return true;
  }
  if (!it->is_object()) {
    error = "\"tables\" is not an object";
    return false;
  }
  for (std::size_t f = 1; f < kFamilyNames.size(); ++f) {
    const auto file = it->find(std::string(kFamilyNames[f]));
    if (file != it->end()) {
      if (!file->is_string() || file->get<std::string>().empty()) {
        error = "\"tables\" gives a family no file name";
        return false;
      }
      r.Tables.push_back({static_cast<Family>(f), file->get<std::string>()});
    }
  }
  if (r.Tables.size() != it->size()) {
    error = "\"tables\" names something other than a family of magic items";
    return false;
  }
  return true;
}

// One hoard of an export: {"seed", "request"} beside other keys, or a Foundry journal entry
// that keeps them under flags.vorneth.
std::optional<RecordedRequest> ReadHoard(const Json& entry, std::string& error) {
  const Json* source = &entry;
  if (entry.is_object() && entry.contains("flags") && entry["flags"].is_object() &&
      entry["flags"].contains("vorneth")) {
    source = &entry["flags"]["vorneth"];
  }
  if (!source->is_object() || !source->contains("seed") || !source->contains("request") ||
      !(*source)["request"].is_object()) {
    error = "not a Vorneth export (no seed and request)";
    return std::nullopt;
  }
  RecordedRequest recorded{HoardRequest{}, ","};
  HoardRequest& r = recorded.request;
  const Json& request = (*source)["request"];
  ReadText(entry, "title", r.Title, error);  // an older place of the title, if any
  const bool good =
      ReadNumber(*source, "seed", std::numeric_limits<std::uint32_t>::max(), r.Seed, error) &&
      ReadNumber(request, "coins", kMaxCustCoins, r.CustCoins, error) &&
      ReadNumber(request, "gems", kMaxCustGems, r.CustGems, error) &&
      ReadNumber(request, "jewelry", kMaxCustJewelry, r.CustJewelry, error) &&
      ReadNumber(request, "magic", kMaxCustMagic, r.CustMagic, error) &&
      ReadText(request, "title", r.Title, error) &&
      ReadText(request, "separator", recorded.separator, error);
  if (!good) {
    return std::nullopt;
  }
  if (const std::string problem = SeparatorProblem(recorded.separator); !problem.empty()) {
    error = "\"separator\" " + problem;
    return std::nullopt;
  }
  if (request.contains("types")) {
    const Json& types = request["types"];
    if (!types.is_object()) {
      error = "\"types\" is not an object";
      return std::nullopt;
    }
    for (const auto& [letter, count] : types.items()) {
      if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'Z') {
        error = "\"types\" names something other than a letter A to Z";
        return std::nullopt;
      }
      if (!ReadNumber(types, letter.c_str(), kMaxTypeCount, r.Count(letter[0]), error)) {
        return std::nullopt;
      }
    }
  }
  return ReadTables(request, r, error) ? std::optional(std::move(recorded)) : std::nullopt;
}

bool ReadEntries(const Json& document, ReplayResult& result) {
  const auto add = [&result](const Json& entry) {
    if (auto recorded = ReadHoard(entry, result.error)) {
      result.requests.push_back(std::move(*recorded));
      return true;
    }
    return false;
  };
  if (document.is_array()) {
    if (document.size() > kMaxBatch) {
      result.error = TooManyHoards();
      return false;
    }
    for (const Json& entry : document) {
      if (!add(entry)) {
        return false;
      }
    }
    if (document.empty()) {
      result.error = "the export holds no hoard";
    }
    return !document.empty();
  }
  return add(document);
}

// Parses JSON keeping only what a request is read from: the lists, the worth and the pages of
// an export are dropped as they are read, so a large batch does not build them in memory.
Json ParseRequests(std::string_view text) {
  static const Json::parser_callback_t keep = [](int, Json::parse_event_t event, Json& parsed) {
    if (event != Json::parse_event_t::key || !parsed.is_string()) {
      return true;
    }
    const std::string& key = parsed.get_ref<const std::string&>();
    return key != "dm" && key != "players" && key != "dm_lines" && key != "worth" &&
           key != "shares" && key != "pages" && key != "caption";
  };
  return Json::parse(text, keep, false);
}

// The JSON reader takes a NUL byte for the end of its input, so an export followed by one would
// pass with whatever came after it unread: no export holds one.
bool HoldsNul(std::string_view text, std::string& error) {
  if (text.find('\0') == std::string_view::npos) {
    return false;
  }
  error = "not a Vorneth export (it holds a NUL byte)";
  return true;
}

}  // namespace

bool IsBlankExportLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::optional<RecordedRequest> ReadExportLine(std::string_view line, std::string& error) {
  if (HoldsNul(line, error)) {
    return std::nullopt;
  }
  const Json entry = ParseRequests(line);
  if (entry.is_discarded() || !entry.is_object()) {
    error = "not a Vorneth export (neither JSON nor JSON Lines)";
    return std::nullopt;
  }
  return ReadHoard(entry, error);
}

ReplayResult ReadExport(std::string_view text) {
  ReplayResult result;
  if (HoldsNul(text, result.error)) {
    return result;
  }
  const Json document = ParseRequests(text);
  if (!document.is_discarded()) {
    if (!ReadEntries(document, result)) {
      result.requests.clear();
    }
    return result;
  }
  // JSON Lines: one hoard per line, counted before any is read.
  const auto forEachHoardLine = [text](auto&& read) {
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) {
        end = text.size();
      }
      const std::string_view line = text.substr(start, end - start);
      start = end + 1;
      if (!IsBlankExportLine(line) && !read(line)) {
        return;
      }
    }
  };
  std::size_t count = 0;
  forEachHoardLine([&count](std::string_view) { return ++count <= kMaxBatch; });
  if (count > kMaxBatch) {
    result.error = TooManyHoards();
    return result;
  }
  result.requests.reserve(count);
  forEachHoardLine([&result](std::string_view line) {
    std::optional<RecordedRequest> recorded = ReadExportLine(line, result.error);
    if (!recorded) {
      result.requests.clear();
      return false;
    }
    result.requests.push_back(std::move(*recorded));
    return true;
  });
  if (result.requests.empty() && result.error.empty()) {
    result.error = "not a Vorneth export (no hoard in it)";
  }
  return result;
}

}  // namespace vorneth::formats
