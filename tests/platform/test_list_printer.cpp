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

  void Print(const QString& caption, ListKind kind, const Lines& lines) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_);
    printer.setPageSize(QPageSize(QPageSize::A4));
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

TEST_F(PdfPrintout, TextStartsAtTheTopLeftAndTheFooterSitsAtTheBottom) {
  Print(QStringLiteral("Top"), ListKind::Players, {"Nothing Found"});
  // Word boxes in points on an A4 page (842 high); 10 device units are 0.6 points.
  const QString boxes = Run("pdftotext", {"-bbox", pdf_, "-"});
  const QRegularExpression word(
      QStringLiteral("<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"[-\\d.]+\" "
                     "yMax=\"([-\\d.]+)\">([^<]*)<"));
  bool sawCaption = false;
  bool sawFooter = false;
  for (auto it = word.globalMatch(boxes); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(4) == QStringLiteral("Top")) {
      sawCaption = true;
      EXPECT_LT(m.captured(1).toDouble(), 2.0);
      EXPECT_LT(m.captured(2).toDouble(), 5.0);
    }
    if (m.captured(4) == QStringLiteral("Printed")) {
      sawFooter = true;
      EXPECT_LT(m.captured(1).toDouble(), 3.0);
      EXPECT_GT(m.captured(3).toDouble(), 830.0);
    }
  }
  EXPECT_TRUE(sawCaption) << boxes.toStdString();
  EXPECT_TRUE(sawFooter);
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

TEST(PrintList, WithoutADefaultPrinterNothingIsPrintedAndTheUserIsTold) {
  if (!QPrinterInfo::defaultPrinter().isNull()) {
    GTEST_SKIP() << "this machine has a default printer";
  }
  testing::MessageCapture capture;
  PrintList(nullptr, QStringLiteral("Vorneth"), ListKind::DM, {"Potion"});
  EXPECT_EQ(capture.messages(),
            QStringList{QStringLiteral("There is no default printer currently selected")});
}

}  // namespace
}  // namespace vorneth::platform
