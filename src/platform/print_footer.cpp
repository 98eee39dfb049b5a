#include "platform/print_footer.h"

namespace vorneth::platform {

namespace {

// The first character of a date or time format that is neither a field letter, a quote nor a
// blank: "dd.MM.yy" gives ".", "HH:mm" gives ":".
QChar FirstSeparator(const QString& format, QChar fallback) {
  for (const QChar c : format) {
    if (!c.isLetter() && c != u'\'' && !c.isSpace()) {
      return c;
    }
  }
  return fallback;
}

}  // namespace

DateTimeSeparators SeparatorsOf(const QLocale& locale) {
  return {FirstSeparator(locale.dateFormat(QLocale::ShortFormat), u'/'),
          FirstSeparator(locale.timeFormat(QLocale::ShortFormat), u':')};
}

QString FooterDateTimeText(const QDateTime& local, DateTimeSeparators separators) {
  const QDate date = local.date();
  const QTime time = local.time();
  return QStringLiteral("%1%2%3%2%4  %5%6%7")
      .arg(date.month())
      .arg(separators.date)
      .arg(date.day())
      .arg(date.year() % 100, 2, 10, QChar(u'0'))
      .arg(time.hour())
      .arg(separators.time)
      .arg(time.minute(), 2, 10, QChar(u'0'));
}

QString FooterText(const QDateTime& local, DateTimeSeparators separators) {
  return QString::fromUtf8(kOwnerNotice) + QStringLiteral("  ") +
         FooterDateTimeText(local, separators);
}

}  // namespace vorneth::platform
