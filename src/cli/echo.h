#pragma once

#include <string>
#include <string_view>

namespace vorneth::cli {

// User text made safe to quote in a one-line message. Control characters (C0, DEL and C1) and
// bytes that are not well-formed UTF-8 are shown as escapes (\n, \r, \t, \xNN for each byte),
// so nothing reaches the terminal raw. The result is cut to 60 characters, an escape counting
// as its printed length and never split, and "..." is appended when something was cut.
std::string Echo(std::string_view text);

}  // namespace vorneth::cli
