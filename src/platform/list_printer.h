#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "platform/list_kind.h"
#include "platform/print_layout.h"
#include "platform/text_file.h"

class QPrinter;

namespace vorneth::platform {

// The lines of a printout before layout: caption, empty line, heading, empty line in 12 point;
// the list's lines in 10 point; a closing empty line.
std::vector<PrintLine> PrintoutLines(const QString& caption, ListKind kind, const Lines& lines);

// The footer's left edge in device units.
inline constexpr int kFooterLeft = 10;
inline constexpr int kFooterPointSize = 8;

// Prints the list on `printer` in portrait, within the page's margins (the printable area), with
// the footer (dated `now`, with the user's separators) on the last page. Returns false when the
// printer could not start the job; nothing is printed then.
bool PrintListTo(QPrinter& printer, const QString& caption, ListKind kind, const Lines& lines,
                 const QDateTime& now);

// The printout made for an exported PDF file, a document rather than a job for the printer at
// hand: margins of kExportMarginMm on every side, "Page k of N" at the foot of every page, the
// `after` lines (the worth of a DM list) after the list, and the caption as the document's
// title. Returns false when the PDF could not be written.
inline constexpr double kExportMarginMm = 18;
bool PrintExportTo(QPrinter& printer, const QString& caption, ListKind kind, const Lines& lines,
                   const Lines& after, const QDateTime& now);

// "Page k of N".
std::string PageNumberText(std::size_t page, std::size_t pages);

// Sets the page's margins to the least the printer's driver declares, so that the printable
// area is all the printer can reach, with no margin of our own on top.
void UsePrintableArea(QPrinter& printer);

}  // namespace vorneth::platform
