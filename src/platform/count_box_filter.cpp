#include "platform/count_box_filter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>

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

// How long the note of a refused key stays under the box.
constexpr int kRefusalShownMs = 2500;

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

void CountBoxFilter::refuse(QLineEdit* box, const QString& why) {
  beep_();
  QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box, {}, kRefusalShownMs);
}

bool CountBoxFilter::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr) {
    return false;
  }
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto& key = *static_cast<QKeyEvent*>(event);
      if (isPassingKey(key.key()) || !typesText(key)) {
        return false;
      }
      for (const QChar c : key.text()) {
        if (!isAsciiDigit(c)) {
          refuse(box, QStringLiteral("Only the digits 0 to 9"));
          return true;  // discarded: the box does not change
        }
      }
      if (box->text().size() - box->selectedText().size() + key.text().size() > box->maxLength()) {
        refuse(box, QStringLiteral("At most %1 digits").arg(box->maxLength()));
        return true;
      }
      return false;
    }
    case QEvent::FocusIn: {
      // A press of the mouse places the cursor after the focus came: the click is let finish.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::MouseFocusReason) {
        clickedInto_ = box;
      } else if (reason != Qt::PopupFocusReason) {
        box->selectAll();
      }
      return false;
    }
    case QEvent::MouseButtonRelease:
      // A drag that selected some digits keeps its selection.
      if (box == clickedInto_ && !box->hasSelectedText()) {
        box->selectAll();
      }
      clickedInto_ = nullptr;
      return false;
    case QEvent::FocusOut:
      clickedInto_ = nullptr;
      if (trimmedOfBlanksAndControls(box->text()).isEmpty()) {
        box->setText(QStringLiteral("0"));
      }
      return false;
    default:
      return false;
  }
}

}  // namespace vorneth::platform
