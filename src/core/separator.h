#pragma once

#include <string>
#include <string_view>

namespace vorneth {

// A thousands separator is one printable character that is not a decimal digit of any script,
// in well-formed UTF-8 (a blank, U+00A0 and U+202F among them), or nothing at all for numbers
// without one. Controls, line and paragraph separators, format characters, marks,
// default-ignorable code points and noncharacters are not printable characters of their own
// (core/unicode_ranges.h, generated from Unicode's data). Returns empty when `text` may be a
// separator, otherwise why it may not, as a few words.
std::string SeparatorProblem(std::string_view text);

}  // namespace vorneth
