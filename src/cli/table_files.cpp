#include "cli/table_files.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "cli/echo.h"
#include "cli/input_file.h"
#include "core/text_lines.h"
#include "formats/table_file.h"
#include "tables/check.h"

namespace vorneth::cli {

namespace {

constexpr std::array<std::string_view, 3> kTableExtensions = {".txt", ".csv", ".json"};

// Reads one file into `files`; false when it could not be read at all.
bool ReadOne(const std::string& path, TableFiles& files) {
  const std::string shown = Echo(path);
  InputFile file;
  std::string reason;
  std::string text;
  InputFile::Read read = InputFile::Read::Failed;
  if (file.Open(path, reason)) {
    read = file.ReadAll(kMaxFileBytes, text, reason);
  }
  if (read == InputFile::Read::Failed) {
    files.unreadable = "cannot read " + shown + ": " + reason;
    return false;
  }
  if (read == InputFile::Read::TooLarge) {
    files.faults.push_back(shown + ": larger than " + MebibytesText(kMaxFileBytes) +
                           ", the most of a table file");
  } else if (text.empty()) {
    files.faults.push_back(shown + ": empty file");
  } else {
    formats::ReadTableFile(formats::SourceOf(path, shown), text, files.set, files.faults);
  }
  return true;
}

// A name that may be looked up as a file beside the first: no folder, nothing hidden.
bool IsPlainName(std::string_view name) {
  return !name.empty() && name[0] != '.' &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace

TableFiles LoadTables(const std::string& path) {
  TableFiles files;
  if (!ReadOne(path, files)) {
    return files;
  }
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::vector<std::string> tried;
  for (bool more = true; more && tried.size() < kMostTableFiles;) {
    more = false;
    for (const std::string& name : tables::ResolveReferences(files.set)) {
      if (!IsPlainName(name) || std::find(tried.begin(), tried.end(), name) != tried.end() ||
          tried.size() == kMostTableFiles) {
        continue;
      }
      tried.push_back(name);
      for (const std::string_view extension : kTableExtensions) {
        const std::string candidate = (folder / (name + std::string(extension))).string();
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) {
          if (!ReadOne(candidate, files)) {
            return files;
          }
          more = true;
          break;
        }
      }
    }
  }
  const std::vector<std::string> faults = tables::CheckTables(files.set);
  files.faults.insert(files.faults.end(), faults.begin(), faults.end());
  return files;
}

FileProblem LoadChecked(const std::string& path, TableFiles& files) {
  files = LoadTables(path);
  if (!files.unreadable.empty()) {
    return {1, files.unreadable};
  }
  if (!files.faults.empty()) {
    const std::size_t others = files.faults.size() - 1;
    return {2, files.faults.front() + (others == 0
                                           ? ""
                                           : " (and " + std::to_string(others) +
                                                 (others == 1 ? " more fault" : " more faults") +
                                                 ": see --check-table)")};
  }
  return {};
}

FileProblem LoadHoardTables(const std::vector<TableChoice>& choices, tables::HoardTables& into) {
  for (const TableChoice& choice : choices) {
    TableFiles files;
    if (FileProblem problem = LoadChecked(choice.file, files); problem.code != 0) {
      return problem;
    }
    const std::size_t top = tables::TopTable(files.set);
    into.Use({choice.family, std::filesystem::path(choice.file).filename().string(),
              std::move(files.set), top});
  }
  return {};
}

}  // namespace vorneth::cli
