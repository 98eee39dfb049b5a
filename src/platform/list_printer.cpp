#include "platform/list_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <map>

#include "platform/print_footer.h"

namespace vorneth::platform {

namespace {

constexpr int kTitlePointSize = 12;
constexpr int kListPointSize = 10;

QFont PrintFont(int pointSize) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(pointSize);
  return font;
}

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Font metrics of the printer's canvas, one set per point size.
class PrinterMetrics final : public TextMetrics {
 public:
  explicit PrinterMetrics(QPaintDevice& device) : device_(device) {}

  int Width(std::string_view utf8, int pointSize) const override {
    return MetricsFor(pointSize).horizontalAdvance(ToQString(utf8));
  }
  int Height(std::string_view /*utf8*/, int pointSize) const override {
    return MetricsFor(pointSize).height();
  }
  int Ascent(int pointSize) const { return MetricsFor(pointSize).ascent(); }

 private:
  const QFontMetrics& MetricsFor(int pointSize) const {
    auto it = cache_.find(pointSize);
    if (it == cache_.end()) {
      it = cache_.emplace(pointSize, QFontMetrics(PrintFont(pointSize), &device_)).first;
    }
    return it->second;
  }

  QPaintDevice& device_;
  mutable std::map<int, QFontMetrics> cache_;
};

void PaintRun(QPainter& painter, const TextRun& run, const PrinterMetrics& metrics) {
  painter.setFont(PrintFont(run.pointSize));
  if (run.opaqueWhite) {
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
  } else {
    painter.setBackgroundMode(Qt::TransparentMode);
  }
  painter.drawText(QPoint(run.x, run.y + metrics.Ascent(run.pointSize)), ToQString(run.text));
}

}  // namespace

std::vector<PrintLine> PrintoutLines(const QString& caption, ListKind kind, const Lines& lines) {
  std::vector<PrintLine> out;
  out.reserve(lines.size() + 5);
  out.push_back({caption.toStdString(), kTitlePointSize});
  out.push_back({"", kTitlePointSize});
  out.push_back({ListHeading(kind), kTitlePointSize});
  out.push_back({"", kTitlePointSize});
  for (const std::string_view line : lines) {
    out.push_back({std::string(line), kListPointSize});
  }
  out.push_back({"", kListPointSize});
  return out;
}

namespace {

// Lays out `lines` with the footer dated `now` on the painter's printer and paints them; with
// `numbered`, every page also carries its number at the right of its foot.
bool PaintPrintout(QPrinter& printer, const std::vector<PrintLine>& lines, const QDateTime& now,
                   bool numbered) {
  printer.setPageOrientation(QPageLayout::Portrait);
  // The painter's origin is the printable area's top-left corner, and width() and height() are
  // that area's: text that a printer cannot reach is never placed.
  printer.setFullPage(false);

  QPainter painter;
  if (!painter.begin(&printer)) {
    return false;
  }
  const PrinterMetrics metrics(printer);
  const PageSize page{printer.width(), printer.height()};
  std::vector<PrintPage> pages = PlanPages(lines, metrics, page);
  PlaceFooter(pages, FooterText(now, SeparatorsOf(QLocale::system())).toStdString(), kFooterLeft,
              kFooterPointSize, metrics, page);
  if (numbered) {
    const int top = page.height - metrics.Height("X", kFooterPointSize);
    for (std::size_t i = 0; i < pages.size(); ++i) {
      std::string number = PageNumberText(i + 1, pages.size());
      const int x = page.width - metrics.Width(number, kFooterPointSize);
      pages[i].runs.push_back({x, top, kFooterPointSize, std::move(number), true});
    }
  }

  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      printer.newPage();
    }
    for (const TextRun& run : pages[i].runs) {
      PaintRun(painter, run, metrics);
    }
  }
  return painter.end();
}

}  // namespace

bool PrintListTo(QPrinter& printer, const QString& caption, ListKind kind, const Lines& lines,
                 const QDateTime& now) {
  return PaintPrintout(printer, PrintoutLines(caption, kind, lines), now, false);
}

std::string PageNumberText(std::size_t page, std::size_t pages) {
  return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

bool PrintExportTo(QPrinter& printer, const QString& caption, ListKind kind, const Lines& lines,
                   const Lines& after, const QDateTime& now) {
  printer.setDocName(caption);  // the PDF's title
  printer.setCreator(QStringLiteral("Vorneth"));
  printer.setPageMargins(
      QMarginsF(kExportMarginMm, kExportMarginMm, kExportMarginMm, kExportMarginMm),
      QPageLayout::Millimeter);
  std::vector<PrintLine> printout = PrintoutLines(caption, kind, lines);
  for (const std::string_view line : after) {
    printout.push_back({std::string(line), kListPointSize});
  }
  if (!after.empty()) {
    printout.push_back({"", kListPointSize});
  }
  return PaintPrintout(printer, printout, now, true);
}

void UsePrintableArea(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Portrait);  // the driver's margins of that orientation
  const QPageLayout layout = printer.pageLayout();
  printer.setPageMargins(layout.minimumMargins(), layout.units());
}

}  // namespace vorneth::platform
