#pragma once

#include <QObject>
#include <QValidator>
#include <functional>

class QLineEdit;

namespace vorneth::platform {

// Keeps text that reaches a count box other than by typing (paste, drop, input method) to the
// ASCII digits 0 to 9: every other character is dropped, the cursor stays where it was.
class DigitsOnlyValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// The behaviour shared by the thirty count boxes of the request form, installed on each:
// - a typed character other than a digit, backspace or Enter is discarded with a beep, and so is
//   a digit typed into a full box; a note under the box says why, as a beep is often not heard;
// - entering a box by any means (the first focus, Tab, a click) selects its content, so the
//   digits typed next replace the "0" instead of joining it;
// - a box left empty (after trimming blanks and control characters) holds "0" again as soon as
//   it loses the focus; a box holding digits is left as it is, leading zeros included.
class CountBoxFilter : public QObject {
  Q_OBJECT

 public:
  explicit CountBoxFilter(QObject* parent = nullptr);

  // Installs the filter and the digits-only validator on `box`.
  void attach(QLineEdit* box);

  // The beep; tests replace it to count the beeps.
  void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

  static bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Discards a typed key: the beep, and `why` under the box.
  void refuse(QLineEdit* box, const QString& why);

  std::function<void()> beep_;
  DigitsOnlyValidator validator_;
  QLineEdit* clickedInto_ = nullptr;  // entered by a press of the mouse not yet released
};

}  // namespace vorneth::platform
