#pragma once

#include <string>
#include <string_view>

namespace vorneth {

// A thousands separator is one printable character that is not a digit, in well-formed UTF-8 (a
// blank, U+00A0 and U+202F among them), or nothing at all for numbers without one. Controls,
// line and paragraph separators, invisible format characters and combining marks are not
// printable characters of their own. Returns empty when `text` may be a separator, otherwise
// why it may not, as a few words.
std::string SeparatorProblem(std::string_view text);

}  // namespace vorneth
