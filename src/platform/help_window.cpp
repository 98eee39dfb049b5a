#include "platform/help_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/screen_fit.h"

#ifndef VORNETH_DATA_DIR
#define VORNETH_DATA_DIR "/usr/local/share/vorneth"
#endif
#ifndef VORNETH_DATA_SUBDIR
#define VORNETH_DATA_SUBDIR "share/vorneth"
#endif

namespace vorneth::platform {

QStringList HelpSearchFolders() {
  const QString appDir = QCoreApplication::applicationDirPath();
  // The data folder of the installation the executable belongs to (wherever it was installed
  // to), then the folder the build was configured to install to.
  QStringList folders{
      appDir, QDir::currentPath(),
      QDir::cleanPath(appDir + QStringLiteral("/../") + QStringLiteral(VORNETH_DATA_SUBDIR))};
  const QString configured = QDir::cleanPath(QStringLiteral(VORNETH_DATA_DIR));
  if (!folders.contains(configured)) {
    folders.append(configured);
  }
  return folders;
}

QString FindHelpFile(const QStringList& folders) {
  for (const QString& folder : folders) {
    const QFileInfo file(QDir(folder), QString::fromLatin1(kHelpFileName));
    if (file.isFile() && file.isReadable()) {
      return file.absoluteFilePath();
    }
  }
  return {};
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
  setWindowTitle(QStringLiteral("Vorneth Help"));
  resize(620, 560);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  // Esc and Ctrl+W close the window, as in other viewers of the desktop.
  for (const QKeySequence& key :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* close = new QAction(this);
    close->setShortcut(key);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
  }
}

void HelpWindow::showContents(const QStringList& folders) {
  const QString path = FindHelpFile(folders);
  if (path.isEmpty()) {
    QString searched;
    for (const QString& folder : folders) {
      searched += QStringLiteral("<li>%1</li>").arg(folder.toHtmlEscaped());
    }
    browser_->setHtml(QStringLiteral("<h2>Help is not available</h2>"
                                     "<p>The help file <b>%1</b> was not found. "
                                     "These folders were searched:</p><ul>%2</ul>")
                          .arg(QString::fromLatin1(kHelpFileName), searched));
  } else {
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(QStringLiteral("contents"));
    browser_->setSource(url, QTextDocument::HtmlResource);
  }
  // Asked for while a modal window (the report form) holds the program, the help would be
  // blocked by it: it is then modal itself, on top, until it is closed.
  const QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality modality =
      modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != modality) {
    hide();
    setWindowModality(modality);
  }
  vorneth::platform::FitOnScreen(this);
  show();
  raise();
  activateWindow();
}

}  // namespace vorneth::platform
