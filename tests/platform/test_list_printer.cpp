#include <gtest/gtest.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/list_printer.h"
#include "platform/print_footer.h"
#include "platform/report_actions.h"
#include "platform_test_support.h"

namespace vorneth::platform {
namespace {

const QDateTime kPrintTime(QDate(2024, 3, 5), QTime(7, 4));

TEST(PrintFooter, DateAndTimeAsMonthDayYearHourMinutes) {
  EXPECT_EQ(FooterDateTimeText(kPrintTime, {u'/', u':'}), QStringLiteral("3/5/24  7:04"));
  EXPECT_EQ(FooterDateTimeText(QDateTime(QDate(2009, 12, 31), QTime(23, 59)), {u'.', u'.'}),
            QStringLiteral("12.31.09  23.59"));
  EXPECT_EQ(FooterDateTimeText(QDateTime(QDate(2100, 1, 1), QTime(0, 0)), {u'-', u':'}),
            QStringLiteral("1-1-00  0:00"));
  EXPECT_EQ(FooterText(kPrintTime, {u'/', u':'}),
            QString::fromUtf8(kOwnerNotice) + QStringLiteral("  3/5/24  7:04"));
}

TEST(PrintFooter, SeparatorsComeFromTheUsersLocale) {
  EXPECT_EQ(SeparatorsOf(QLocale(QLocale::English, QLocale::UnitedStates)).date, u'/');
  EXPECT_EQ(SeparatorsOf(QLocale(QLocale::English, QLocale::UnitedStates)).time, u':');
  EXPECT_EQ(SeparatorsOf(QLocale(QLocale::German, QLocale::Germany)).date, u'.');
  EXPECT_EQ(SeparatorsOf(QLocale(QLocale::Finnish, QLocale::Finland)).time, u'.');
}

// Prints to a PDF file and reads it back with poppler's tools.
class PdfPrintout : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
      // scripts/install-deps installs them: a missing tool is a broken set-up, not a pass.
      FAIL() << "poppler-utils (pdftotext, pdfinfo) are not installed";
    }
  }

  // Prints on A4 with the margins a driver declares for its printable area, in points.
  void Print(const QString& caption, ListKind kind, const Lines& lines,
             QMarginsF margins = QMarginsF()) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(margins, QPageLayout::Point);
    ASSERT_TRUE(PrintListTo(printer, caption, kind, lines, kPrintTime));
  }

  static QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  int Pages() const {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run("pdfinfo", {pdf_}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
  }

  QString PageText(int first, int last) const {
    return Run("pdftotext",
               {"-layout", "-f", QString::number(first), "-l", QString::number(last), pdf_, "-"});
  }

  QString AllText() const { return Run("pdftotext", {"-layout", pdf_, "-"}); }

  QTemporaryDir dir_;
  QString pdf_ = dir_.filePath("list.pdf");
};

TEST_F(PdfPrintout, ShortListOnOnePageWithCaptionHeadingLinesAndFooter) {
  Print(QStringLiteral("The Wyrm's Hoard"), ListKind::DM,
        {"2,500 Gold Pieces", "Plate Mail +1 ", "Gem: p\xc3\xa9ridot (12 gems worth 600gp)"});
  EXPECT_EQ(Pages(), 1);
  const QStringList textLines = AllText().split(u'\n');
  QStringList trimmed;
  for (const QString& line : textLines) {
    if (!line.trimmed().isEmpty()) {
      trimmed << line.trimmed();
    }
  }
  ASSERT_GE(trimmed.size(), 6);
  EXPECT_EQ(trimmed[0], QStringLiteral("The Wyrm's Hoard"));
  EXPECT_EQ(trimmed[1], QStringLiteral("DM's List"));
  EXPECT_EQ(trimmed[2], QStringLiteral("2,500 Gold Pieces"));
  EXPECT_EQ(trimmed[3], QStringLiteral("Plate Mail +1"));
  EXPECT_EQ(trimmed[4], QString::fromUtf8("Gem: p\xc3\xa9ridot (12 gems worth 600gp)"));
  EXPECT_TRUE(trimmed.back().startsWith(QString::fromUtf8(kOwnerNotice)));
  // The layout text collapses the footer's double blanks.
  const QString dateTime = FooterDateTimeText(kPrintTime, SeparatorsOf(QLocale::system()));
  EXPECT_TRUE(trimmed.back().endsWith(dateTime.simplified())) << trimmed.back().toStdString();
}

TEST_F(PdfPrintout, EveryGlyphStaysInsideThePrintableArea) {
  // A driver like a real printer's: 18 points left and right, 36 points top and bottom.
  const QMarginsF margins(18, 36, 18, 36);
  Lines lines(120, "Potion of Extra-Healing");
  lines.push_back(std::string(400, 'W'));  // wider than the page: broken inside the area
  Print(QStringLiteral("Top"), ListKind::Players, lines, margins);
  // Word boxes in points on an A4 page of 595.28 by 841.89.
  const QString boxes = Run("pdftotext", {"-bbox", pdf_, "-"});
  const QRegularExpression word(
      QStringLiteral("<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
                     "yMax=\"([-\\d.]+)\">([^<]*)<"));
  const QRectF area(margins.left(), margins.top(), 595.28 - margins.left() - margins.right(),
                    841.89 - margins.top() - margins.bottom());
  int words = 0;
  double footerBottom = 0;
  for (auto it = word.globalMatch(boxes); it.hasNext(); ++words) {
    const QRegularExpressionMatch m = it.next();
    const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                     QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    EXPECT_TRUE(area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
        << m.captured(5).toStdString() << " at " << box.left() << "," << box.top() << " "
        << box.right() << "," << box.bottom();
    if (words == 0) {  // the caption: at the printable area's top-left corner
      EXPECT_EQ(m.captured(5), QStringLiteral("Top"));
      EXPECT_LT(box.left(), area.left() + 2);
      EXPECT_LT(box.top(), area.top() + 5);
    }
    if (m.captured(5) == QStringLiteral("Printed")) {
      footerBottom = box.bottom();
    }
  }
  EXPECT_GT(words, 240);
  EXPECT_GT(footerBottom, area.bottom() - 4);  // the footer sits at the area's foot
  EXPECT_GE(Pages(), 2);
}

TEST_F(PdfPrintout, LongListBreaksAcrossPagesWithTheFooterOnceOnTheLastPage) {
  Lines lines;
  for (int i = 1; i <= 250; ++i) {
    lines.push_back("Item number " + std::to_string(i));
  }
  Print(QStringLiteral("Vorneth"), ListKind::DM, lines);
  const int pages = Pages();
  ASSERT_GE(pages, 3);

  const QString all = AllText();
  qsizetype from = 0;
  for (int i = 1; i <= 250; ++i) {  // every line once, in order
    const QRegularExpression item(QStringLiteral("Item number %1\\b").arg(i));
    const QRegularExpressionMatch m = item.match(all, from);
    ASSERT_TRUE(m.hasMatch()) << i;
    from = m.capturedEnd();
  }
  EXPECT_EQ(all.count(QString::fromUtf8(kOwnerNotice)), 1);
  EXPECT_TRUE(PageText(pages, pages).contains(QString::fromUtf8(kOwnerNotice)));
  EXPECT_FALSE(PageText(1, pages - 1).contains(QString::fromUtf8(kOwnerNotice)));
}

// An exported PDF is a document: real margins, its pages numbered, the worth after the list and
// the caption as its title.
TEST_F(PdfPrintout, ExportHasMarginsPageNumbersWorthAndTitle) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf_);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const Lines lines(150, "Potion of Extra-Healing");
  ASSERT_TRUE(PrintExportTo(printer, QStringLiteral("Vorneth - Crypt"), ListKind::DM, lines,
                            {"Worth 7 gp 3 sp", "Total: 7 gp 3 sp"}, kPrintTime));
  const int pages = Pages();
  ASSERT_GE(pages, 2);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Title: +Vorneth - Crypt$"),
                                 QRegularExpression::MultilineOption)
                  .match(Run("pdfinfo", {pdf_}))
                  .hasMatch());
  for (int page = 1; page <= pages; ++page) {
    EXPECT_TRUE(PageText(page, page).contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)))
        << page;
  }
  const QString last = PageText(pages, pages);
  EXPECT_LT(last.lastIndexOf(QStringLiteral("Potion")), last.indexOf(QStringLiteral("Worth 7 gp")));
  // No ink nearer the paper's edge than the margin (points on an A4 page of 595.28 by 841.89).
  const double margin = kExportMarginMm * 72 / 25.4;
  const QRegularExpression box(
      QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                     "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\""));
  int words = 0;
  for (auto it = box.globalMatch(Run("pdftotext", {"-bbox", pdf_, "-"})); it.hasNext(); ++words) {
    const QRegularExpressionMatch m = it.next();
    EXPECT_GE(m.captured(1).toDouble(), margin - 0.5);
    EXPECT_GE(m.captured(2).toDouble(), margin - 0.5);
    EXPECT_LE(m.captured(3).toDouble(), 595.28 - margin + 0.5);
    EXPECT_LE(m.captured(4).toDouble(), 841.89 - margin + 0.5);
  }
  EXPECT_GT(words, 300);
}

TEST(PrintList, WithoutADefaultPrinterNothingIsPrintedAndTheUserIsTold) {
  if (!QPrinterInfo::defaultPrinter().isNull()) {
    GTEST_SKIP() << "this machine has a default printer";
  }
  testing::MessageCapture capture;
  PrintList(nullptr, QStringLiteral("Vorneth"), ListKind::DM, {"Potion"});
  ASSERT_EQ(capture.messages().size(), 1);
  EXPECT_TRUE(capture.messages().front().startsWith(
      QStringLiteral("There is no default printer currently selected")));
  EXPECT_TRUE(capture.messages().front().contains(QStringLiteral("PDF file")));
  EXPECT_TRUE(capture.messages().front().contains(QStringLiteral("File > Export...")));
}

}  // namespace
}  // namespace vorneth::platform
