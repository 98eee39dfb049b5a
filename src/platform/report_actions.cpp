#include "platform/report_actions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/editor_process.h"
#include "platform/list_printer.h"
#include "platform/messages.h"
#include "platform/save_dialog.h"

namespace vorneth::platform {

namespace {

QString CannotCreate(const QString& name) {
  return QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(name));
}

// Writes the file, showing the message of a failure; true when it was written.
bool WriteOrComplain(QWidget* parent, const QString& name, const Lines& lines) {
  switch (WriteTextFile(name, lines)) {
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

}  // namespace

Lines SavedListLines(const QString& title, ListKind kind, const Lines& lines) {
  Lines file;
  file.reserve(lines.size() + 4);
  file.push_back(title.toStdString());
  file.emplace_back();
  file.emplace_back(ListHeading(kind));
  file.emplace_back();
  file.insert(file.end(), lines.begin(), lines.end());
  return file;
}

void SaveList(QWidget* parent, const QString& title, ListKind kind, const Lines& lines) {
  const Lines file = SavedListLines(title, kind, lines);
  if (const std::optional<QString> name = AskSaveFileName(parent)) {
    WriteOrComplain(parent, *name, file);
  }
}

void PrintList(QWidget* parent, const QString& caption, ListKind kind, const Lines& lines) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull()) {
    ShowErrorMessage(parent, QStringLiteral("There is no default printer currently selected"));
    return;
  }
  QPrinter printer(defaultPrinter, QPrinter::HighResolution);
  if (!PrintListTo(printer, caption, kind, lines, QDateTime::currentDateTime())) {
    ShowErrorMessage(parent, QStringLiteral("The printer %1 could not start the print job")
                                 .arg(defaultPrinter.printerName()));
  }
}

std::optional<Lines> EditList(QWidget* parent, const Lines& lines) {
  const QString name = QString::fromLatin1(kEditFileName);
  QFile::remove(name);  // a missing file is fine; a file that stays makes the write below fail
  if (!WriteOrComplain(parent, name, lines)) {
    return std::nullopt;
  }
  if (!RunEditorAndWait(parent, QDir::current().absoluteFilePath(name))) {
    ShowErrorMessage(parent,
                     QStringLiteral("No plain-text editor could be started. Install one of: "
                                    "gnome-text-editor, gedit, kate, featherpad, geany or xedit."));
    return std::nullopt;
  }
  std::optional<Lines> edited = ReadTextFile(name);
  if (!edited) {
    ShowErrorMessage(parent, QStringLiteral("Cannot open file %1").arg(name));
  }
  return edited;
}

}  // namespace vorneth::platform
