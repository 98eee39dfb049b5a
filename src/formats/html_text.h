#pragma once

#include <string>
#include <string_view>

namespace vorneth::formats {

// The words of a Foundry text as a line shows them: HTML tags dropped (each a blank), the
// character references of HTML read (&amp;, &#39;, &#x2014; ...), and a link such as
// @UUID[Item.abc]{Rope} shown by its label.
std::string PlainText(std::string_view html);

}  // namespace vorneth::formats
