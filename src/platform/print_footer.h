#pragma once

#include <QChar>
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace vorneth::platform {

// The owner notice that opens the footer of every printout.
inline constexpr char kOwnerNotice[] = "Printed by Vorneth, the Random Hoard Generator";

struct DateTimeSeparators {
  QChar date = u'/';
  QChar time = u':';
};

// The user's date and time separators: the first punctuation in the locale's short date and
// short time formats ("/" and ":" where the format has none).
DateTimeSeparators SeparatorsOf(const QLocale& locale);

// "m/d/yy  h:nn": month and day without leading zeros, two-digit year, two blanks, hour 0 to 23
// without a leading zero and minutes with two digits, with the given separators.
QString FooterDateTimeText(const QDateTime& local, DateTimeSeparators separators);

// The whole footer: owner notice, two blanks, date and time.
QString FooterText(const QDateTime& local, DateTimeSeparators separators);

}  // namespace vorneth::platform
