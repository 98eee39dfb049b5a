#include "platform/report_actions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "formats/csv.h"
#include "formats/foundry.h"
#include "formats/json_export.h"
#include "formats/markdown.h"
#include "platform/desktop_editor.h"
#include "platform/editor_process.h"
#include "platform/export_dialog.h"
#include "platform/list_printer.h"
#include "platform/messages.h"
#include "platform/private_folder.h"
#include "platform/save_dialog.h"
#include "worth/worth_text.h"

namespace vorneth::platform {

namespace {

QString CannotCreate(const QString& name) {
  return QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(name));
}

// Shows the message of a failed write of `name`; true when it was written.
bool ReportWrite(QWidget* parent, const QString& name, WriteResult result) {
  switch (result) {
    case WriteResult::Ok:
      return true;
    case WriteResult::CannotCreate:
      ShowErrorMessage(parent, CannotCreate(name));
      return false;
    case WriteResult::CannotWrite:
      ShowErrorMessage(parent, QStringLiteral("Cannot write file %1; any earlier file is unchanged")
                                   .arg(QDir::toNativeSeparators(name)));
      return false;
  }
  return false;
}

QString NoEditorMessage() {
  QStringList editors = KnownEditorNames();
  const QString last = editors.takeLast();
  return QStringLiteral("No plain-text editor could be started. Install one of: %1 or %2.")
      .arg(editors.join(QStringLiteral(", ")), last);
}

}  // namespace

QString NoPrinterMessage() {
  // The printing service's own words, then what can be done without a printer.
  return QStringLiteral(
      "There is no default printer currently selected\n\nTo print to a PDF file instead, "
      "choose File > Export... and save as PDF.");
}

Lines SavedListLines(const QString& title, ListKind kind, const Lines& lines) {
  Lines file{title.toStdString(), "", ListHeading(kind), ""};
  file.append(lines);
  return file;
}

void SaveList(QWidget* parent, const QString& title, ListKind kind, const Lines& lines) {
  const Lines file = SavedListLines(title, kind, lines);
  if (const std::optional<QString> name =
          AskSaveFileName(parent, QString::fromLatin1(SaveItemText(kind)))) {
    ReportWrite(parent, *name, WriteTextFile(*name, file));
  }
}

void PrintList(QWidget* parent, const QString& caption, ListKind kind, const Lines& lines) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull()) {
    ShowErrorMessage(parent, NoPrinterMessage());
    return;
  }
  QPrinter printer(defaultPrinter, QPrinter::HighResolution);
  UsePrintableArea(printer);
  if (!PrintListTo(printer, caption, kind, lines, QDateTime::currentDateTime())) {
    ShowErrorMessage(parent, QStringLiteral("The printer %1 could not start the print job")
                                 .arg(defaultPrinter.printerName()));
  }
}

namespace {

// The printout of the list shown as PDF bytes, with the worth after a DM list, made in a
// temporary file; empty when it failed.
QByteArray PdfOf(const formats::HoardRecord& record, ListKind kind) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("export.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  Lines after;
  if (kind == ListKind::DM) {
    after.push_back(worth::WorthLine(record.dm.totals, record.separator));
    after.append(worth::WorthBreakdown(record.dm.totals, record.separator));
  }
  const Lines& lines = kind == ListKind::DM ? record.hoard.DMList : record.hoard.PlayersList;
  if (!dir.isValid() || !PrintExportTo(printer, QString::fromStdString(record.hoard.Caption), kind,
                                       lines, after, QDateTime::currentDateTime())) {
    return {};
  }
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ExportBytes(const formats::HoardRecord& record, ExportKind kind, ListKind shown) {
  switch (kind) {
    case ExportKind::Markdown:
      return QByteArray::fromStdString(formats::Markdown(record));
    case ExportKind::Csv:
      return QByteArray::fromStdString(formats::CsvHeader() + formats::CsvRows(record, 1));
    case ExportKind::Json:
      return QByteArray::fromStdString(formats::JsonText(formats::HoardJson(record)) + "\n");
    case ExportKind::Foundry:
      return QByteArray::fromStdString(formats::JsonText(formats::FoundryJournal(record)) + "\n");
    case ExportKind::FoundryShown: {
      const formats::JournalLists list =
          shown == ListKind::DM ? formats::JournalLists::DM : formats::JournalLists::Players;
      return QByteArray::fromStdString(formats::JsonText(formats::FoundryJournal(record, list)) +
                                       "\n");
    }
    case ExportKind::Pdf:
      return PdfOf(record, shown);
  }
  return {};
}

}  // namespace

void ExportHoard(QWidget* parent, const formats::HoardRecord& record, ListKind shown) {
  const std::optional<ExportChoice> choice =
      AskExportFile(parent, QString::fromStdString(record.request.Title));
  if (!choice) {
    return;
  }
  const QByteArray bytes = ExportBytes(record, choice->kind, shown);
  ReportWrite(parent, choice->path,
              bytes.isEmpty() ? WriteResult::CannotCreate : WriteFileBytes(choice->path, bytes));
}

std::optional<Lines> EditList(QWidget* parent, const Lines& lines) {
  QString problem;
  const std::optional<QString> folder = OpenPrivateFolder(&problem);
  if (!folder) {
    ShowErrorMessage(
        parent, QStringLiteral("%1 (%2)").arg(CannotCreate(QLatin1String(kEditFileName)), problem));
    return std::nullopt;
  }
  const QString path = QDir(*folder).filePath(QLatin1String(kEditFileName));
  QString reason;
  switch (WritePrivateFile(path, lines, &reason)) {
    case WriteResult::Ok:
      break;
    case WriteResult::CannotCreate:
      ShowErrorMessage(parent, QStringLiteral("%1 (%2)").arg(CannotCreate(path), reason));
      return std::nullopt;
    case WriteResult::CannotWrite:
      ShowErrorMessage(parent, QStringLiteral("Cannot write file %1 (%2); the lists are unchanged")
                                   .arg(QDir::toNativeSeparators(path), reason));
      return std::nullopt;
  }
  // An editor that can be waited for comes first; then the desktop's own default editor for
  // plain text, with a box that waits for the user instead; then the last resort (xedit); then
  // whatever the desktop opens the file with when it names no default.
  if (!RunEditorAndWait(parent, path, EditorRank::First)) {
    const QString desktopEditor = DefaultTextEditorName();
    bool viaDesktop = !desktopEditor.isEmpty() && OpenInDesktopEditor(path);
    if (!viaDesktop && !RunEditorAndWait(parent, path, EditorRank::LastResort)) {
      viaDesktop = desktopEditor.isEmpty() && OpenInDesktopEditor(path);
      if (!viaDesktop) {
        ShowErrorMessage(parent, NoEditorMessage());
        return std::nullopt;
      }
    }
    if (viaDesktop && !AskTakeBack(parent, QLatin1String(kEditFileName), desktopEditor)) {
      return std::nullopt;
    }
  }
  QFile::remove(path + u'~');  // the backup an editor (xedit) leaves beside the file
  ReadResult edited = ReadTextFile(path);
  switch (edited.status) {
    case ReadResult::Status::Ok:
      return std::move(edited.lines);
    case ReadResult::Status::CannotOpen:
      ShowErrorMessage(parent,
                       QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
      break;
    case ReadResult::Status::TooLarge:
      ShowErrorMessage(
          parent,
          QStringLiteral("File %1 is too large to take back (more than %2 MiB "
                         "or %3 lines); the lists are unchanged")
              .arg(QDir::toNativeSeparators(path))
              .arg(kMaxReadBytes / (1024 * 1024))
              .arg(QLocale(QLocale::English).toString(static_cast<qulonglong>(kMaxReadLines))));
      break;
  }
  return std::nullopt;
}

}  // namespace vorneth::platform
