#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_list.h"

namespace vorneth {

// The most a file read back may hold, in bytes and in lines: a runaway file must not eat the
// memory. The desktop's read-back and the command line's list and export files share them.
inline constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxFileLines = 100000;

// Splits the text of a file into lines. A line ends at CR LF, at a lone CR or at a lone LF; a
// last line without a line end still counts; everything from the first NUL byte on is ignored.
// Stops as soon as it holds more than `maxLines` lines, so a caller with a limit learns of the
// overflow without holding every line.
LineList SplitTextLines(std::string_view text,
                        std::size_t maxLines = std::numeric_limits<std::size_t>::max());

}  // namespace vorneth
