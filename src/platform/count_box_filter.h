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
// - a typed character other than a digit, backspace or Enter is discarded with a beep;
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
  std::function<void()> beep_;
  DigitsOnlyValidator validator_;
};

}  // namespace vorneth::platform
