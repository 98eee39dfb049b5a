// "Generate" and the report form: the hoard is the same on every press, the list buttons switch
// between the stored lists, the caption follows the title, and amounts use the desktop's
// thousands separator, re-read when the desktop announces a change.
#include <QCoreApplication>
#include <QtTest>

#include "gui_test_support.h"
#include "platform/thousands_separator.h"

namespace {

QStringList toQt(const THordeScr::Lines& lines) {
  QStringList out;
  for (const std::string_view line : lines) {
    out.append(QString::fromUtf8(line));
  }
  return out;
}

}  // namespace

class ReportFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Forms> forms_;

  // Presses "Generate" and closes the report form once it is up; returns the caption shown.
  QString generate() {
    QString caption;
    ModalCloser closer([&caption](QWidget* modal) { caption = modal->windowTitle(); });
    forms_->introButton("ButGenerate")->click();
    [&] { QCOMPARE(closer.count(), 1); }();
    return caption;
  }

 private slots:
  void init() {
    forms_ = std::make_unique<Forms>();
    forms_->intro.show();
  }
  void cleanup() { forms_.reset(); }

  void theWorkedExamplesFromTheSeedField() {
    forms_->box("edCustJewelry")->setText(QStringLiteral("2"));
    generate();
    QCOMPARE(forms_->report.visibleLines(),
             QStringList{QStringLiteral("2 Jewelry Items (Wrought Gold 3,114 gp)")});

    forms_->box("edCustJewelry")->setText(QStringLiteral("0"));
    forms_->box("edTypeJ")->setText(QStringLiteral("3"));
    generate();
    QCOMPARE(forms_->report.visibleLines(),
             (QStringList{QStringLiteral("9 Copper coins"), QStringLiteral("20 Copper coins"),
                          QStringLiteral("4 Copper coins")}));
  }

  void twoPressesGiveTheSameHoard() {
    forms_->box("edTypeA")->setText(QStringLiteral("3"));
    forms_->box("edTypeH")->setText(QStringLiteral("2"));
    forms_->box("edCustMagic")->setText(QStringLiteral("10"));
    generate();
    const THordeScr::Lines dms = forms_->report.dmLines();
    const THordeScr::Lines players = forms_->report.playerLines();
    QVERIFY(dms.size() > 10);
    QVERIFY(forms_->report.dmListShown());
    QCOMPARE(forms_->report.visibleLines(), toQt(dms));

    forms_->reportButton("butPlayer")->click();  // leave the form in the players view
    generate();
    QVERIFY(forms_->report.dmLines() == dms);
    QVERIFY(forms_->report.playerLines() == players);
    QVERIFY(forms_->report.dmListShown());
    QCOMPARE(forms_->report.visibleLines(), toQt(dms));
  }

  void theListButtonsShowTheStoredLists() {
    QVERIFY(!forms_->report.dmListShown());  // before the first generation
    forms_->box("edTypeE")->setText(QStringLiteral("4"));
    generate();
    const QStringList dms = toQt(forms_->report.dmLines());
    const QStringList players = toQt(forms_->report.playerLines());
    QVERIFY(dms != players);

    forms_->reportButton("butPlayer")->click();
    QVERIFY(!forms_->report.dmListShown());
    QCOMPARE(forms_->report.visibleLines(), players);
    forms_->reportButton("butPlayer")->click();
    QCOMPARE(forms_->report.visibleLines(), players);
    forms_->reportButton("butDM")->click();
    QVERIFY(forms_->report.dmListShown());
    QCOMPARE(forms_->report.visibleLines(), dms);
    QCOMPARE(toQt(forms_->report.dmLines()), dms);  // switching never changes the stored lists
    QCOMPARE(toQt(forms_->report.playerLines()), players);
  }

  void anEmptyHoardIsNothingFoundInBothViews() {
    generate();
    const QStringList nothing{QStringLiteral("Nothing Found")};
    QCOMPARE(forms_->report.visibleLines(), nothing);
    forms_->reportButton("butPlayer")->click();
    QCOMPARE(forms_->report.visibleLines(), nothing);
    forms_->reportButton("butDM")->click();
    QCOMPARE(forms_->report.visibleLines(), nothing);
  }

  void theCaptionFollowsTheTitle() {
    QLineEdit* title = forms_->box("edTitle");
    title->setText(QStringLiteral("Dragon's Lair"));
    QCOMPARE(generate(), QStringLiteral("Vorneth - Dragon's Lair"));
    title->setText(QStringLiteral(" \t "));
    QCOMPARE(generate(), QStringLiteral("Vorneth"));  // never an earlier hoard's title
    title->setText(QStringLiteral("  Crypt "));
    QCOMPARE(generate(), QStringLiteral("Vorneth -   Crypt "));
  }

  void amountsUseTheDesktopSeparatorReadAgainOnLocaleChange() {
    QLocale locale(QLocale::English, QLocale::UnitedStates);
    forms_ = std::make_unique<Forms>(
        vorneth::platform::ThousandsSeparator([&locale] { return locale; }));
    forms_->intro.show();
    THordeScr& report = forms_->report;
    forms_->box("edCustCoins")->setText(QStringLiteral("1234567"));

    generate();
    QCOMPARE(report.visibleLines(), QStringList{QStringLiteral("1,234,567 Gold coins")});

    locale = QLocale(QLocale::German, QLocale::Germany);
    generate();  // no announcement yet: the separator read before still holds
    QCOMPARE(report.visibleLines(), QStringList{QStringLiteral("1,234,567 Gold coins")});

    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    generate();
    QCOMPARE(report.visibleLines(), QStringList{QStringLiteral("1.234.567 Gold coins")});

    locale = QLocale(QLocale::French, QLocale::France);
    QCoreApplication::sendEvent(&report, &change);
    QCOMPARE(QString::fromStdString(report.thousandsSeparator()), QStringLiteral("\u202f"));
    forms_.reset();  // its separator reads `locale`
  }

  void theSeparatorIsTheFirstCharacterOrAComma() {
    using vorneth::platform::ThousandsSeparator;
    QCOMPARE(ThousandsSeparator::firstCharacter(QString()), QStringLiteral(","));
    QCOMPARE(ThousandsSeparator::firstCharacter(QStringLiteral("'.")), QStringLiteral("'"));
    const QString astral = QStringLiteral("\U0001F4B0x");
    QCOMPARE(ThousandsSeparator::firstCharacter(astral), astral.left(2));
  }
};

QTEST_MAIN(ReportFormTest)
#include "test_report_form.moc"
