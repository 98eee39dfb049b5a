#include "platform/desktop_editor.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace vorneth::platform {

namespace {

constexpr int kQueryTimeoutMs = 2000;

DesktopOpener& Opener() {
  static DesktopOpener opener;
  return opener;
}

TakeBackAnswerer& Answerer() {
  static TakeBackAnswerer answerer;
  return answerer;
}

// The Name= of a desktop entry's [Desktop Entry] group, untranslated.
QString DesktopEntryName(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return {};
  }
  bool inEntry = false;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(u'[')) {
      inEntry = line == QStringLiteral("[Desktop Entry]");
    } else if (inEntry && line.startsWith(QStringLiteral("Name="))) {
      return line.mid(5).trimmed();
    }
  }
  return {};
}

}  // namespace

bool OpenInDesktopEditor(const QString& file) {
  if (const DesktopOpener& opener = Opener()) {
    return opener(file);
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void SetDesktopOpener(DesktopOpener opener) {
  Opener() = std::move(opener);
}

QString DefaultTextEditorName() {
  const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (query.isEmpty()) {
    return {};
  }
  QProcess process;
  process.start(query,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
  if (!process.waitForFinished(kQueryTimeoutMs) || process.exitCode() != 0) {
    process.kill();
    return {};
  }
  const QString id = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
  if (!id.endsWith(QStringLiteral(".desktop")) || id.contains(u'/')) {
    return {};
  }
  const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
  return entry.isEmpty() ? QString() : DesktopEntryName(entry);
}

bool AskTakeBack(QWidget* parent, const QString& fileName, const QString& editorName) {
  QMessageBox box(
      QMessageBox::Information, QGuiApplication::applicationDisplayName(),
      QStringLiteral("%1 is open in %2. Save it there, then press Take Back.")
          .arg(fileName, editorName.isEmpty() ? QStringLiteral("your text editor") : editorName),
      QMessageBox::NoButton, parent);
  QPushButton* takeBack = box.addButton(QStringLiteral("Take Back"), QMessageBox::AcceptRole);
  box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(takeBack);
  if (const TakeBackAnswerer& answerer = Answerer()) {
    answerer(box);
  } else {
    box.exec();
  }
  return box.clickedButton() == takeBack;
}

void SetTakeBackAnswerer(TakeBackAnswerer answerer) {
  Answerer() = std::move(answerer);
}

}  // namespace vorneth::platform
