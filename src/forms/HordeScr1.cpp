#include "forms/HordeScr1.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <utility>

#include "platform/form_font.h"
#include "platform/form_keys.h"
#include "platform/report_actions.h"
#include "platform/screen_fit.h"
#include "platform/share_window.h"
#include "playersview/hoard_lists.h"
#include "worth/worth_text.h"

namespace {

// Every line of the visible list is 16 pixels high, so thousands of lines lay out at once.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 16};
  }
};

// The form's geometry: the client area, the visible list, the row of buttons under it and the
// worth label left of them.
constexpr QSize kClientSize(541, 454);
constexpr QRect kListGeometry(0, 0, 537, 393);
constexpr int kButtonTop = 408;
constexpr QSize kButtonSize(83, 33);
constexpr QRect kWorthGeometry(4, 404, 248, 41);
constexpr int kExitLeft = 448;
constexpr int kPlayerLeft = 352;
constexpr int kDMLeft = 256;
// However little room the screen has, the list keeps a few lines.
constexpr int kLeastListHeight = 96;

QPushButton* button(const QString& caption, const char* name, QWidget* parent, int left) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(QRect(QPoint(left, kButtonTop), kButtonSize));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

THordeScr::THordeScr(vorneth::RandomSource& random, QWidget* parent,
                     vorneth::platform::ThousandsSeparator separator)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      random_(random),
      separator_(std::move(separator)) {
  setObjectName(QStringLiteral("HordeScr"));
  setWindowTitle(QStringLiteral("Vorneth"));
  setFont(vorneth::platform::FormFont());

  auto* menu = new QMenuBar(this);
  menu->setObjectName(QStringLiteral("MainMenu1"));
  buildMenu(menu);
  menu_ = menu;

  // The form can be resized: the list takes what it gains or loses, the controls under it keep
  // their places from the bottom right corner (layOutClient).
  auto* client = new QWidget(this);
  client->setMinimumSize(kClientSize - QSize(kDMLeft, kListGeometry.height() - kLeastListHeight));
  client->installEventFilter(this);
  client_ = client;
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menu);
  layout->addWidget(client);

  treasModel_ = new QStringListModel(this);
  TreasList = new QListView(client);
  TreasList->setObjectName(QStringLiteral("TreasList"));
  TreasList->setGeometry(kListGeometry);
  TreasList->setModel(treasModel_);
  TreasList->setItemDelegate(new FixedHeightDelegate(TreasList));
  TreasList->setUniformItemSizes(true);
  TreasList->setSelectionMode(QAbstractItemView::SingleSelection);
  TreasList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreasList->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(QStringLiteral("Copy"), TreasList);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, [this] { copyLines(false); });
  auto* copyAll = new QAction(QStringLiteral("Copy All"), TreasList);
  copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copyAll, &QAction::triggered, this, [this] { copyLines(true); });
  TreasList->addActions({copy, copyAll});
  addAction(copyAll);  // its shortcut anywhere in the report
  // Ctrl+Q ends the program from the report as "Exit" does from the request form; F1 opens the
  // help as on the request form.
  auto* quit = new QAction(QStringLiteral("Quit"), this);
  quit->setShortcut(vorneth::platform::QuitKey());
  connect(quit, &QAction::triggered, qApp, &QApplication::quit);
  auto* help = new QAction(QStringLiteral("Help"), this);
  help->setShortcut(vorneth::platform::HelpKey());
  connect(help, &QAction::triggered, this, &THordeScr::helpRequested);
  addActions({quit, help});

  butExit = button(QStringLiteral("Exit"), "butExit", client, kExitLeft);
  butPlayer = button(QStringLiteral("Players List"), "butPlayer", client, kPlayerLeft);
  butDM = button(QStringLiteral("DMs List"), "butDM", client, kDMLeft);
  connect(butExit, &QPushButton::clicked, this, &THordeScr::butExitClick);
  connect(butPlayer, &QPushButton::clicked, this, &THordeScr::butPlayerClick);
  connect(butDM, &QPushButton::clicked, this, &THordeScr::butDMClick);
  // The button of the list shown stays down, so that a glance tells which list is on screen.
  for (QPushButton* b : {butDM, butPlayer}) {
    b->setCheckable(true);
  }
  auto* shownList = new QButtonGroup(this);
  shownList->addButton(butDM);
  shownList->addButton(butPlayer);
  setTabOrder(TreasList, butExit);
  setTabOrder(butExit, butPlayer);
  setTabOrder(butPlayer, butDM);

  // In the free space left of the three buttons; not a control of the form's own.
  worthLabel_ = new QLabel(client);
  worthLabel_->setObjectName(QStringLiteral("lblWorth"));
  worthLabel_->setGeometry(kWorthGeometry);
  worthLabel_->setWordWrap(true);
  worthLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  move(58, 39);
}

void THordeScr::buildMenu(QMenuBar* menu) {
  using vorneth::platform::ListKind;
  QMenu* file = menu->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  file->setFont(
      vorneth::platform::FormFont());  // a menu is a window of its own: no font is inherited
  // A save item opens a dialog: "..." follows its text.
  const auto item = [file](const char* text, const char* more) {
    return file->addAction(QString::fromLatin1(text) + QLatin1String(more));
  };
  saveItems_ = {item(SaveItemText(ListKind::DM), "..."),
                item(SaveItemText(ListKind::Players), "...")};
  printItems_ = {item(PrintItemText(ListKind::DM), ""), item(PrintItemText(ListKind::Players), "")};
  connect(saveItems_[0], &QAction::triggered, this, &THordeScr::SaveDMsList1Click);
  connect(saveItems_[1], &QAction::triggered, this, &THordeScr::SavePlayersList1Click);
  connect(printItems_[0], &QAction::triggered, this, &THordeScr::PrintDMsList1Click);
  connect(printItems_[1], &QAction::triggered, this, &THordeScr::PrintPlayersList1Click);
  file->addSeparator();
  QAction* exportItem = file->addAction(QStringLiteral("Export..."));
  exportItem->setObjectName(QStringLiteral("Export1"));
  connect(exportItem, &QAction::triggered, this, &THordeScr::exportHoard);
  QAction* shareItem = file->addAction(QStringLiteral("Share Among Party..."));
  shareItem->setObjectName(QStringLiteral("Share1"));
  connect(shareItem, &QAction::triggered, this, &THordeScr::shareHoard);
  // "Edit" has no items: choosing the menu bar entry itself acts.
  edit_ = menu->addAction(QStringLiteral("&Edit"));
  edit_->setObjectName(QStringLiteral("Edit1"));
  edit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(edit_, &QAction::triggered, this, &THordeScr::Edit1Click);
}

void THordeScr::FormShow() {
  vorneth::Hoard hoard = vorneth::AssembleHoard(request_, random_, separator_.utf8());
  setWindowTitle(QString::fromStdString(hoard.Caption));
  lstDMs = std::move(hoard.DMList);
  lstPlayers = std::move(hoard.PlayersList);
  dmOrigins_ = std::move(hoard.DMOrigins);
  valueDMList();
  showList(lstDMs, true);
  TreasList->scrollToTop();  // a new hoard opens at its first line
}

void THordeScr::showEvent(QShowEvent* event) {
  // Only a showing by the program generates; a restore from minimised by the window system
  // must not roll again.
  if (!event->spontaneous()) {
    // A new hoard: the shares of the last one must not stand beside it.
    for (QDialog* shares : findChildren<QDialog*>(QStringLiteral("Shares"))) {
      shares->close();
    }
    fitToScreen();
    FormShow();
  }
  QDialog::showEvent(event);
}

void THordeScr::fitToScreen() {
  // The form's own size where the screen has room for it; on a smaller (or scaled) screen a
  // shorter and narrower list.
  const QSize usual = kClientSize + QSize(0, menu_->sizeHint().height());
  resize(usual.boundedTo(vorneth::platform::RoomOnScreen(this)).expandedTo(minimumSizeHint()));
  vorneth::platform::PlaceOnScreen(this);
}

void THordeScr::layOutClient() {
  // The list grows or shrinks by what the client area differs from the form's own size; the
  // buttons and the worth line move with its bottom right corner.
  const int dx = kClientSize.width() - client_->width();
  const int dy = kClientSize.height() - client_->height();
  TreasList->setGeometry(kListGeometry.adjusted(0, 0, -dx, -dy));
  for (const auto& [b, left] :
       {std::pair{butExit, kExitLeft}, {butPlayer, kPlayerLeft}, {butDM, kDMLeft}}) {
    b->move(left - dx, kButtonTop - dy);
  }
  worthLabel_->setGeometry(kWorthGeometry.translated(0, -dy).adjusted(0, 0, -dx, 0));
}

bool THordeScr::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    layOutClient();
  }
  return QDialog::eventFilter(watched, event);
}

void THordeScr::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) {
    separator_.refresh();
  }
  QDialog::changeEvent(event);
}

QStringList THordeScr::visibleLines() const {
  return treasModel_->stringList();
}

vorneth::formats::HoardRecord THordeScr::shownRecord() const {
  return vorneth::formats::RecordOf(request_, separator_.utf8(),
                                    {windowTitle().toStdString(), lstDMs, lstPlayers, dmOrigins_});
}

void THordeScr::exportHoard() {
  vorneth::platform::ExportHoard(
      this, shownRecord(),
      DMListShown ? vorneth::platform::ListKind::DM : vorneth::platform::ListKind::Players);
}

void THordeScr::shareHoard() {
  if (const std::optional<int> count = vorneth::platform::AskShareCount(this)) {
    vorneth::platform::ShowShares(
        this, shownRecord(), *count,
        DMListShown ? vorneth::platform::ListKind::DM : vorneth::platform::ListKind::Players);
  }
}

void THordeScr::copyLines(bool all) {
  const QModelIndexList selected = TreasList->selectionModel()->selectedIndexes();
  QStringList lines = treasModel_->stringList();
  if (!all && !selected.isEmpty()) {
    lines = QStringList{selected.front().data().toString()};
  }
  QGuiApplication::clipboard()->setText(lines.join(u'\n'));
}

void THordeScr::valueDMList() {
  const std::string& separator = separator_.utf8();
  const vorneth::worth::Totals totals = vorneth::worth::ValueList(lstDMs, separator).totals;
  worthLabel_->setText(QString::fromStdString(vorneth::worth::WorthLine(totals, separator)));
  QStringList breakdown;
  for (const std::string_view line : vorneth::worth::WorthBreakdown(totals, separator)) {
    breakdown << QString::fromUtf8(line);
  }
  worthLabel_->setToolTip(breakdown.join(u'\n'));
}

void THordeScr::showList(const Lines& lines, bool dmList) {
  DMListShown = dmList;
  worthLabel_->setVisible(dmList);  // the players list never shows a value
  (dmList ? butDM : butPlayer)->setChecked(true);
  for (QPushButton* b : {butDM, butPlayer}) {  // and its caption in bold
    QFont font = b->font();
    font.setBold(b->isChecked());
    b->setFont(font);
  }
  // Ctrl+S and Ctrl+P save and print the list shown: the shortcut stands at its items.
  const std::size_t shownItem = dmList ? 0 : 1;
  for (std::size_t i = 0; i < 2; ++i) {
    const bool on = i == shownItem;
    saveItems_[i]->setShortcut(on ? QKeySequence(QKeySequence::Save) : QKeySequence());
    printItems_[i]->setShortcut(on ? QKeySequence(QKeySequence::Print) : QKeySequence());
  }
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string_view line : lines) {
    shown.append(QString::fromUtf8(line));
  }
  treasModel_->setStringList(shown);
}

void THordeScr::butDMClick() {
  showList(lstDMs, true);
}

void THordeScr::butPlayerClick() {
  showList(lstPlayers, false);
}

void THordeScr::butExitClick() {
  close();
}

void THordeScr::saveList(const Lines& lines, vorneth::platform::ListKind kind) {
  // The title of the hoard shown, as it was typed, untrimmed.
  vorneth::platform::SaveList(this, QString::fromStdString(request_.Title), kind, lines);
}

void THordeScr::printList(const Lines& lines, vorneth::platform::ListKind kind) {
  vorneth::platform::PrintList(this, windowTitle(), kind, lines);
}

void THordeScr::editShownList() {
  // The edited text replaces the shown stored list and the visible list; the other list stays,
  // and the players list is not derived again from an edited DM list.
  Lines& shown = DMListShown ? lstDMs : lstPlayers;
  // One edit at a time: while the editor has the file (and the Take Back box waits), a second
  // Edit would open a second editor on the same file.
  if (!edit_->isEnabled()) {
    return;
  }
  edit_->setEnabled(false);
  std::optional<Lines> edited = vorneth::platform::EditList(this, shown);
  edit_->setEnabled(true);
  if (edited) {
    shown = std::move(*edited);
    if (DMListShown) {
      dmOrigins_.clear();  // the edited lines are no longer the generator's
      valueDMList();
    }
    showList(shown, DMListShown);
  }
}
