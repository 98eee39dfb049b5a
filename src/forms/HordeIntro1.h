#pragma once

#include <QMainWindow>
#include <array>

#include "core/hoard_request.h"
#include "core/random_source.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QPushButton;
class THordeScr;
class THordeSplash;

namespace vorneth::platform {
class CountBoxFilter;
class HelpWindow;
}  // namespace vorneth::platform

// The request form, the program's main window: what the monsters hold, and "Generate".
class THordeIntro : public QMainWindow {
  Q_OBJECT

 public:
  // Creating the form seeds `random` (FormCreate); the form keeps using it for every generation.
  explicit THordeIntro(vorneth::RandomSource& random, QWidget* parent = nullptr);
  ~THordeIntro() override;

  // The report form "Generate" shows and the about box "About" shows.
  void setForms(THordeScr* report, THordeSplash* about);

  // The request as the controls hold it now. An empty count box counts as 0.
  vorneth::HoardRequest request() const;

  vorneth::platform::CountBoxFilter& countBoxFilter() { return *countFilter_; }
  vorneth::platform::HelpWindow* helpWindow() const { return help_; }

 public slots:
  void chkLairClick();
  void ButGenerateClick();
  void butExitClick();
  void Help2Click();
  void About1Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* client_ = nullptr;
  QScrollArea* scroll_ = nullptr;  // only on a screen too small for the form

  void FormCreate();
  QLineEdit* countBox(QWidget* parent, const QString& name, int left, int top, int width,
                      int maxLength);
  void buildLairGroup(QWidget* client);
  void buildIndividualGroup(QWidget* client);
  void buildCustomGroup(QWidget* client);
  void buildFormControls(QWidget* client);
  void buildMenu();
  void setTabOrderChain();
  std::uint32_t seedFieldValue() const;

  vorneth::RandomSource& random_;
  THordeScr* report_ = nullptr;
  THordeSplash* about_ = nullptr;
  vorneth::platform::HelpWindow* help_ = nullptr;
  vorneth::platform::CountBoxFilter* countFilter_;

  std::array<QLineEdit*, 26> edType{};  // edTypeA ... edTypeZ
  QCheckBox* chkLair = nullptr;
  QLineEdit* edCustCoins = nullptr;
  QLineEdit* edCustGems = nullptr;
  QLineEdit* edCustMagic = nullptr;
  QLineEdit* edCustJewelry = nullptr;
  QLineEdit* edTitle = nullptr;
  QLineEdit* edRandSeed = nullptr;
  QPushButton* butReseed = nullptr;
  QPushButton* ButGenerate = nullptr;
  QPushButton* butExit = nullptr;
};
