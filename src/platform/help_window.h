#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace vorneth::platform {

inline constexpr char kHelpFileName[] = "Vorneth.HLP";

// Where the help file is looked for, in order: next to the executable, the current directory,
// the data folder of the installation.
QStringList HelpSearchFolders();

// The first folder of `folders` holding the help file, as a full path; empty when none does.
QString FindHelpFile(const QStringList& folders);

// The program's help viewer: a browser on the help file (HTML), opened at its contents.
// A missing or unreadable file is reported in the window itself.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the help file found in `folders` at its contents and brings the window forward.
  void showContents(const QStringList& folders = HelpSearchFolders());

  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace vorneth::platform
