#include "platform/thousands_separator.h"

#include <utility>

namespace vorneth::platform {

ThousandsSeparator::ThousandsSeparator(LocaleSource source) : source_(std::move(source)) {
  if (!source_) {
    source_ = [] { return QLocale::system(); };
  }
  refresh();
}

void ThousandsSeparator::refresh() {
  separator_ = firstCharacter(source_().groupSeparator()).toStdString();
}

QString ThousandsSeparator::firstCharacter(const QString& groupSeparator) {
  if (groupSeparator.isEmpty()) {
    return QStringLiteral(",");
  }
  const bool pair = groupSeparator.size() >= 2 && groupSeparator.at(0).isHighSurrogate() &&
                    groupSeparator.at(1).isLowSurrogate();
  return groupSeparator.left(pair ? 2 : 1);
}

}  // namespace vorneth::platform
