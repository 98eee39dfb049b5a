#pragma once

#include <string>
#include <string_view>

namespace vorneth {

// Decimal text of n with `separator` between groups of three digits, counted from the right:
// NumberText(1234567, ",") is "1,234,567". The separator is one character of the desktop's
// setting, which may take several bytes in UTF-8.
std::string NumberText(long long n, std::string_view separator);

// The same text appended to `text`: a line is built in one string, without a temporary per
// amount.
void AppendNumberText(std::string& text, long long n, std::string_view separator);

// `value` with `decimals` decimals and a point, whatever the locale of the process: "2.50".
std::string FixedText(double value, int decimals);

// A share of 0 to 1 as a percentage with one decimal: "21.3%".
std::string PercentText(double share);

}  // namespace vorneth
