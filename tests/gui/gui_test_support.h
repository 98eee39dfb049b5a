#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/program.h"

// The program's forms as the program builds them, with look-ups by control name.
struct Forms : vorneth::app::Program {
  using Program::Program;

  QLineEdit* box(const char* name) {
    return intro.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QPushButton* introButton(const char* name) {
    return intro.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  QPushButton* reportButton(const char* name) {
    return report.findChild<QPushButton*>(QString::fromLatin1(name));
  }
};

// Answers modal windows while it lives: each one that comes up is counted, handed to `inspect`
// and closed, so a test can press "Generate" or "About" without blocking.
class ModalCloser {
 public:
  explicit ModalCloser(std::function<void(QWidget*)> inspect = {}) : inspect_(std::move(inspect)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++count_;
        if (inspect_) {
          inspect_(modal);
        }
        modal->close();
      }
    });
    timer_.start(5);
  }
  int count() const { return count_; }

 private:
  std::function<void(QWidget*)> inspect_;
  QTimer timer_;
  int count_ = 0;
};
