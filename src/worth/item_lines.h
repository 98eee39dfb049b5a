#pragma once

#include <string_view>

namespace vorneth::worth {

// Whether the magic item tables can write `line` as the line that names an item (the further
// spell lines of a scroll are not such lines). Where a row's line has a part rolled anew
// (a count, a list of sub-table texts, a sword's blade, a scroll's spells), that part is not
// checked, only the row's fixed text around it.
bool IsTableItemLine(std::string_view line);

}  // namespace vorneth::worth
