#include "forms/HordeScr1.h"

#include <QAction>
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
#include <optional>
#include <utility>

#include "app/form_font.h"
#include "generator/assembly.h"
#include "platform/report_actions.h"
#include "platform/share_window.h"
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

QPushButton* button(const QString& caption, const char* name, QWidget* parent, int left) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(left, 408, 83, 33);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

THordeScr::THordeScr(vorneth::RandomSource& random, QWidget* parent,
                     vorneth::app::ThousandsSeparator separator)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      random_(random),
      separator_(std::move(separator)) {
  setObjectName(QStringLiteral("HordeScr"));
  setWindowTitle(QStringLiteral("Vorneth"));
  setFont(vorneth::app::FormFont());

  auto* menu = new QMenuBar(this);
  menu->setObjectName(QStringLiteral("MainMenu1"));
  buildMenu(menu);

  auto* client = new QWidget(this);
  client->setFixedSize(541, 454);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setMenuBar(menu);
  layout->addWidget(client);

  treasModel_ = new QStringListModel(this);
  TreasList = new QListView(client);
  TreasList->setObjectName(QStringLiteral("TreasList"));
  TreasList->setGeometry(0, 0, 537, 393);
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
  connect(copyAll, &QAction::triggered, this, [this] { copyLines(true); });
  TreasList->addActions({copy, copyAll});

  butExit = button(QStringLiteral("Exit"), "butExit", client, 448);
  butPlayer = button(QStringLiteral("Players List"), "butPlayer", client, 352);
  butDM = button(QStringLiteral("DMs List"), "butDM", client, 256);
  connect(butExit, &QPushButton::clicked, this, &THordeScr::butExitClick);
  connect(butPlayer, &QPushButton::clicked, this, &THordeScr::butPlayerClick);
  connect(butDM, &QPushButton::clicked, this, &THordeScr::butDMClick);
  setTabOrder(TreasList, butExit);
  setTabOrder(butExit, butPlayer);
  setTabOrder(butPlayer, butDM);

  // In the free space left of the three buttons; not a control of the form's own.
  worthLabel_ = new QLabel(client);
  worthLabel_->setObjectName(QStringLiteral("lblWorth"));
  worthLabel_->setGeometry(4, 404, 248, 41);
  worthLabel_->setWordWrap(true);
  worthLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  move(58, 39);
}

void THordeScr::buildMenu(QMenuBar* menu) {
  using vorneth::platform::ListKind;
  QMenu* file = menu->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  file->setFont(vorneth::app::FormFont());  // a menu is a window of its own: no font is inherited
  const auto item = [file](const char* text) { return file->addAction(QString::fromLatin1(text)); };
  connect(item(SaveItemText(ListKind::DM)), &QAction::triggered, this,
          &THordeScr::SaveDMsList1Click);
  connect(item(SaveItemText(ListKind::Players)), &QAction::triggered, this,
          &THordeScr::SavePlayersList1Click);
  connect(item(PrintItemText(ListKind::DM)), &QAction::triggered, this,
          &THordeScr::PrintDMsList1Click);
  connect(item(PrintItemText(ListKind::Players)), &QAction::triggered, this,
          &THordeScr::PrintPlayersList1Click);
  file->addSeparator();
  QAction* exportItem = file->addAction(QStringLiteral("Export..."));
  exportItem->setObjectName(QStringLiteral("Export1"));
  connect(exportItem, &QAction::triggered, this, &THordeScr::exportHoard);
  QAction* shareItem = file->addAction(QStringLiteral("Share Among Party..."));
  shareItem->setObjectName(QStringLiteral("Share1"));
  connect(shareItem, &QAction::triggered, this, &THordeScr::shareHoard);
  // "Edit" has no items: choosing the menu bar entry itself acts.
  QAction* edit = menu->addAction(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  connect(edit, &QAction::triggered, this, &THordeScr::Edit1Click);
}

void THordeScr::FormShow() {
  vorneth::Hoard hoard = vorneth::AssembleHoard(request_, random_, separator_.utf8());
  setWindowTitle(QString::fromStdString(hoard.Caption));
  lstDMs = std::move(hoard.DMList);
  lstPlayers = std::move(hoard.PlayersList);
  dmOrigins_ = std::move(hoard.DMOrigins);
  valueDMList();
  showList(lstDMs, true);
}

void THordeScr::showEvent(QShowEvent* event) {
  // Only a showing by the program generates; a restore from minimised by the window system
  // must not roll again.
  if (!event->spontaneous()) {
    // A new hoard: the shares of the last one must not stand beside it.
    for (QDialog* shares : findChildren<QDialog*>(QStringLiteral("Shares"))) {
      shares->close();
    }
    FormShow();
  }
  QDialog::showEvent(event);
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
  for (const std::string& line : vorneth::worth::WorthBreakdown(totals, separator)) {
    breakdown << QString::fromStdString(line);
  }
  worthLabel_->setToolTip(breakdown.join(u'\n'));
}

void THordeScr::showList(const Lines& lines, bool dmList) {
  DMListShown = dmList;
  worthLabel_->setVisible(dmList);  // the players list never shows a value
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) {
    shown.append(QString::fromStdString(line));
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
  if (std::optional<Lines> edited = vorneth::platform::EditList(this, shown)) {
    shown = std::move(*edited);
    if (DMListShown) {
      dmOrigins_.clear();  // the edited lines are no longer the generator's
      valueDMList();
    }
    showList(shown, DMListShown);
  }
}
