#include "platform/count_box_filter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace vorneth::platform {

namespace {

bool isBlankOrControl(QChar c) {
  return c.isSpace() || c.category() == QChar::Other_Control;
}

QString trimmedOfBlanksAndControls(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && isBlankOrControl(text.at(first))) {
    ++first;
  }
  while (last > first && isBlankOrControl(text.at(last - 1))) {
    --last;
  }
  return text.mid(first, last - first);
}

// Keys that pass the filter whatever text they carry: editing with backspace, Enter (which
// reaches the form and presses its default button) and focus movement.
bool isPassingKey(int key) {
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    default:
      return false;
  }
}

// True for a key event that types characters into the box (not a shortcut such as Ctrl+V,
// not a cursor or function key, which carry no printable text).
bool typesText(const QKeyEvent& key) {
  const QString text = key.text();
  if (text.isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
    return false;
  }
  for (const QChar c : text) {
    if (c.category() != QChar::Other_Control) {
      return true;
    }
  }
  return false;
}

}  // namespace

QValidator::State DigitsOnlyValidator::validate(QString& input, int& pos) const {
  QString digits;
  digits.reserve(input.size());
  int cursor = pos;
  for (qsizetype i = 0; i < input.size(); ++i) {
    if (CountBoxFilter::isAsciiDigit(input.at(i))) {
      digits.append(input.at(i));
    } else if (i < pos) {
      --cursor;
    }
  }
  input = digits;
  pos = cursor;
  return Acceptable;
}

CountBoxFilter::CountBoxFilter(QObject* parent)
    : QObject(parent), beep_([] { QApplication::beep(); }) {}

void CountBoxFilter::attach(QLineEdit* box) {
  box->setValidator(&validator_);
  box->installEventFilter(this);
}

bool CountBoxFilter::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr) {
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (isPassingKey(key.key()) || !typesText(key)) {
      return false;
    }
    for (const QChar c : key.text()) {
      if (!isAsciiDigit(c)) {
        beep_();
        return true;  // discarded: the box does not change
      }
    }
    return false;
  }
  if (event->type() == QEvent::FocusOut && trimmedOfBlanksAndControls(box->text()).isEmpty()) {
    box->setText(QStringLiteral("0"));
  }
  return false;
}

}  // namespace vorneth::platform
