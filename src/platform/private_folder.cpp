#include "platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "platform/system_error.h"

namespace vorneth::platform {

namespace {

constexpr char kFolderName[] = "vorneth";

// What is wrong with `path` as a private folder, or an empty text when nothing is.
QString FolderProblem(const QString& path) {
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
    return SystemErrorText(errno);
  }
  if (S_ISLNK(info.st_mode)) {
    return QStringLiteral("it is a link");
  }
  if (!S_ISDIR(info.st_mode)) {
    return QStringLiteral("it is not a folder");
  }
  if (info.st_uid != ::geteuid()) {
    return QStringLiteral("it belongs to another user");
  }
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    return QStringLiteral("other users can use it");
  }
  return {};
}

}  // namespace

QString PrivateFolderPath() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
    return QDir(runtime).filePath(QLatin1String(kFolderName));
  }
  return QDir(QDir::tempPath())
      .filePath(QStringLiteral("%1-%2").arg(QLatin1String(kFolderName)).arg(::geteuid()));
}

std::optional<QString> OpenPrivateFolder(QString* problem) {
  const QString path = PrivateFolderPath();
  // mkdir never follows a link at the last step and fails on anything already there; whatever
  // is there is then checked as it stands.
  if (::mkdir(QFile::encodeName(path).constData(), S_IRWXU) != 0 && errno != EEXIST) {
    if (problem) {
      *problem =
          QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), SystemErrorText(errno));
    }
    return std::nullopt;
  }
  if (const QString wrong = FolderProblem(path); !wrong.isEmpty()) {
    if (problem) {
      *problem = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), wrong);
    }
    return std::nullopt;
  }
  return path;
}

}  // namespace vorneth::platform
