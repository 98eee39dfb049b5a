#include "platform/export_dialog.h"

#include "platform/preset_answer.h"
#include "platform/save_dialog.h"
#include "platform/screen_fit.h"

#include <QFileDialog>
#include <QFileInfo>
#include <array>
#include <utility>

namespace vorneth::platform {

namespace {

struct KindFilter {
  ExportKind kind;
  const char* filter;
  const char* suffix;
};

constexpr std::array<KindFilter, 6> kFilters = {{
    {ExportKind::Markdown, "Markdown (*.md)", "md"},
    {ExportKind::Csv, "CSV (*.csv)", "csv"},
    {ExportKind::Json, "JSON (*.json)", "json"},
    {ExportKind::Foundry, "Foundry journal (*.json)", "json"},
    {ExportKind::FoundryShown, "Foundry journal of the list shown (*.json)", "json"},
    {ExportKind::Pdf, "PDF (*.pdf)", "pdf"},
}};

PresetAnswer<ExportChoice>& Preset() {
  static PresetAnswer<ExportChoice> preset;
  return preset;
}

// The folder and the filter of the last export, while the program runs.
struct LastExport {
  QString folder;
  QString filter;
};

LastExport& Last() {
  static LastExport last;
  return last;
}

constexpr qsizetype kMaxNameLength = 120;  // well within the 255 bytes of a file name

}  // namespace

QString ExportFileName(const QString& title) {
  QString name;
  for (const QChar c : title) {
    name += c == u'/' || c == u'\\' || c.category() == QChar::Other_Control ? QChar(u' ') : c;
  }
  name = name.simplified().left(kMaxNameLength).trimmed();
  while (name.startsWith(u'.') || name.startsWith(u' ')) {
    name.remove(0, 1);  // no hidden file, no "." or ".."
  }
  return name.isEmpty() ? QStringLiteral("Vorneth") : name;
}

std::optional<ExportChoice> AskExportFile(QWidget* parent, const QString& title) {
  if (std::optional<ExportChoice> preset; Preset().Take(preset)) {
    return preset;
  }
  QFileDialog dialog(parent, QStringLiteral("Export"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const KindFilter& f : kFilters) {
    filters << QString::fromLatin1(f.filter);
  }
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString::fromLatin1(kFilters[0].suffix));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
    for (const KindFilter& k : kFilters) {
      if (f == QLatin1String(k.filter)) {
        dialog.setDefaultSuffix(QString::fromLatin1(k.suffix));
      }
    }
  });
  if (!Last().folder.isEmpty()) {
    dialog.setDirectory(Last().folder);
  }
  if (!Last().filter.isEmpty()) {
    dialog.selectNameFilter(Last().filter);
    for (const KindFilter& k : kFilters) {
      if (Last().filter == QLatin1String(k.filter)) {
        dialog.setDefaultSuffix(QString::fromLatin1(k.suffix));
      }
    }
  }
  dialog.selectFile(ExportFileName(title));
  ResizeWithinScreen(&dialog, kFileDialogSize);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  Last() = {QFileInfo(dialog.selectedFiles().front()).absolutePath(), dialog.selectedNameFilter()};
  for (const KindFilter& f : kFilters) {
    if (dialog.selectedNameFilter() == QLatin1String(f.filter)) {
      return ExportChoice{dialog.selectedFiles().front(), f.kind};
    }
  }
  return std::nullopt;
}

void SetNextExportChoice(std::optional<ExportChoice> choice) {
  Preset().Set(std::move(choice));
}

}  // namespace vorneth::platform
