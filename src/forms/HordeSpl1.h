#pragma once

#include <QDialog>

class QPushButton;

// The about box: the logo, the program's line and version, and "OK".
class THordeSplash : public QDialog {
  Q_OBJECT

 public:
  explicit THordeSplash(QWidget* parent = nullptr);

 public slots:
  void Button1Click();

 protected:
  // A palette changed to dark or light gives the titles their colour for it.
  void changeEvent(QEvent* event) override;

 private:
  QPushButton* Button1;
};
