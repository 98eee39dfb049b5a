#include <gtest/gtest.h>

#include <QString>

#include "platform/list_printer.h"
#include "platform/print_layout.h"

namespace vorneth::platform {
namespace {

// Every character is 10 units wide; text is twice its point size high, so a line of 10 point
// moves the position by 22 and an empty line of 10 point by 20.
class FakeMetrics final : public TextMetrics {
 public:
  int Width(std::string_view utf8, int /*pointSize*/) const override {
    int characters = 0;
    for (const char c : utf8) {
      characters += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u ? 1 : 0;
    }
    return 10 * characters;
  }
  int Height(std::string_view /*utf8*/, int pointSize) const override { return 2 * pointSize; }
};

std::vector<PrintLine> TenPointLines(int count) {
  std::vector<PrintLine> lines;
  for (int i = 1; i <= count; ++i) {
    lines.push_back({"line " + std::to_string(i), 10});
  }
  return lines;
}

std::vector<std::size_t> RunsPerPage(const std::vector<PrintPage>& pages) {
  std::vector<std::size_t> counts;
  for (const PrintPage& page : pages) {
    counts.push_back(page.runs.size());
  }
  return counts;
}

const FakeMetrics kMetrics;

TEST(PrintLayout, LinesStartTopLeftAndMoveDownByHeightPlusTwoOrCharacterHeight) {
  const std::vector<PrintPage> pages =
      PlanPages(PrintoutLines(QStringLiteral("Vorneth"), ListKind::DM, {"Plate Mail ", "Potion"}),
                kMetrics, {1000, 1000});
  ASSERT_EQ(pages.size(), 1u);
  // 12 point: text moves 26, empty moves 24; 10 point: text 22, empty 20.
  const std::vector<TextRun> expected{
      {0, 0, 12, "Vorneth", false},
      {0, 50, 12, "DM's List", false},
      {0, 100, 10, "Plate Mail ", false},  // the trailing blank stays
      {0, 122, 10, "Potion", false},
  };
  EXPECT_EQ(pages[0].runs, expected);
}

TEST(PrintLayout, ANewPageBeginsBelowPageHeightMinusTwiceTheLineHeight) {
  // Page 100: after three lines the position 66 lies below 100 - 44.
  EXPECT_EQ(RunsPerPage(PlanPages(TenPointLines(7), kMetrics, {1000, 100})),
            (std::vector<std::size_t>{3, 3, 1}));
  // Page 110: after three lines the position 66 equals 110 - 44, so a fourth line fits.
  const std::vector<PrintPage> pages = PlanPages(TenPointLines(9), kMetrics, {1000, 110});
  EXPECT_EQ(RunsPerPage(pages), (std::vector<std::size_t>{4, 4, 1}));
  EXPECT_EQ(pages[1].runs.front(), (TextRun{0, 0, 10, "line 5", false}));
  EXPECT_EQ(pages[1].runs.back().y, 66);
}

TEST(PrintLayout, EmptyLinesBreakThePageOnlyBelowThePageHeight) {
  std::vector<PrintLine> lines(5, PrintLine{"", 10});
  lines.push_back({"after", 10});
  // Five empty lines reach exactly 100: still on the first page.
  EXPECT_EQ(PlanPages(lines, kMetrics, {1000, 100}).front().runs.front().y, 100);

  lines.insert(lines.begin(), PrintLine{"", 10});
  const std::vector<PrintPage> pages = PlanPages(lines, kMetrics, {1000, 100});
  EXPECT_EQ(RunsPerPage(pages), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(pages[1].runs.front().y, 0);
}

TEST(PrintLayout, ALineWiderThanThePageBreaksAfterTheLastCharacterThatFits) {
  const std::vector<PrintPage> pages = PlanPages({{"abcdefghij", 10}}, kMetrics, {45, 1000});
  const std::vector<TextRun> expected{
      {0, 0, 10, "abcd", false}, {0, 22, 10, "efgh", false}, {0, 44, 10, "ij", false}};
  EXPECT_EQ(pages.front().runs, expected);

  // Two-byte characters are never cut in half; exactly fitting text is not broken.
  EXPECT_EQ(FittingPrefix("\xc3\xa9\xc3\xa9\xc3\xa9", 10, 25, kMetrics), 4u);
  EXPECT_EQ(FittingPrefix("abc", 10, 30, kMetrics), 3u);
  // A page narrower than one character still takes one character per line.
  EXPECT_EQ(PlanPages({{"xyz", 10}}, kMetrics, {5, 1000}).front().runs.size(), 3u);
}

TEST(PrintLayout, TheFooterGoesOnTheLastPageOnlyAtTheBottomOnWhite) {
  std::vector<PrintPage> pages =
      PlanPages(PrintoutLines(QStringLiteral("Vorneth"), ListKind::Players, {"a", "b", "c"}),
                kMetrics, {1000, 120});
  ASSERT_GT(pages.size(), 1u);
  PlaceFooter(pages, "Printed by Vorneth", 10, 8, kMetrics, {1000, 120});
  for (std::size_t i = 0; i + 1 < pages.size(); ++i) {
    for (const TextRun& run : pages[i].runs) {
      EXPECT_FALSE(run.opaqueWhite);
    }
  }
  EXPECT_EQ(pages.back().runs.back(), (TextRun{10, 104, 8, "Printed by Vorneth", true}));
}

}  // namespace
}  // namespace vorneth::platform
