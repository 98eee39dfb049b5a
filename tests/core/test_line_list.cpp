#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/line_list.h"

namespace vorneth {
namespace {

// Lines are told apart by where they start, not by their bytes alone; empty lines count.
TEST(LineList, LinesKeepTheirBoundsAndEmptyLines) {
  LineList list{"ab", "", "c"};
  list.NewLine().append("de").append("f");
  list.push_back("");
  EXPECT_EQ(list.size(), 5U);
  EXPECT_EQ(std::vector<std::string>(list.begin(), list.end()),
            (std::vector<std::string>{"ab", "", "c", "def", ""}));
  EXPECT_EQ(list.Text(), "abcdef");
  EXPECT_NE((LineList{"ab", "c"}), (LineList{"a", "bc"}));
  EXPECT_NE((LineList{"a"}), (LineList{"a", ""}));
  EXPECT_EQ(list.end() - list.begin(), 5);
  EXPECT_EQ(*std::find(list.begin(), list.end(), "def"), list[3]);
}

// A list appended to itself doubles, and clearing keeps nothing of the old lines.
TEST(LineList, AppendsItselfAndClears) {
  LineList list{"one", "two"};
  list.append(list);
  EXPECT_EQ(list, (LineList{"one", "two", "one", "two"}));
  list.clear();
  EXPECT_TRUE(list.empty());
  list.push_back("x");
  EXPECT_EQ(list, LineList{"x"});
  EXPECT_EQ(LineList(3, "z"), (LineList{"z", "z", "z"}));
}

}  // namespace
}  // namespace vorneth
