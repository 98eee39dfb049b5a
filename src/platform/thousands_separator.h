#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <string>

namespace vorneth::platform {

// The desktop's thousands separator as the engine wants it: one character (UTF-8 encoded),
// "," when the setting is empty. Read once when constructed and again on refresh(), which the
// report form calls whenever the desktop announces a change of its regional settings.
class ThousandsSeparator {
 public:
  using LocaleSource = std::function<QLocale()>;

  // The default source is the system locale; tests hand in a locale of their choosing.
  explicit ThousandsSeparator(LocaleSource source = {});

  void refresh();
  const std::string& utf8() const { return separator_; }

  // The first character of `groupSeparator` (a surrogate pair counts as one), "," if empty.
  static QString firstCharacter(const QString& groupSeparator);

 private:
  LocaleSource source_;
  std::string separator_;
};

}  // namespace vorneth::platform
