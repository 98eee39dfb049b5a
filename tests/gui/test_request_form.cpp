// The request form's count boxes, "In Lair", the request it hands to the assembly, and its
// keyboard: digits only with a beep for anything else, "0" for an emptied box, Enter generates.
#include <QCheckBox>
#include <QClipboard>
#include <QListView>
#include <QMenu>
#include <QStyle>
#include <QToolTip>
#include <QtTest>

#include "gui_test_support.h"
#include "platform/count_box_filter.h"
#include "platform/form_font.h"

namespace {

const char* const kCountBoxes[] = {
    "edTypeA", "edTypeB", "edTypeC",     "edTypeD",    "edTypeE",     "edTypeF",
    "edTypeG", "edTypeH", "edTypeI",     "edTypeJ",    "edTypeK",     "edTypeL",
    "edTypeM", "edTypeN", "edTypeO",     "edTypeP",    "edTypeQ",     "edTypeR",
    "edTypeS", "edTypeT", "edTypeU",     "edTypeV",    "edTypeW",     "edTypeX",
    "edTypeY", "edTypeZ", "edCustCoins", "edCustGems", "edCustMagic", "edCustJewelry"};

}  // namespace

class RequestFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Forms> forms_;
  int beeps_ = 0;

  void showForm() {
    forms_->intro.show();
    QVERIFY(QTest::qWaitForWindowExposed(&forms_->intro));
    forms_->intro.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&forms_->intro));
  }

 private slots:
  void init() {
    forms_ = std::make_unique<Forms>();
    beeps_ = 0;
    forms_->intro.countBoxFilter().setBeep([this] { ++beeps_; });
    showForm();
  }
  void cleanup() { forms_.reset(); }

  void creatingTheFormSeedsFromTheSeedField() { QCOMPARE(forms_->random.Seed(), 14737260u); }

  void everyCountBoxRefusesLettersWithABeep() {
    for (const char* name : kCountBoxes) {
      QLineEdit* box = forms_->box(name);
      QVERIFY2(box != nullptr, name);
      QTest::keyClick(box, Qt::Key_A, Qt::NoModifier);
      QTest::keyClicks(box, QStringLiteral(" -."));
      QCOMPARE(box->text(), QStringLiteral("0"));
    }
    QCOMPARE(beeps_, 4 * static_cast<int>(std::size(kCountBoxes)));
  }

  void digitsBackspaceAndTheTwoCharacterLimit() {
    QLineEdit* c = forms_->box("edTypeC");
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Backspace);
    QCOMPARE(c->text(), QString());
    QTest::keyClicks(c, QStringLiteral("735"));
    QCOMPARE(c->text(), QStringLiteral("73"));  // a type box holds two digits: the 5 is refused
    QCOMPARE(beeps_, 1);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("At most 2 digits"));
    QTest::keyClick(c, Qt::Key_Backspace);
    QTest::keyClicks(c, QStringLiteral("9"));
    QCOMPARE(c->text(), QStringLiteral("79"));
    QCOMPARE(beeps_, 1);

    QLineEdit* coins = forms_->box("edCustCoins");
    coins->selectAll();
    QTest::keyClicks(coins, QStringLiteral("1234567890"));
    QCOMPARE(coins->text(), QStringLiteral("12345678"));
  }

  // Whatever way a box is entered, its content is selected: the digits typed next replace it.
  void enteringABoxByAnyMeansSelectsItsContent() {
    QLineEdit* a = forms_->box("edTypeA");
    QCOMPARE(QApplication::focusWidget(), a);  // the first focus, at start
    QTest::keyClicks(a, QStringLiteral("12"));
    QCOMPARE(a->text(), QStringLiteral("12"));

    QTest::keyClick(a, Qt::Key_Tab);  // to B
    QLineEdit* b = forms_->box("edTypeB");
    QCOMPARE(b->selectedText(), QStringLiteral("0"));

    QLineEdit* gems = forms_->box("edCustGems");
    gems->setText(QStringLiteral("40"));
    QTest::mouseClick(gems, Qt::LeftButton, {}, QPoint(gems->width() - 4, gems->height() / 2));
    QVERIFY(gems->hasFocus());
    QCOMPARE(gems->selectedText(), QStringLiteral("40"));
    QTest::keyClicks(gems, QStringLiteral("7"));
    QCOMPARE(gems->text(), QStringLiteral("7"));
    QTest::mouseClick(gems, Qt::LeftButton);  // a click in the box it is in places the cursor
    QVERIFY(!gems->hasSelectedText());
    QCOMPARE(beeps_, 0);

    QTest::keyClick(gems, Qt::Key_Minus);
    QCOMPARE(beeps_, 1);
    QCOMPARE(QToolTip::text(), QStringLiteral("Only the digits 0 to 9"));
  }

  void pastedOrInsertedTextIsKeptToDigits() {
    QLineEdit* gems = forms_->box("edCustGems");
    gems->selectAll();
    gems->insert(QStringLiteral("1\u0663 2"));  // an Arabic-Indic digit is no digit here
    QCOMPARE(gems->text(), QStringLiteral("12"));

    QGuiApplication::clipboard()->setText(QStringLiteral("x9y"));
    QLineEdit* magic = forms_->box("edCustMagic");
    magic->setFocus();
    magic->selectAll();
    QTest::keyClick(magic, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(magic->text(), QStringLiteral("9"));
    QCOMPARE(beeps_, 0);  // a shortcut is not a typed character
  }

  void anEmptiedBoxHoldsZeroAgainOnLeaving() {
    QLineEdit* gems = forms_->box("edCustGems");
    gems->setFocus();
    gems->selectAll();
    QTest::keyClick(gems, Qt::Key_Backspace);
    QCOMPARE(gems->text(), QString());
    QTest::keyClick(gems, Qt::Key_Tab);
    QVERIFY(!gems->hasFocus());
    QCOMPARE(gems->text(), QStringLiteral("0"));

    QLineEdit* a = forms_->box("edTypeA");
    a->setFocus();
    a->selectAll();
    QTest::keyClicks(a, QStringLiteral("07"));
    QTest::keyClick(a, Qt::Key_Tab);
    QCOMPARE(a->text(), QStringLiteral("07"));  // leading zeros stay
  }

  void inLairOffClearsAndLocksTheLairBoxesOnAgainUnlocks() {
    forms_->box("edTypeA")->setText(QStringLiteral("5"));
    forms_->box("edTypeI")->setText(QStringLiteral("12"));
    forms_->box("edTypeJ")->setText(QStringLiteral("3"));
    auto* lair = forms_->intro.findChild<QCheckBox*>(QStringLiteral("chkLair"));
    QVERIFY(lair->isChecked());

    QTest::mouseClick(lair, Qt::LeftButton);
    QVERIFY(!lair->isChecked());
    for (char letter = 'A'; letter <= 'I'; ++letter) {
      const QByteArray name = QByteArray("edType") + letter;
      QLineEdit* box = forms_->box(name.constData());
      QVERIFY(!box->isEnabled());
      QCOMPARE(box->text(), QStringLiteral("0"));
    }
    QCOMPARE(forms_->box("edTypeJ")->text(), QStringLiteral("3"));
    QVERIFY(forms_->box("edTypeJ")->isEnabled());

    QTest::mouseClick(lair, Qt::LeftButton);
    QVERIFY(forms_->box("edTypeA")->isEnabled());
    QCOMPARE(forms_->box("edTypeA")->text(), QStringLiteral("0"));
  }

  void theRequestReadsTheBoxesAndCountsAnEmptyBoxAsZero() {
    forms_->box("edTypeB")->setText(QStringLiteral("42"));
    forms_->box("edTypeZ")->setText(QString());
    forms_->box("edCustCoins")->setText(QStringLiteral("99999999"));
    forms_->box("edCustJewelry")->setText(QStringLiteral("0012"));
    forms_->box("edTitle")->setText(QStringLiteral("  Tomb of the Lich \u00e9 "));
    const vorneth::HoardRequest request = forms_->intro.request();
    QCOMPARE(request.Count('B'), 42);
    QCOMPARE(request.Count('Z'), 0);
    QCOMPARE(request.CustCoins, 99999999LL);
    QCOMPARE(request.CustJewelry, 12);
    QCOMPARE(request.Title, std::string("  Tomb of the Lich \xc3\xa9 "));
    QCOMPARE(request.Seed, 14737260u);
  }

  void enterInAnyBoxPressesGenerateOnce() {
    for (const char* name : {"edTypeB", "edCustMagic", "edTitle"}) {
      ModalCloser closer;
      QLineEdit* box = forms_->box(name);
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Return);
      QCOMPARE(closer.count(), 1);
    }
    QCOMPARE(beeps_, 0);
  }

  void generateStaysTheDefaultButtonAfterAReportAndAFocusChange() {
    QPushButton* generate = forms_->introButton("ButGenerate");
    {
      ModalCloser closer;
      QTest::mouseClick(generate, Qt::LeftButton);  // takes the focus, shows the report
      QCOMPARE(closer.count(), 1);
    }
    forms_->introButton("butExit")->setFocus();
    QVERIFY(generate->isDefault());
    generate->setFocus();
    ModalCloser closer;
    QTest::keyClick(generate, Qt::Key_Return);  // Enter on the focused button still generates
    QCOMPARE(closer.count(), 1);
  }

  void theMenusUseTheFormsFont() {
    const QList<QMenu*> menus =
        forms_->intro.findChildren<QMenu*>() + forms_->report.findChildren<QMenu*>();
    QVERIFY(menus.size() >= 2);  // Help, File, and the menu bar's overflow menu
    for (const QMenu* menu : menus) {
      QVERIFY2(menu->font() == vorneth::platform::FormFont(), qPrintable(menu->objectName()));
    }
  }

  void theSeedBoxIsMaskedAndLocked() {
    QLineEdit* seed = forms_->box("edRandSeed");
    QCOMPARE(seed->text(), QStringLiteral("14737260"));
    QVERIFY(!seed->isEnabled());
    QVERIFY(seed->isReadOnly());
    QCOMPARE(seed->echoMode(), QLineEdit::Password);
    QCOMPARE(seed->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, seed),
             int{'#'});
    QVERIFY(!forms_->introButton("butReseed")->isEnabled());
  }

  // The request form and the about box have a fixed size and no maximise box; the report opens
  // at its own size and can be resized, its list growing with it.
  void theFormsSizesAndMaximiseBoxes() {
    for (QWidget* form :
         {static_cast<QWidget*>(&forms_->intro), static_cast<QWidget*>(&forms_->about)}) {
      form->show();
      QCOMPARE(form->minimumSize(), form->maximumSize());
      QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
      QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
      form->hide();
    }
    QCOMPARE(forms_->intro.centralWidget()->size(), QSize(369, 401));

    THordeScr& report = forms_->report;
    auto* list = report.findChild<QListView*>(QStringLiteral("TreasList"));
    QPushButton* exit = forms_->reportButton("butExit");
    for (int showing = 0; showing < 2; ++showing) {
      report.show();
      QVERIFY(report.windowFlags() & Qt::WindowMaximizeButtonHint);
      QCOMPARE(list->parentWidget()->size(), QSize(541, 454));
      QCOMPARE(list->geometry(), QRect(0, 0, 537, 393));
      QCOMPARE(exit->geometry(), QRect(448, 408, 83, 33));
      report.resize(report.size() + QSize(300, 200));
      QCoreApplication::processEvents();
      QCOMPARE(list->geometry(), QRect(0, 0, 837, 593));
      QCOMPARE(exit->geometry(), QRect(748, 608, 83, 33));
      report.hide();  // the next showing opens at the usual size again
    }
  }

  void tabOrderFollowsTheGroups() {
    auto next = [](QWidget* w) {
      do {
        w = w->nextInFocusChain();
      } while (!(w->focusPolicy() & Qt::TabFocus));
      return w;
    };
    QWidget* lair = forms_->intro.findChild<QCheckBox*>(QStringLiteral("chkLair"));
    QCOMPARE(next(forms_->box("edTypeI")), lair);
    QCOMPARE(next(lair), forms_->box("edTypeJ"));
    QCOMPARE(next(forms_->box("edTypeZ")), forms_->box("edCustCoins"));
    QCOMPARE(next(forms_->box("edCustMagic")), forms_->box("edCustJewelry"));
    QCOMPARE(next(forms_->box("edTitle")), forms_->introButton("ButGenerate"));
    QCOMPARE(next(forms_->introButton("ButGenerate")), forms_->introButton("butExit"));
  }
};

QTEST_MAIN(RequestFormTest)
#include "test_request_form.moc"
