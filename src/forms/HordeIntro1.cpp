#include "forms/HordeIntro1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <initializer_list>

#include "forms/HordeScr1.h"
#include "forms/HordeSpl1.h"
#include "platform/count_box_filter.h"
#include "platform/form_font.h"
#include "platform/form_keys.h"
#include "platform/hash_mask_style.h"
#include "platform/help_window.h"
#include "platform/screen_fit.h"

namespace {

// The six columns of type boxes shared by both treasure groups, and their rows.
constexpr std::array<int, 6> kTypeColumns = {40, 96, 152, 208, 264, 320};
constexpr std::array<int, 3> kTypeRows = {20, 52, 84};
constexpr int kBoxHeight = 21;

QLabel* label(const QString& text, QWidget* parent, int left, int top) {
  auto* l = new QLabel(text, parent);
  l->move(left, top);
  l->adjustSize();
  return l;
}

// A type box's label, right-aligned so that it ends just before the box.
void typeBoxLabel(const QString& text, QWidget* parent, int boxLeft, int boxTop) {
  QLabel* l = label(text, parent, 0, boxTop + 4);
  l->setAlignment(Qt::AlignRight | Qt::AlignTop);
  l->setGeometry(boxLeft - 29, boxTop + 4, 26, l->height());
}

QGroupBox* group(const QString& title, const char* name, QWidget* parent, QRect geometry) {
  auto* g = new QGroupBox(title, parent);
  g->setObjectName(QString::fromLatin1(name));
  g->setGeometry(geometry);
  return g;
}

// The width a count box needs to show its longest value whole at the form's font: the digits,
// the cursor after them, and what the style keeps for the frame and the text's margins.
int WidthForDigits(QLineEdit* box, int width) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.rect = QRect(0, 0, width, kBoxHeight);
  option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
  const int contents =
      box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width();
  constexpr int kInnerMargins = 2 * 2 + 1;  // a line edit's own margins and its cursor
  const int digits = box->fontMetrics().horizontalAdvance(QString(box->maxLength(), u'9'));
  return std::max(width, width - contents + kInnerMargins + digits);
}

// The controls of one row of the "Custom Treasures" group, left to right at their places: a
// box that needs more room than its place gives grows, and what stands right of it moves on by
// as much. Returns the right edge of the row.
int LayOutRow(std::initializer_list<QWidget*> row) {
  int shift = 0;
  int right = 0;
  for (QWidget* w : row) {
    w->move(w->x() + shift, w->y());
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
      const int needed = WidthForDigits(box, box->width());
      shift += needed - box->width();
      box->resize(needed, box->height());
    }
    right = std::max(right, w->geometry().right() + 1);
  }
  return right;
}

QString typeLabel(char letter) {
  // The label of B carries two spaces.
  return letter == 'B' ? QStringLiteral("B  x") : QStringLiteral("%1 x").arg(QChar(letter));
}

long long countOf(const QLineEdit* box) {
  return box->text().toLongLong();
}

}  // namespace

THordeIntro::THordeIntro(vorneth::RandomSource& random, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      random_(random),
      countFilter_(new vorneth::platform::CountBoxFilter(this)) {
  setObjectName(QStringLiteral("HordeIntro"));
  setWindowTitle(QStringLiteral("Vorneth"));
  setFont(vorneth::platform::FormFont());

  auto* client = new QWidget(this);
  client->setFixedSize(369, 401);
  setCentralWidget(client);
  client_ = client;
  buildLairGroup(client);
  buildIndividualGroup(client);
  buildCustomGroup(client);
  buildFormControls(client);
  buildMenu();
  setTabOrderChain();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(62, 29);

  FormCreate();
}

THordeIntro::~THordeIntro() = default;

void THordeIntro::setForms(THordeScr* report, THordeSplash* about) {
  report_ = report;
  about_ = about;
  if (report_ != nullptr) {
    connect(report_, &THordeScr::helpRequested, this, &THordeIntro::Help2Click);
  }
}

QLineEdit* THordeIntro::countBox(QWidget* parent, const QString& name, int left, int top, int width,
                                 int maxLength) {
  auto* box = new QLineEdit(QStringLiteral("0"), parent);
  box->setObjectName(name);
  box->setGeometry(left, top, width, kBoxHeight);
  box->setMaxLength(maxLength);
  countFilter_->attach(box);
  return box;
}

void THordeIntro::buildLairGroup(QWidget* client) {
  QGroupBox* lair = group(QStringLiteral("Lair Treasures"), "GroupBox1", client, {4, 4, 361, 89});
  for (std::size_t i = 0; i < vorneth::kLairTypes; ++i) {
    const char letter = static_cast<char>('A' + i);
    const int left = kTypeColumns[i % 6];
    const int top = kTypeRows[i / 6];
    typeBoxLabel(typeLabel(letter), lair, left, top);
    edType[i] = countBox(lair, QStringLiteral("edType%1").arg(QChar(letter)), left, top, 25,
                         vorneth::DigitCount(vorneth::kMaxTypeCount));
  }
  chkLair = new QCheckBox(QStringLiteral("In Lair"), lair);
  chkLair->setObjectName(QStringLiteral("chkLair"));
  chkLair->setChecked(true);
  chkLair->move(264, 56);
  chkLair->adjustSize();
  connect(chkLair, &QCheckBox::clicked, this, &THordeIntro::chkLairClick);
}

void THordeIntro::buildIndividualGroup(QWidget* client) {
  QGroupBox* individual =
      group(QStringLiteral("Individual Treasures"), "GroupBox2", client, {4, 94, 361, 121});
  for (std::size_t i = vorneth::kLairTypes; i < 26; ++i) {
    const char letter = static_cast<char>('A' + i);
    const int left = kTypeColumns[(i - vorneth::kLairTypes) % 6];
    const int top = kTypeRows[(i - vorneth::kLairTypes) / 6];
    typeBoxLabel(typeLabel(letter), individual, left, top);
    edType[i] = countBox(individual, QStringLiteral("edType%1").arg(QChar(letter)), left, top, 25,
                         vorneth::DigitCount(vorneth::kMaxTypeCount));
  }
}

void THordeIntro::buildCustomGroup(QWidget* client) {
  QGroupBox* custom =
      group(QStringLiteral("Custom Treasures"), "GroupBox3", client, {4, 216, 245, 89});
  QLabel* coins = label(QStringLiteral("GP in coins"), custom, 16, 24);
  edCustCoins = countBox(custom, QStringLiteral("edCustCoins"), 92, 20, 57,
                         vorneth::DigitCount(vorneth::kMaxCustCoins));
  QLabel* gems = label(QStringLiteral("Gems"), custom, 152, 24);
  edCustGems = countBox(custom, QStringLiteral("edCustGems"), 200, 20, 39,
                        vorneth::DigitCount(vorneth::kMaxCustGems));
  QLabel* magic = label(QStringLiteral("Magic Items"), custom, 16, 56);
  edCustMagic = countBox(custom, QStringLiteral("edCustMagic"), 92, 52, 37,
                         vorneth::DigitCount(vorneth::kMaxCustMagic));
  QLabel* jewelry = label(QStringLiteral("Jewelry"), custom, 152, 56);
  edCustJewelry = countBox(custom, QStringLiteral("edCustJewelry"), 202, 52, 39,
                           vorneth::DigitCount(vorneth::kMaxCustJewelry));
  // The form's places where the digits fit in them; the group widens where they do not.
  constexpr int kRightMargin = 4;
  const int right = std::max(LayOutRow({coins, edCustCoins, gems, edCustGems}),
                             LayOutRow({magic, edCustMagic, jewelry, edCustJewelry}));
  custom->resize(std::max(custom->width(), right + kRightMargin), custom->height());
}

void THordeIntro::buildFormControls(QWidget* client) {
  label(QStringLiteral("Horde Title/Location"), client, 8, 312);
  edTitle = new QLineEdit(client);
  edTitle->setObjectName(QStringLiteral("edTitle"));
  edTitle->setGeometry(8, 328, 353, kBoxHeight);
  edTitle->installEventFilter(this);

  label(QStringLiteral("Random Seed"), client, 264, 224)->setEnabled(false);
  edRandSeed = new QLineEdit(QString::number(vorneth::kDefaultSeed), client);
  edRandSeed->setObjectName(QStringLiteral("edRandSeed"));
  edRandSeed->setGeometry(264, 240, 89, kBoxHeight);
  edRandSeed->setMaxLength(vorneth::DigitCount(vorneth::kDefaultSeed));
  edRandSeed->setEchoMode(QLineEdit::Password);
  auto* mask = new vorneth::platform::HashMaskStyle;  // a widget does not own its style
  mask->setParent(edRandSeed);
  edRandSeed->setStyle(mask);
  edRandSeed->setReadOnly(true);
  edRandSeed->setEnabled(false);

  butReseed = new QPushButton(QStringLiteral("Reseed"), client);
  butReseed->setObjectName(QStringLiteral("butReseed"));
  butReseed->setGeometry(272, 272, 75, 25);
  butReseed->setEnabled(false);

  ButGenerate = new QPushButton(QStringLiteral("Generate"), client);
  ButGenerate->setObjectName(QStringLiteral("ButGenerate"));
  ButGenerate->setGeometry(200, 360, 75, 33);
  ButGenerate->setDefault(true);
  connect(ButGenerate, &QPushButton::clicked, this, &THordeIntro::ButGenerateClick);

  butExit = new QPushButton(QStringLiteral("Exit"), client);
  butExit->setObjectName(QStringLiteral("butExit"));
  butExit->setGeometry(284, 360, 75, 33);
  connect(butExit, &QPushButton::clicked, this, &THordeIntro::butExitClick);

  // A focused button answers Enter itself; Enter anywhere else reaches keyPressEvent. Outside a
  // dialog an auto-default button drops its default frame for good when it loses the focus, so
  // "Generate" stays a plain default button and keeps its frame.
  for (QPushButton* b : {butReseed, butExit}) {
    b->setAutoDefault(true);
  }
}

void THordeIntro::buildMenu() {
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  help->setFont(
      vorneth::platform::FormFont());  // a menu is a window of its own: no font is inherited
  QAction* helpItem = help->addAction(QStringLiteral("&Help"));
  helpItem->setObjectName(QStringLiteral("Help2"));
  helpItem->setShortcut(vorneth::platform::HelpKey());
  connect(helpItem, &QAction::triggered, this, &THordeIntro::Help2Click);
  QAction* aboutItem = help->addAction(QStringLiteral("&About"));
  aboutItem->setObjectName(QStringLiteral("About1"));
  connect(aboutItem, &QAction::triggered, this, &THordeIntro::About1Click);
  // Ctrl+Q ends the program as "Exit" does: bound by its keys, since a platform theme may have
  // no standard Quit key.
  auto* quit = new QAction(QStringLiteral("Quit"), this);
  quit->setShortcut(vorneth::platform::QuitKey());
  connect(quit, &QAction::triggered, this, &THordeIntro::butExitClick);
  addAction(quit);
}

void THordeIntro::setTabOrderChain() {
  QList<QWidget*> chain;
  for (std::size_t i = 0; i < vorneth::kLairTypes; ++i) {
    chain.append(edType[i]);
  }
  chain.append(chkLair);
  for (std::size_t i = vorneth::kLairTypes; i < 26; ++i) {
    chain.append(edType[i]);
  }
  chain << edCustCoins << edCustGems << edCustMagic << edCustJewelry << edTitle << ButGenerate
        << butExit << butReseed << edRandSeed;
  for (qsizetype i = 1; i < chain.size(); ++i) {
    setTabOrder(chain[i - 1], chain[i]);
  }
  edType[0]->setFocus();
}

void THordeIntro::FormCreate() {
  // Every start seeds from the time of day and then at once from the seed box, in that order:
  // the box always holds the default seed, so the clock's seed never survives and every run
  // rolls the same hoards for the same request.
  const int msecs = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
  random_.SeedFromClock(static_cast<std::uint32_t>(msecs));
  random_.SetSeed(seedFieldValue());
}

std::uint32_t THordeIntro::seedFieldValue() const {
  return edRandSeed->text().toUInt();
}

vorneth::HoardRequest THordeIntro::request() const {
  vorneth::HoardRequest request;
  for (std::size_t i = 0; i < edType.size(); ++i) {
    request.TypeCount[i] = static_cast<int>(countOf(edType[i]));
  }
  request.InLair = chkLair->isChecked();
  request.CustCoins = countOf(edCustCoins);
  request.CustGems = static_cast<int>(countOf(edCustGems));
  request.CustJewelry = static_cast<int>(countOf(edCustJewelry));
  request.CustMagic = static_cast<int>(countOf(edCustMagic));
  request.Title = edTitle->text().toStdString();
  request.Seed = seedFieldValue();
  return request;
}

void THordeIntro::chkLairClick() {
  const bool inLair = chkLair->isChecked();
  for (std::size_t i = 0; i < vorneth::kLairTypes; ++i) {
    edType[i]->setEnabled(inLair);
    if (!inLair) {
      edType[i]->setText(QStringLiteral("0"));
    }
  }
}

void THordeIntro::ButGenerateClick() {
  // The request is read once; the seed is set from it before the report form is shown, and the
  // report form generates from the kept request when it shows.
  vorneth::HoardRequest hoardRequest = request();
  random_.SetSeed(hoardRequest.Seed);
  if (report_ != nullptr) {
    report_->setRequest(std::move(hoardRequest));
    report_->exec();
  }
}

void THordeIntro::butExitClick() {
  QApplication::quit();
}

void THordeIntro::Help2Click() {
  if (help_ == nullptr) {
    help_ = new vorneth::platform::HelpWindow(this);
  }
  help_->showContents();
}

void THordeIntro::About1Click() {
  if (about_ != nullptr) {
    about_->exec();
  }
}

bool THordeIntro::eventFilter(QObject* watched, QEvent* event) {
  // Alt with a letter is a menu's mnemonic or nothing: a line edit would type the letter when
  // no menu has it, so the title box takes none of them as text.
  if (watched == edTitle && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier)) {
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void THordeIntro::showEvent(QShowEvent* event) {
  // On a screen too small (or too scaled) for the form, the form scrolls within what fits.
  const QSize room =
      vorneth::platform::RoomOnScreen(this) - QSize(0, menuBar()->sizeHint().height());
  if (scroll_ == nullptr &&
      (room.width() < client_->width() || room.height() < client_->height())) {
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("FormScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    takeCentralWidget();
    scroll_->setWidget(client_);
    setCentralWidget(scroll_);
    // The scroll bar of one direction takes room from the other: the form keeps its whole
    // width when the screen has it, and scrolls only down.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    QSize wanted = client_->size();
    if (room.height() < wanted.height()) {
      wanted.rwidth() += bar;
    }
    if (room.width() < wanted.width()) {
      wanted.rheight() += bar;
    }
    scroll_->setFixedSize(wanted.boundedTo(room));
    scroll_->show();        // a child put in while the window shows would show only later
    edType[0]->setFocus();  // moving the boxes into the scroll area took the focus from A
  }
  QMainWindow::showEvent(event);
  // The window takes the layout's size (the scroll area's, when it was just put in) at once,
  // before it is placed.
  layout()->invalidate();
  layout()->activate();
  vorneth::platform::PlaceOnScreen(this);
}

void THordeIntro::keyPressEvent(QKeyEvent* event) {
  // Enter that no control used (a box, the check box) presses the default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ButGenerate->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void THordeIntro::closeEvent(QCloseEvent* event) {
  // The request form is the main form: closing it ends the program, help window or not.
  QMainWindow::closeEvent(event);
  QApplication::quit();
}
